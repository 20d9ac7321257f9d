// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/row_tally.h"

#include <numeric>

namespace evdrive::batch {

std::uint64_t RowTally::failed() const {
    return std::accumulate(failedByKind.begin(), failedByKind.end(), std::uint64_t{0});
}

void RowTally::countFailure(CalcError kind, std::size_t line) {
    ++failedByKind[static_cast<std::size_t>(kind)];
    if (!firstFailedLine) {
        firstFailedLine = line;
    }
}

void RowTally::append(const RowTally& later) {
    rows += later.rows;
    for (std::size_t i = 0; i < failedByKind.size(); ++i) {
        failedByKind[i] += later.failedByKind[i];
    }
    if (!firstFailedLine) {
        firstFailedLine = later.firstFailedLine;
    }
}

} // namespace evdrive::batch
