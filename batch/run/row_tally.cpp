// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/row_tally.h"

#include <numeric>

namespace evdrive::batch {

std::uint64_t RowTally::failed() const {
    return std::accumulate(failedByKind.begin(), failedByKind.end(), std::uint64_t{0});
}

void RowTally::countRow(std::optional<CalcError> failure, std::size_t line, bool noted) {
    ++rows;
    this->noted += noted;
    if (!failure) {
        return;
    }
    ++failedByKind[static_cast<std::size_t>(*failure)];
    if (!firstFailedLine) {
        firstFailedLine = line;
        firstFailedRow = rows;
    }
}

void RowTally::append(const RowTally& later) {
    if (!firstFailedLine && later.firstFailedLine) {
        firstFailedRow = rows + *later.firstFailedRow;
    }
    rows += later.rows;
    noted += later.noted;
    for (std::size_t i = 0; i < failedByKind.size(); ++i) {
        failedByKind[i] += later.failedByKind[i];
    }
    if (!firstFailedLine) {
        firstFailedLine = later.firstFailedLine;
    }
    decimalCommaInFailedField = decimalCommaInFailedField || later.decimalCommaInFailedField;
    uncomputedFormulaInFailedField =
        uncomputedFormulaInFailedField || later.uncomputedFormulaInFailedField;
    digitGroupsInFailedField = digitGroupsInFailedField || later.digitGroupsInFailedField;
}

} // namespace evdrive::batch
