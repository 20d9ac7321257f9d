// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drivetrain.h"
#include "core/number_text.h"
#include "core/tire_radius.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <stdexcept>
#include <string>

namespace evdrive {
namespace {

// A Qt program takes its C locale from the environment; figures must not
// depend on it, above all not under a locale with a decimal comma.
class UnderLocale : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        try {
            std::locale::global(std::locale(GetParam()));
        } catch (const std::runtime_error&) {
            GTEST_SKIP() << GetParam() << " is not installed";
        }
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr);
    }
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_P(UnderLocale, FiguresAreUnchanged) {
    EXPECT_EQ(parseStrict("1234.5").value(), 1234.5);
    EXPECT_FALSE(parseStrict("1234,5").has_value());
    EXPECT_EQ(parseLenient("1,5").value(), 1);
    EXPECT_EQ(formatGeneral(1234.5), "1234.5");
    EXPECT_EQ(formatGeneral(1e-5), "1E-05");
    EXPECT_EQ(formatFixed4(1234.5), "1234.5000");

    const auto results = computeDrivetrain(
        {"1", "8", "0.3", "60", "0.9", "1500", "0.015", "0.3", "1500", "1700", "200", ""});
    EXPECT_EQ(results.motorRpmText, "4244.03183023873");
    EXPECT_EQ(results.powerText, "6.49468085106383");
    EXPECT_EQ(results.gradeText, "32.7845476238428");
    EXPECT_EQ(computeTireRadius({"195", "70", "15"}), "0.3270");
}

INSTANTIATE_TEST_SUITE_P(DecimalComma, UnderLocale,
                         testing::Values("de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"),
                         [](const auto& info) { return std::string(info.param).substr(0, 2); });

} // namespace
} // namespace evdrive
