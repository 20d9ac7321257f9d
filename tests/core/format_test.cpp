// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace evdrive {
namespace {

struct Formatted {
    const char* name;
    double value;
    const char* text;
};

class FormatGeneral : public testing::TestWithParam<Formatted> {};

TEST_P(FormatGeneral, WritesFifteenDigitsAtMost) {
    EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatGeneral,
    testing::Values(
        Formatted{"Zero", 0.0, "0"}, Formatted{"NegativeZero", -0.0, "0"},
        Formatted{"OneThird", 1.0 / 3, "0.333333333333333"}, Formatted{"Negative", -2.5, "-2.5"},
        Formatted{"FifteenDigitInteger", 123456789012345, "123456789012345"},
        Formatted{"SixteenDigitInteger", 1234567890123456, "1.23456789012346E+15"},
        Formatted{"RoundsUpIntoExponentForm", 999999999999999.5, "1E+15"},
        Formatted{"Largest15DigitFixed", 999999999999999.4, "999999999999999"},
        Formatted{"TenToFourteen", 1e14, "100000000000000"},
        Formatted{"TenToFifteen", 1e15, "1E+15"}, Formatted{"SmallestFixed", 0.0001, "0.0001"},
        Formatted{"RoundsUpIntoFixed", 0.000099999999999999995, "0.0001"},
        Formatted{"FirstExponentForm", 0.00001, "1E-05"},
        Formatted{"FixedWithLeadingZeros", 0.00012345, "0.00012345"},
        Formatted{"SumOfTenths", 0.1 + 0.2, "0.3"}, Formatted{"Integer", 150, "150"},
        Formatted{"DropsSixteenthDigit", 5233.912462905172, "5233.91246290517"},
        Formatted{"ThreeDigitExponent", 1e100, "1E+100"},
        Formatted{"NegativeTiny", -1e-100, "-1E-100"},
        Formatted{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        Formatted{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                  "4.94065645841247E-324"}),
    [](const auto& info) { return info.param.name; });

class FormatFixed4 : public testing::TestWithParam<Formatted> {};

TEST_P(FormatFixed4, RoundsTheFifteenDigitDecimal) {
    EXPECT_EQ(formatFixed4(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixed4,
    testing::Values(Formatted{"PadsZeros", 0.327, "0.3270"}, Formatted{"Integer", 12, "12.0000"},
                    Formatted{"Zero", 0, "0.0000"}, Formatted{"NegativeZero", -0.0, "0.0000"},
                    Formatted{"HalfUp", 0.31595, "0.3160"},
                    // The double lies just below 0.31605; its 15-digit form is an exact half.
                    Formatted{"HalfOfDecimalNotOfBinary", 0.31605, "0.3161"},
                    Formatted{"CarryAcrossThePoint", 0.99995, "1.0000"},
                    Formatted{"CarryAddsADigit", 99999.99995, "100000.0000"},
                    Formatted{"SmallestRoundingUp", 0.00005, "0.0001"},
                    Formatted{"LargestRoundingDown", 0.00004999, "0.0000"},
                    Formatted{"FarBelowTheLastPlace", 1e-300, "0.0000"},
                    Formatted{"NegativeRoundingToZeroHasNoSign", -0.00004, "0.0000"},
                    Formatted{"NegativeHalfAwayFromZero", -0.00005, "-0.0001"},
                    Formatted{"Negative", -1.23456, "-1.2346"},
                    Formatted{"ManyIntegerDigits", 123456789.123456, "123456789.1235"},
                    Formatted{"BeyondFifteenDigits", 1e20, "100000000000000000000.0000"}),
    [](const auto& info) { return info.param.name; });

TEST(RoundTrip15, IsTheValueOfTheFifteenDigitText) {
    EXPECT_EQ(roundTrip15(5233.912462905172).value(), 5233.91246290517);
    EXPECT_EQ(roundTrip15(0.1 + 0.2).value(), 0.3);
    EXPECT_EQ(roundTrip15(-1e-310).value(), -1e-310);
}

TEST(RoundTrip15, RoundingBeyondTheLargestDoubleIsOverflow) {
    EXPECT_EQ(roundTrip15(std::numeric_limits<double>::max()).error(), CalcError::Overflow);
    EXPECT_EQ(roundTrip15(-std::numeric_limits<double>::max()).error(), CalcError::Overflow);
    EXPECT_EQ(roundTrip15(1.79769313486231e308).value(), 1.79769313486231e308);
}

struct StepCase {
    const char* name;
    Step step;
    double lhs;
    double rhs;
    std::expected<double, CalcError> outcome;
};

class CheckStep : public testing::TestWithParam<StepCase> {};

TEST_P(CheckStep, ClassifiesTheOutcome) {
    const auto& row = GetParam();
    EXPECT_EQ(checkStep(row.step, row.lhs, row.rhs), row.outcome);
}

constexpr double maxDouble = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, CheckStep,
    testing::Values(
        StepCase{"OneByZero", Step::Divide, 1, 0, std::unexpected(CalcError::DivisionByZero)},
        StepCase{"NegativeByNegativeZero", Step::Divide, -1, -0.0,
                 std::unexpected(CalcError::DivisionByZero)},
        StepCase{"ZeroByZero", Step::Divide, 0, 0, std::unexpected(CalcError::Overflow)},
        StepCase{"ZeroByNumber", Step::Divide, 0, 5, 0.0},
        StepCase{"QuotientTooLarge", Step::Divide, maxDouble, 0.5,
                 std::unexpected(CalcError::Overflow)},
        StepCase{"ProductTooLarge", Step::Multiply, 1e308, 10,
                 std::unexpected(CalcError::Overflow)},
        StepCase{"SumTooLarge", Step::Add, 1e308, 1e308, std::unexpected(CalcError::Overflow)},
        StepCase{"DifferenceTooLarge", Step::Subtract, -1e308, 1e308,
                 std::unexpected(CalcError::Overflow)},
        StepCase{"UnderflowToSubnormal", Step::Divide, 1e-308, 1e10, 1e-318},
        StepCase{"UnderflowToZero", Step::Multiply, 1e-200, 1e-200, 0.0},
        StepCase{"Cancellation", Step::Subtract, 3, 3, 0.0}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace evdrive
