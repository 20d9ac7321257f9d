// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calc_failure.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace evdrive::batch {

// What the rows of a table, or of a stretch of it, came to.
struct RowTally {
    std::uint64_t rows = 0;
    std::array<std::uint64_t, calcErrorKeys.size()> failedByKind{};
    std::optional<std::size_t> firstFailedLine;
    bool sheetRows = false;                      // the lines are a workbook sheet's rows
    std::optional<std::uint64_t> firstFailedRow; // from 1, the first row after the header
    std::uint64_t noted = 0;                     // rows with a note on their figures
    // Whether a field failed as no number for a decimal comma in it, or for
    // digit groups that --digit-grouping would read.
    bool decimalCommaInFailedField = false;
    bool digitGroupsInFailedField = false;
    // Whether a field failed for its cell's formula had no value stored.
    bool uncomputedFormulaInFailedField = false;

    std::uint64_t failed() const;
    // Counts the row, failed or not.
    void countRow(std::optional<CalcError> failure, std::size_t line, bool noted);
    // Adds the tally of the rows that follow these.
    void append(const RowTally& later);
};

} // namespace evdrive::batch
