// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/help_text.h"

#include "batch/columns.h"

#include <string_view>

namespace evdrive::batch {
namespace {

constexpr std::string_view usage = R"(Usage: evdrive-batch [OPTION]... [FILE]
Runs the drive calculation of the evdrive window for every vehicle of a CSV
table, and writes the table with each vehicle's results to standard output.

FILE is a table as spreadsheets save it: UTF-8, with or without a byte-order
mark; UTF-16 with its mark ("Unicode text"); or GB18030 (GBK, GB2312) when it
is not UTF-8. Cells are separated by commas, semicolons or tabs, whichever the
header holds most of, or as a first line "sep=;" says; lines end in LF, CRLF or
CR. "-" stands for standard input, which is also read when neither FILE nor
--set or --sweep is given; a table is not typed in, though: standard input at a
terminal (a console on Windows) gets a short usage and exit status 2. Without
FILE, --set and --sweep make the table by themselves: one vehicle of the --set
texts, a row for each sweep value.

Options:
  --set NAME=TEXT            give the input NAME the field text TEXT in every
                             row, in place of its column's cells
  --sweep NAME=FROM:TO:STEP  make each row once for each value FROM + k*STEP,
                             k = 0, 1, ... up to TO (STEP may be negative); two
                             sweeps make a grid, the first varying slowest; at
                             most 10000000 rows from one vehicle
  --decimal-comma            read "0,28" in the input fields as 0.28, and write
                             the results so; "1.500" is then no number
  --encoding NAME            read the table in the encoding NAME (GBK, UTF-16LE,
                             ...) and write it so
  --delimiter D              separate cells by D: a comma, semicolon or tab
  --keep-column NAME         pass the column NAME through even though its name
                             is close to an input's
  --strict                   exit with 3 when any row's calculation failed
  --jobs N                   compute rows in N threads (default: one for each
                             processor); the output is the same
  --help                     print this help and exit (on Windows /? too)
  --version                  print the version and exit
--option=VALUE is the same as --option VALUE. NAME is an input's name or
caption below; each input can be given once.

Input columns, in any order. A name counts whatever its case and with blanks,
'_' or '-' anywhere; a caption with blanks around it; either followed by its
unit in ASCII or full-width brackets, as shown:
)";

constexpr std::string_view addedColumnsHeading = R"(
Added after them, named in Chinese when the header's first input column (or,
without one, the first --set or --sweep) is named by its caption:
)";

constexpr std::string_view rules = R"(
Each cell of an input column is read as the window reads its field; an input
without a column is an empty field, and standard error says so before the
rows. Other columns pass through unchanged, but a name close to an input's, or
an input's name with another unit, stops the run: the header is mistyped. A row
with fewer cells than the header has empty ones; empty lines are skipped.
The results are written in full, as the window shows them. A calculation that
fails gives a row with error set to TypeMismatch, DivisionByZero, Overflow or
InvalidArgument, cause set to what made it fail, field naming the inputs to
blame as the table names them, and the results it did not reach empty; a
summary on standard error counts the failed rows.
The output keeps the table's encoding and byte-order mark, delimiter, "sep="
line and line ends, so that it opens in the same spreadsheet.

Causes:
)";

constexpr std::string_view exitStatus = R"(
Exit status: 0 when every row was written, failed calculations included; 1 when
reading or writing failed; 2 for a bad argument, standard input at a terminal,
a FILE that does not open as a table, or a malformed table: a quote never closed, a row with more cells than
the header, a header naming an input twice, mistyping one, or naming none
without --set or --sweep, text that is not in the table's encoding; 3 with
--strict when a calculation failed. Rows before a malformed line are written,
none after it; a message on standard error names the line or the argument.
)";

constexpr std::string_view terminalUsage = R"(Usage: evdrive-batch [OPTION]... FILE
       evdrive-batch [OPTION]... < FILE
       evdrive-batch --set NAME=TEXT... [--sweep NAME=FROM:TO:STEP]...
Runs the drive calculation for every vehicle of a CSV table and writes the
results to standard output. It reads no table typed at the keyboard: give a
FILE, redirect or pipe one in, or make one with --set and --sweep.
The options and the table's columns: evdrive-batch --help
)";

// Terminal columns: two for each Chinese character, which takes three bytes
// in UTF-8; one for each other character.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        width += (byte & 0xC0) != 0x80;
        width += byte >= 0xE0;
    }
    return width;
}

void appendPadded(std::string& text, std::string_view cell, std::size_t width) {
    text += cell;
    text.append(width > displayWidth(cell) ? width - displayWidth(cell) : 1, ' ');
}

// "轮胎滚动半径 (m)", as a header may name the column.
std::string withUnit(std::string_view name, std::string_view unit) {
    std::string text(name);
    if (!unit.empty()) {
        text += " (";
        text += unit;
        text += ')';
    }
    return text;
}

void appendInput(std::string& text, const auto& input) {
    text += "  ";
    appendPadded(text, withUnit(input.key, input.unit), 25);
    appendPadded(text, withUnit(input.caption, input.unit), 21);
    text += input.meaning;
    text += '\n';
}

void appendAddedColumn(std::string& text, const AddedColumn& column) {
    text += "  ";
    appendPadded(text, column.key, 10);
    appendPadded(text, column.caption, 18);
    text += column.meaning;
    if (!column.unit.empty()) {
        text += ", in ";
        text += column.unit;
    }
    text += '\n';
}

} // namespace

std::string helpText() {
    std::string text(usage);
    for (const auto& input : drivetrainInputs) {
        appendInput(text, input);
    }
    text += addedColumnsHeading;
    for (const AddedColumn& column : addedColumns) {
        appendAddedColumn(text, column);
    }
    text += rules;
    for (const CauseDescription& cause : failureCauses) {
        text += "  ";
        appendPadded(text, cause.key, 19);
        text += cause.text;
        text += '\n';
    }
    text += exitStatus;
    return text;
}

std::string_view shortUsage() {
    return terminalUsage;
}

} // namespace evdrive::batch
