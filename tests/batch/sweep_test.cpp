// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/sweep.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace evdrive::batch {
namespace {

using evdrive::PrintTo;

struct SweepValues {
    const char* name;
    const char* range;
    std::vector<std::string> texts;
};

class SweepTexts : public testing::TestWithParam<SweepValues> {};

TEST_P(SweepTexts, AreFromPlusKStepsToTheLastNotBeyondTo) {
    const SweepValues& row = GetParam();
    const auto sweep = parseSweep(row.range, "--sweep");
    ASSERT_TRUE(sweep.has_value()) << sweep.error().message();
    std::vector<std::string> texts;
    for (std::uint64_t k = 0; k < sweep->count; ++k) {
        texts.push_back(sweep->text(k));
    }
    EXPECT_EQ(texts, row.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SweepTexts,
    testing::Values(
        SweepValues{
            "FinalDriveRatios", "6:10:0.5", {"6", "6.5", "7", "7.5", "8", "8.5", "9", "9.5", "10"}},
        // 0.1 + 2 · 0.1 is 0.30000000000000004, beyond 0.3 by far less than the tolerance.
        SweepValues{"RoundingAboveToKeepsTo", "0.1:0.3:0.1", {"0.1", "0.2", "0.3"}},
        SweepValues{"ToBetweenValues", "0:1:0.3", {"0", "0.3", "0.6", "0.9"}},
        // 1 lies 10⁻¹⁰ beyond TO, within 0.5 · 10⁻⁹; in the next row 10⁻⁹, beyond it.
        SweepValues{"WithinTheTolerance", "0:0.9999999999:0.5", {"0", "0.5", "1"}},
        SweepValues{"BeyondTheTolerance", "0:0.999999999:0.5", {"0", "0.5"}},
        SweepValues{"NegativeStepGoesDown", "1:0:-0.25", {"1", "0.75", "0.5", "0.25", "0"}},
        SweepValues{"FromEqualsTo", "5:5:-1", {"5"}},
        SweepValues{
            "BlanksAroundNumbersAndExponents", " 1e3 :1.5E3: 250", {"1000", "1250", "1500"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SweepLimit, TenMillionRowsAreTheMost) {
    const auto sweep = parseSweep("1:1e7:1", "--sweep");
    ASSERT_TRUE(sweep.has_value());
    EXPECT_EQ(sweep->count, 10'000'000u);
    EXPECT_EQ(sweep->text(sweep->count - 1), "10000000");
}

struct SweepFault {
    const char* name;
    const char* range;
    const char* message;
};

class SweepFaults : public testing::TestWithParam<SweepFault> {};

TEST_P(SweepFaults, AreRejectedWithTheReason) {
    const SweepFault& row = GetParam();
    const auto sweep = parseSweep(row.range, "--sweep");
    ASSERT_FALSE(sweep.has_value());
    EXPECT_EQ(sweep.error().message(), std::string("--sweep: ") + row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SweepFaults,
    testing::Values(SweepFault{"ZeroStep", "6:10:0", "STEP is zero"},
                    SweepFault{"NegativeStepUpwards", "6:10:-0.5", "STEP leads away from TO"},
                    SweepFault{"PositiveStepDownwards", "10:6:0.5", "STEP leads away from TO"},
                    SweepFault{"OneRowTooMany", "0:1e7:1", "more than 10000000 rows"},
                    SweepFault{"SpanBeyondTheDoubleRange", "-1e308:1e308:1",
                               "more than 10000000 rows"},
                    SweepFault{"TwoParts", "6:10", "expected FROM:TO:STEP"},
                    SweepFault{"FourParts", "6:10:1:1", "expected FROM:TO:STEP"},
                    SweepFault{"FromNotANumber", "six:10:1", "FROM is not a number"},
                    SweepFault{"EmptyTo", "6::1", "TO is not a number"},
                    SweepFault{"StepBeyondRange", "6:10:1e400", "STEP is beyond the double range"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace evdrive::batch
