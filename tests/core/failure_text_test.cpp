// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/failure_text.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace evdrive {

void PrintTo(const CauseDescription& cause, std::ostream* out) {
    *out << cause.key;
}

namespace {

// A cause the window had no words for would leave the user with the kind of
// failure alone, or with another cause's words.
class FailureText : public testing::TestWithParam<CauseDescription> {};

TEST_P(FailureText, EveryCauseHasAMessageOfItsOwn) {
    const std::vector<BlamedInput> blamed = {{"满载总质量", "以 kg 为单位的质量，例如 1500"}};
    const auto message = [&](FailureCause cause) {
        return describeFailure(CalcError::Overflow, cause, blamed);
    };
    const std::string own = message(GetParam().cause);
    EXPECT_FALSE(own.empty());
    for (const CauseDescription& other : failureCauses) {
        if (other.cause != GetParam().cause) {
            EXPECT_NE(message(other.cause), own) << other.key;
            EXPECT_NE(causeInChinese(other.cause), causeInChinese(GetParam().cause)) << other.key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Causes, FailureText, testing::ValuesIn(failureCauses),
                         [](const auto& info) { return std::string(info.param.key); });

TEST(FailureText, NamesTheBlamedFieldsAsTheWindowDoes) {
    const std::vector<BlamedInput> blamed = {
        {"变速器速比", ""}, {"驱动桥速比", ""}, {"电机最大转矩", ""}};
    EXPECT_EQ(describeFailure(CalcError::DivisionByZero, FailureCause::ZeroDivisor, blamed),
              "除数为零：由“变速器速比”、“驱动桥速比”和“电机最大转矩”算出的除数为 0。\n"
              "请检查“变速器速比”、“驱动桥速比”和“电机最大转矩”的数量级和单位。");
}

} // namespace
} // namespace evdrive
