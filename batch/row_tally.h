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

    std::uint64_t failed() const;
    void countFailure(CalcError kind, std::size_t line);
    // Adds the tally of the rows that follow these.
    void append(const RowTally& later);
};

} // namespace evdrive::batch
