// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/help_text.h"

#include "batch/columns.h"

#include <string_view>

namespace evdrive::batch {
namespace {

constexpr std::string_view usage = R"(Usage: evdrive-batch [OPTION]... [FILE]
Runs the drive calculation of the evdrive window for every vehicle of a CSV
table, and writes the table with each vehicle's results as CSV to standard
output.

FILE is CSV (RFC 4180; UTF-8, with or without a byte-order mark; lines ending
in LF or CRLF). "-" stands for standard input, which is also read when neither
FILE nor --set or --sweep is given. Without FILE, --set and --sweep make the
table by themselves: one vehicle of the --set texts, a row for each sweep value.

Options:
  --set NAME=TEXT            give the input NAME the field text TEXT in every
                             row, in place of its column's cells
  --sweep NAME=FROM:TO:STEP  make each row once for each value FROM + k*STEP,
                             k = 0, 1, ... up to TO (STEP may be negative); two
                             sweeps make a grid, the first varying slowest; at
                             most 10000000 rows from one vehicle
  --help                     print this help and exit
  --version                  print the version and exit
--set=NAME=TEXT and --sweep=NAME=FROM:TO:STEP are the same. NAME is an input's
name or caption below; each input can be given once.

Input columns, named in the header by name or by caption, in any order:
)";

constexpr std::string_view addedColumnsHeading = R"(
Added after them, named in Chinese when the header's first input column (or,
without one, the first --set or --sweep) is named by its caption:
)";

constexpr std::string_view rules = R"(
Each cell of an input column is read as the window reads its field; an input
without a column is an empty field. Other columns pass through unchanged. A row
with fewer cells than the header has empty ones; empty lines are skipped.
The results are written in full, as the window shows them. A calculation that
fails gives a row with error set to TypeMismatch, DivisionByZero, Overflow or
InvalidArgument, cause set to what made it fail (below), field naming the
inputs to blame as the table names them, and the results it did not reach empty.
Output lines end in CRLF when the header line does, else in LF; a byte-order
mark on the input is written on the output too.

Causes:
)";

constexpr std::string_view exitStatus = R"(
Exit status: 0 when every row was written, failed calculations included; 1 when
reading or writing failed; 2 for a bad argument or a malformed table: a quote
never closed, a row with more cells than the header, a header naming an input
twice, or naming none without --set or --sweep. Rows before a malformed line
are written, none after it; a message on standard error names the line or the
argument.
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
    text.append(width - displayWidth(cell), ' ');
}

void appendColumn(std::string& text, const auto& column) {
    text += "  ";
    appendPadded(text, column.key, 21);
    appendPadded(text, column.caption, 17);
    appendPadded(text, column.unit, 5);
    text += column.meaning;
    text += '\n';
}

} // namespace

std::string helpText() {
    std::string text(usage);
    for (const auto& input : drivetrainInputs) {
        appendColumn(text, input);
    }
    text += addedColumnsHeading;
    for (const AddedColumn& column : addedColumns) {
        appendColumn(text, column);
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

} // namespace evdrive::batch
