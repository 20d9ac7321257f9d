// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace evdrive {
namespace {

int significantDigits(const std::string& text) {
    const std::string mantissa = text.substr(0, text.find('E'));
    const auto first = mantissa.find_first_of("123456789");
    int count = 0;
    for (auto i = first; i < mantissa.size(); ++i) {
        count += mantissa[i] >= '0' && mantissa[i] <= '9';
    }
    return count;
}

// Random bit patterns cover every exponent of the double range, subnormals included.
TEST(FormatGeneralProperty, ReadsBackAsTheFifteenDigitRounding) {
    std::mt19937_64 random(20261207);
    int checked = 0;
    while (checked < 100'000) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x) || x == 0) {
            continue;
        }
        ++checked;
        const std::string text = formatGeneral(x);
        ASSERT_LE(significantDigits(text), 15) << text;

        const auto read = parseStrict(text);
        const auto rounded = roundTrip15(x);
        ASSERT_EQ(read.has_value(), rounded.has_value()) << text;
        if (!read) {
            // Only the last 15-digit step below the largest double rounds beyond it.
            ASSERT_EQ(read.error(), CalcError::Overflow) << text;
            ASSERT_GT(std::fabs(x), 1.797693134862315e308) << text;
            continue;
        }
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*read), std::bit_cast<std::uint64_t>(*rounded))
            << text;

        // Half a unit of the 15th digit, plus half an ulp for reading the text back.
        const long double exponent =
            std::floor(std::log10(std::fabs(static_cast<long double>(*read))));
        const long double halfUnit = 0.5L * std::pow(10.0L, exponent - 14);
        const long double halfUlp =
            0.5L * (std::nextafter(std::fabs(*read), HUGE_VAL) - std::fabs(*read));
        const long double error = std::fabs(static_cast<long double>(*read) - x);
        ASSERT_LE(error, (halfUnit + halfUlp) * (1 + 1e-12L)) << text << " from " << x;
    }
}

} // namespace
} // namespace evdrive
