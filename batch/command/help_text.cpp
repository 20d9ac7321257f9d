// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/help_text.h"

#include "batch/layout/columns.h"
#include "batch/layout/input_names.h"
#include "batch/text/utf8.h"
#include "batch/translation.h"
#include "batch/workbook/table_kind.h"
#include "core/failure_text.h"

#include <string_view>

namespace evdrive::batch {
namespace {

constexpr std::string_view usage = translatable(R"(Usage: evdrive-batch [OPTION]... [FILE]
Runs the drive calculation of the evdrive window for every vehicle of a CSV
table or a workbook's sheet, and writes the table with each vehicle's results
to standard output as CSV, or with -o to a file: a workbook when its name ends
in .xlsx.

FILE is a table as spreadsheets save it: UTF-8, with or without a byte-order
mark; UTF-16 with its mark ("Unicode text"); or GB18030 (GBK, GB2312) when it
is not UTF-8. Cells are separated by commas, semicolons or tabs, whichever
reads the first rows into the same number of cells most often, or as a first
line "sep=;" says; lines end in LF, CRLF or CR. The header is the first of the
first 20 rows that names an input; rows above it, a title, are written back as
they came. "-" stands for standard input, which is also read when neither FILE
nor --set or --sweep is given; a table is not typed in, though: standard input
at a terminal (a console on Windows) gets a short usage and exit status 2.
Without FILE, --set and --sweep make the table by themselves: one vehicle of the
--set texts, a row for each sweep value.

A workbook (.xlsx, known by its content, not its name) is read from its first
worksheet, or the one --sheet names, through the same rules: a number cell is
the number it holds, a text cell its text; a formula is the value the workbook
stored with it, and one stored without a value, as some programs write them,
fails with UncomputedFormula until the workbook is opened and saved in a
spreadsheet; a date is the serial number it is stored as; a filled cell beyond
the header's columns stops the run. Written to a workbook, the cells keep their
types, formulas become their values, the results are numbers, the header row
is bold and frozen, and the inputs to blame of a failed row are filled light
red with the window's message in a note; with --sweep a second sheet charts
each result against the last sweep's input, a line for each vehicle.

Options:
  --set NAME=TEXT            give the input NAME the field text TEXT in every
                             row, in place of its column's cells
  --sweep NAME=FROM:TO:STEP  make each row once for each value FROM + k*STEP,
                             k = 0, 1, ... up to TO (STEP may be negative); two
                             sweeps make a grid, the first varying slowest; at
                             most 10000000 rows from one vehicle
  --decimal-comma            read "0,28" in the input fields as 0.28, and write
                             the results so; "1.500" is then no number
  --digit-grouping           read "1,500" and "1 500" in the input fields as
                             1500 (with --decimal-comma, "1.500"); never
                             without this option, for in a table with decimal
                             commas "3,250" is 3.25
  --header-row N             take row N, counted from 1, for the header
  --sheet NAME|N             read the workbook's sheet NAME, or its Nth
  --encoding NAME            read the table in the encoding NAME (GBK, UTF-16LE,
                             ...) and write it so
  --delimiter D              separate cells by D: a comma, semicolon or tab
  --keep-column NAME         pass the column NAME through even though its name
                             is close to an input's
  --strict                   exit with 3 when any row's calculation failed
  --jobs N                   compute rows in N threads (default: one for each
                             processor); the output is the same
  -o, --output FILE          write the table to FILE, whole or not at all: to a
                             file beside it that takes its place when the run
                             ends as it should; FILE may be the table read;
                             a workbook when FILE ends in .xlsx
  -h, --help                 print this help and exit (on Windows /? too)
  --version                  print the version and exit
--option=VALUE is the same as --option VALUE. NAME is an input's name or
caption below; each input can be given once.

Input columns, in any order. A name counts whatever its case and with blanks,
'_' or '-' anywhere; a caption with blanks around it; either followed by its
unit in ASCII or full-width brackets, as shown, or after a slash,
"轮胎滚动半径/m"; units may be in Chinese (千克, 毫米, 公里/小时, 牛·米).
Below each input, other words that name it:
)");

constexpr std::string_view addedColumnsHeading = translatable(R"(
Added after them, named in Chinese, with their units given as the inputs give
theirs, when the header's first input column (or, without one, the first --set
or --sweep) is named in Chinese; a header that holds them already, as a table
evdrive-batch wrote does, has them computed again in their places:
)");

constexpr std::string_view rules = translatable(R"(
Each cell of an input column is read as the window reads its field, but that
a percentage, "92%", is the fraction 0.92 unless the input is in %; an input
without a column is an empty field, and standard error says so before the
rows, with the table's own columns. Other columns pass through unchanged, but a
name close to an input's, or an input's name with another unit, stops the run:
the header is mistyped. A row with fewer cells than the header has empty ones;
a blank row is written back as it came, and is no vehicle.
The results are written in full, as the window shows them. A calculation that
fails gives a row with error set to TypeMismatch, DivisionByZero, Overflow or
InvalidArgument, cause set to what made it fail, field naming the inputs to
blame as the table names them, and the results it did not reach empty; a
figure outside the range of road vehicles gets a note, in the table's language,
with the slip of units it most likely is, and changes nothing else; a summary
on standard error counts the failed rows and those with notes.
The output keeps the table's encoding and byte-order mark, delimiter, "sep="
line and line ends, so that it opens in the same spreadsheet.

Causes:
)");

constexpr std::string_view exitStatus = translatable(R"(
Exit status: 0 when every row was written, failed calculations included; 1 when
reading or writing failed, or memory ran out; 2 for a bad argument, standard
input at a terminal, a FILE that does not open as a table, or a malformed
table: a quote never closed or followed by text after it closes, a row with
more cells than the header, a header naming an input twice, mistyping one, or
naming none without --set or --sweep, text that is not in the table's encoding;
3 with --strict when a calculation failed; 130 when Ctrl-C stopped it (143 for
SIGTERM). Rows before a malformed line are written, none after it; a message on
standard error names the line or the argument. With -o, FILE is left as it was
when the run fails or is stopped.
)");

constexpr std::string_view uncomputedFormulaMeaning =
    translatable("a formula whose value the workbook does not hold");

void appendPadded(std::string& text, std::string_view cell, std::size_t width) {
    text += cell;
    text.append(width > displayWidth(cell) ? width - displayWidth(cell) : 1, ' ');
}

// In Chinese, what to type in the window's field says what the input is.
void appendInput(std::string& text, const auto& input) {
    text += "  ";
    appendPadded(text, withUnit(input.key, input.unit), 25);
    appendPadded(text, withUnit(input.caption, input.unit), 21);
    text += spokenLanguage() == Language::Chinese ? input.hint : input.meaning;
    text += '\n';
    if (input.words.empty()) {
        return;
    }
    std::string line = "    ";
    forEachWord(input.words, [&](std::string_view word) {
        // Wrapped at the width of a terminal.
        if (line.size() > 4 && displayWidth(line) + displayWidth(word) + 2 > 79) {
            text += line + ",\n";
            line = "    ";
        }
        line += line.size() > 4 ? ", " : "";
        line += word;
    });
    text += line + "\n";
}

// A result's caption says in Chinese what it is; its unit follows.
void appendAddedColumn(std::string& text, const AddedColumn& column) {
    text += "  ";
    appendPadded(text, column.key, 10);
    appendPadded(text, column.caption, 18);
    const bool chinese = spokenLanguage() == Language::Chinese;
    if (column.unit.empty()) {
        text += tr(column.meaning);
    } else {
        text += chinese ? format(tr("in %1"), {column.unit})
                        : format(tr("%1, in %2"), {column.meaning, column.unit});
    }
    text += '\n';
}

} // namespace

std::string helpText() {
    std::string text(tr(usage));
    for (const auto& input : drivetrainInputs) {
        appendInput(text, input);
    }
    text += tr(addedColumnsHeading);
    for (const AddedColumn& column : addedColumns) {
        appendAddedColumn(text, column);
    }
    text += tr(rules);
    for (const CauseDescription& cause : failureCauses) {
        text += "  ";
        appendPadded(text, cause.key, 19);
        // The window's words for the cause, in Chinese.
        text += spokenLanguage() == Language::Chinese ? causeInChinese(cause.cause)
                                                      : std::string(cause.text);
        text += '\n';
    }
    if (workbooksBuilt) {
        text += "  ";
        appendPadded(text, uncomputedFormulaCause, 19);
        text += tr(uncomputedFormulaMeaning);
        text += '\n';
    }
    text += tr(exitStatus);
    return text;
}

} // namespace evdrive::batch
