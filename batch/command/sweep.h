// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/translation.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace evdrive::batch {

// The most rows the sweeps of one run may make from one vehicle.
inline constexpr std::uint64_t maxSweepRows = 10'000'000;
inline constexpr std::string_view tooManyRows = translatable("more than 10000000 rows");
inline constexpr std::string_view sweepsMakeTooManyRows =
    translatable("the sweeps make more than 10000000 rows");

// The values FROM + k·STEP, k = 0 … count − 1, each computed in double
// precision rather than by adding STEP again and again, so that rounding does
// not pile up along a long sweep.
struct Sweep {
    double from;
    double step;
    std::uint64_t count;

    // The k-th value as a field text, written as the window writes results.
    std::string text(std::uint64_t k) const;
};

// Reads "FROM:TO:STEP": the last value is the largest that is not beyond TO
// by more than |STEP|·10⁻⁹, which keeps TO itself where rounding overshoots
// it. On failure, what is wrong with the range, where is the argument.
Outcome<Sweep> parseSweep(std::string_view range, std::string_view where);

} // namespace evdrive::batch
