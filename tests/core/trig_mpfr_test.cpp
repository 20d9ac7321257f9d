// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The correctly rounded arctangent and tangent against GNU MPFR.

#include "core/correctly_rounded_trig.h"
#include "core/double_double.h"
#include "tests/core/mpfr_reference.h"
#include "tests/core/trig_cases.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace evdrive {
namespace {

using namespace mpfr_reference;

// Arguments of the grade's atan: y = s/√(1 − s²) for a slope sine |s| < 1,
// mostly with |y| between 10^-3 and 10, the rest any finite double.
double gradeArgument(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    const double sign = unit(random) < 0.5 ? -1 : 1;
    const double pick = unit(random);
    if (pick < 0.8) {
        return sign * std::exp(std::log(1e-3) + unit(random) * std::log(1e4));
    }
    if (pick < 0.9) {
        const double s = unit(random);
        return sign * s / std::sqrt(1 - s * s);
    }
    const std::uint64_t bits = random() & 0x7FFF'FFFF'FFFF'FFFF;
    const double any = std::bit_cast<double>(bits);
    return std::isfinite(any) ? sign * any : sign;
}

TEST(TrigAgainstMpfr, EveryRandomGradeArgumentAndItsArctangentRoundCorrectly) {
    std::mt19937_64 random(1234);
    constexpr int count = 200'000;
    int wrongAtan = 0;
    int wrongTan = 0;
    for (int i = 0; i < count; ++i) {
        const double y = gradeArgument(random);
        const double angle = correctlyRoundedAtan(y);
        wrongAtan += angle != correctlyRounded(Function::Atan, y);
        wrongTan += correctlyRoundedTan(angle) != correctlyRounded(Function::Tan, angle);
    }
    EXPECT_EQ(wrongAtan, 0) << "of " << count;
    EXPECT_EQ(wrongTan, 0) << "of " << count;
}

TEST(TrigAgainstMpfr, EveryRandomFiniteDoubleHasItsTangentRoundedCorrectly) {
    std::mt19937_64 random(5678);
    int wrong = 0;
    for (int i = 0; i < 20'000; ++i) {
        const double x = std::bit_cast<double>(random() & 0xFFEF'FFFF'FFFF'FFFF);
        wrong += correctlyRoundedTan(x) != correctlyRounded(Function::Tan, x);
    }
    EXPECT_EQ(wrong, 0);
}

// The data file's results are MPFR's; its arguments are close enough to a
// rounding boundary that the fast evaluation declines most of them, and both
// evaluations round them correctly on their own.
TEST(TrigAgainstMpfr, HardCasesAreMpfrsAndBothEvaluationsRoundThem) {
    const std::vector<TrigCase> cases = readTrigCases();
    ASSERT_GE(cases.size(), 600u);
    std::size_t declined = 0;
    for (const TrigCase& c : cases) {
        const Function f = c.tangent ? Function::Tan : Function::Atan;
        EXPECT_EQ(c.result, correctlyRounded(f, c.argument))
            << name(f) << " " << hexText(c.argument);
        const double accurate = c.tangent ? trig_stages::accurateTan(c.argument)
                                          : trig_stages::accurateAtan(c.argument);
        EXPECT_EQ(accurate, c.result) << name(f) << " " << hexText(c.argument);
        const auto fast =
            c.tangent ? trig_stages::fastTan(c.argument) : trig_stages::fastAtan(c.argument);
        if (fast) {
            EXPECT_EQ(*fast, c.result) << name(f) << " " << hexText(c.argument);
        }
        declined += !fast;
    }
    EXPECT_GE(declined, 600u);
}

// Veltkamp's splitting and Dekker's product give a·b exactly only where no
// multiply-add is fused: what the build's flags guarantee.
TEST(TrigAgainstMpfr, TheDoubleDoubleProductIsExact) {
    std::mt19937_64 random(91011);
    std::uniform_real_distribution<double> unit(-1, 1);
    Real exact(106);
    Real sum(200);
    for (int i = 0; i < 10'000; ++i) {
        const double a = std::ldexp(unit(random), static_cast<int>(random() % 200) - 100);
        const double b = std::ldexp(unit(random), static_cast<int>(random() % 200) - 100);
        const dd::DoubleDouble p = dd::twoProduct(a, b);
        mpfr_set_d(exact, a, MPFR_RNDN);
        mpfr_mul_d(exact, exact, b, MPFR_RNDN);
        mpfr_set_d(sum, p.hi, MPFR_RNDN);
        mpfr_add_d(sum, sum, p.lo, MPFR_RNDN);
        ASSERT_EQ(mpfr_cmp(sum, exact), 0) << hexText(a) << " · " << hexText(b);
    }
}

} // namespace
} // namespace evdrive
