// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"
#include "tests/core/table_row.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace evdrive {
namespace {

struct Accepted {
    const char* name;
    std::string text;
    double value;
};

class ParseStrictAccepts : public testing::TestWithParam<Accepted> {};

// Compared bit for bit, so that -0 and 0 or a neighbouring double are told apart.
TEST_P(ParseStrictAccepts, ReadsTheValueAndTheLenientReadAgrees) {
    const auto& row = GetParam();
    const auto strict = parseStrict(row.text);
    ASSERT_TRUE(strict.has_value());
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*strict), std::bit_cast<std::uint64_t>(row.value))
        << *strict;
    const auto lenient = parseLenient(row.text);
    ASSERT_TRUE(lenient.has_value());
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*lenient), std::bit_cast<std::uint64_t>(row.value));
}

const std::string zeros400(400, '0');

INSTANTIATE_TEST_SUITE_P(
    Table, ParseStrictAccepts,
    testing::Values(
        Accepted{"BlanksAround", " 12.5 ", 12.5}, Accepted{"TabsAround", "\t3\t", 3},
        Accepted{"Exponent", "1e3", 1000}, Accepted{"CapitalExponent", "1E-3", 0.001},
        Accepted{"LeadingPoint", ".5", 0.5}, Accepted{"TrailingPoint", "5.", 5},
        Accepted{"PlusSign", "+7", 7}, Accepted{"NegativeZero", "-0", -0.0},
        Accepted{"LeadingZeros", "000012", 12}, Accepted{"Subnormal", "2.5e-320", 2.5e-320},
        Accepted{"SmallestSubnormal", "4.9e-324", std::numeric_limits<double>::denorm_min()},
        Accepted{"UnderflowIsZero", "1e-400", 0.0},
        Accepted{"NegativeUnderflowIsNegativeZero", "-1e-400", -0.0},
        Accepted{"UnderflowWithLargeMantissa", "10000e-328", 0.0},
        Accepted{"UnderflowWithSmallMantissa", "0.0001e-400", 0.0},
        Accepted{"LargeExponentSmallMantissa", "0.001e311", 1e308},
        Accepted{"LongExponentWithZeros", "1e0000000000000000000000005", 1e5},
        Accepted{"LongMantissaRoundsCorrectly", "0.1000000000000000055511151231257827", 0.1},
        Accepted{"HalfwayTiesToEven", "9007199254740993", 9007199254740992.0},
        Accepted{"LargestDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        Accepted{"HugeExponentOfTinyMantissa", "0." + zeros400 + "1e401", 1}),
    [](const auto& info) { return info.param.name; });

struct Rejected {
    const char* name;
    std::string text;
    CalcError error;
};

class ParseStrictRejects : public testing::TestWithParam<Rejected> {};

TEST_P(ParseStrictRejects, WithTheRightKind) {
    const auto& row = GetParam();
    const auto result = parseStrict(row.text);
    ASSERT_FALSE(result.has_value()) << *result;
    EXPECT_EQ(result.error(), row.error);
}

constexpr auto TM = CalcError::TypeMismatch;
constexpr auto OV = CalcError::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Table, ParseStrictRejects,
    testing::Values(Rejected{"Empty", "", TM}, Rejected{"Blanks", "  \t ", TM},
                    Rejected{"TrailingLetters", "12abc", TM}, Rejected{"Inf", "inf", TM},
                    Rejected{"Infinity", "-Infinity", TM}, Rejected{"NaN", "nan", TM},
                    Rejected{"HexFloat", "0x1p3", TM}, Rejected{"HexInteger", "0x10", TM},
                    Rejected{"DecimalComma", "1,5", TM}, Rejected{"DigitGroups", "1 000", TM},
                    Rejected{"LonePoint", ".", TM}, Rejected{"LoneSign", "-", TM},
                    Rejected{"ExponentOnly", "e5", TM}, Rejected{"ExponentWithoutDigits", "1e", TM},
                    Rejected{"ExponentSignWithoutDigits", "1e+", TM},
                    Rejected{"TwoSigns", "+-1", TM}, Rejected{"TwoPoints", "1.2.3", TM},
                    Rejected{"FortranExponent", "1d2", TM}, Rejected{"BlankAfterSign", "- 5", TM},
                    Rejected{"LineFeed", "\n5", TM}, Rejected{"NoBreakSpace", "5\u00a0", TM},
                    Rejected{"FullWidthDigits", "\uff11\uff12", TM},
                    Rejected{"TrailingSign", "5-", TM},
                    Rejected{"EmbeddedNul",
                             std::string("1\0"
                                         "2",
                                         3),
                             TM},
                    Rejected{"Overflow", "1e400", OV}, Rejected{"NegativeOverflow", "-1e400", OV},
                    Rejected{"JustBeyondLargest", "1.79769313486232e308", OV},
                    Rejected{"OverflowFromMantissa", "1000e306", OV},
                    Rejected{"OverflowFromLongInteger", "1" + zeros400, OV},
                    Rejected{"HugeExponent", "1e99999999999999999999", OV}),
    [](const auto& info) { return info.param.name; });

struct Lenient {
    const char* name;
    std::string text;
    double value;
};

class ParseLenientReads : public testing::TestWithParam<Lenient> {};

TEST_P(ParseLenientReads, TheLeadingNumber) {
    const auto& row = GetParam();
    const auto result = parseLenient(row.text);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseLenientReads,
    testing::Values(Lenient{"TrailingLetters", "  -.5x", -0.5}, Lenient{"DExponent", "1d2", 100},
                    Lenient{"CapitalDExponent", "1D-2", 0.01}, Lenient{"NoDigits", "abc", 0},
                    Lenient{"Empty", "", 0}, Lenient{"DecimalComma", "1,5", 1},
                    Lenient{"DigitGroups", "1 000", 1000}, Lenient{"Units", "0.015abc", 0.015},
                    Lenient{"LineFeedInside", "1\n2", 12}, Lenient{"TabInside", "12\t3", 123},
                    Lenient{"CarriageReturnEnds", "1\r2", 1}, Lenient{"BlankAfterSign", "- 5", -5},
                    Lenient{"BlanksInExponent", "1 e - 2", 0.01},
                    Lenient{"ExponentWithoutDigits", "1e", 1},
                    Lenient{"ExponentSignWithoutDigits", "1e+x", 1},
                    Lenient{"SecondPointEnds", "1.2.3", 1.2},
                    Lenient{"SecondExponentEnds", "1e5e3", 1e5}, Lenient{"LoneSign", "-", 0},
                    Lenient{"LonePoint", ".", 0}, Lenient{"HexIsZero", "0x10", 0},
                    Lenient{"InfIsZero", "inf", 0}, Lenient{"Underflow", "1e-400", 0}),
    [](const auto& info) { return info.param.name; });

TEST(ParseLenient, FailsOnlyBeyondTheDoubleRange) {
    EXPECT_EQ(parseLenient("1e400").error(), CalcError::Overflow);
    EXPECT_EQ(parseLenient(" - 1 d 400 ").error(), CalcError::Overflow);
}

} // namespace
} // namespace evdrive
