// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/correctly_rounded_trig.h"
#include "tests/core/trig_cases.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace evdrive {
namespace {

std::string hexText(double x) {
    std::array<char, 32> buffer{};
    return {
        buffer.data(),
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::hex).ptr};
}

// The arguments nearest to a rounding boundary, and the ends of the ranges,
// with their correctly rounded results from MPFR: the same bits on every
// platform the test runs on.
TEST(CorrectlyRoundedTrig, GivesTheCorrectlyRoundedResultOfEveryHardCase) {
    const std::vector<TrigCase> cases = readTrigCases();
    ASSERT_GE(cases.size(), 600u) << EVDRIVE_TRIG_CASES;
    for (const TrigCase& c : cases) {
        const double result =
            c.tangent ? correctlyRoundedTan(c.argument) : correctlyRoundedAtan(c.argument);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(result), std::bit_cast<std::uint64_t>(c.result))
            << (c.tangent ? "tan " : "atan ") << hexText(c.argument);
    }
}

} // namespace
} // namespace evdrive
