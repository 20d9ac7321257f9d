// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace evdrive::batch {

// How a CSV table separates its cells and ends its lines.
struct CsvDialect {
    char delimiter = ',';
    bool separatorLine = false; // a first line "sep=;" names the delimiter
    bool crAlone = false;       // lines end in CR alone, as older spreadsheets wrote
};

// The dialect the start of a table shows; whole when it is all of the table.
// A first line "sep=;" names the delimiter, or else the one given; failing
// both, the first records that are not blank are read with the CSV machine
// for a comma, a semicolon and a tab in turn, and the delimiter wins that
// reads them without a malformed record into the same number of cells, more
// than one, most often; on a tie, the more cells, then the comma, then the
// semicolon.
// Lines end as the first line ends outside quoted cells.
CsvDialect guessCsvDialect(std::string_view start, bool whole, std::optional<char> delimiter);

} // namespace evdrive::batch
