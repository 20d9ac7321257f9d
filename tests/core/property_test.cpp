// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

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

// The library's exact conversion to 15 significant digits: "d.dddddddddddddde±x".
std::string libraryDigits(double x) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                   std::chars_format::scientific, 14)
                         .ptr;
    return std::string(buffer, end);
}

// The digits without trailing zeros and the exponent of a general text or
// of the library's form, to compare the two.
std::pair<std::string, int> digitsAndExponent(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific)
                         .ptr;
    const std::string shortest(buffer, end);
    std::string digits = shortest.substr(0, shortest.find('e'));
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    const std::string exponent = shortest.substr(shortest.find('e') + 1);
    int power = 0;
    std::from_chars(exponent.data() + (exponent[0] == '+'), exponent.data() + exponent.size(),
                    power);
    return {digits, power};
}

// Values of every scale the calculations meet, and values next to the
// midpoint between two 15-digit decimals, where rounding from the shortest
// digits instead of the exact value would go wrong.
TEST(FifteenDigitRounding, AgreesWithTheLibrarysExactConversion) {
    std::mt19937_64 random(20261208);
    std::vector<double> values;
    for (int i = 0; i < 300'000; ++i) {
        values.push_back(std::pow(10.0, std::uniform_real_distribution<double>(-12, 17)(random)));
    }
    for (int i = 0; i < 100'000; ++i) {
        // A 16-digit decimal ending in 5: the midpoint itself, then its neighbours.
        char text[40];
        char* end = std::to_chars(text, text + 20,
                                  std::uniform_int_distribution<std::uint64_t>(
                                      100'000'000'000'000, 999'999'999'999'999)(random))
                        .ptr;
        *end++ = '5';
        *end++ = 'e';
        end = std::to_chars(end, text + 40, std::uniform_int_distribution<int>(-25, 3)(random)).ptr;
        double midpoint = 0;
        std::from_chars(text, end, midpoint);
        values.insert(values.end(), {midpoint, std::nextafter(midpoint, 0.0),
                                     std::nextafter(midpoint, HUGE_VAL)});
    }
    values.insert(values.end(), {1000000000000005.0, 999999999999999.5, 0.5, 1e-8, 1e14, 1e15});
    for (const double magnitude : values) {
        for (const double x : {magnitude, -magnitude}) {
            const std::string library = libraryDigits(x);
            double expected = 0;
            std::from_chars(library.data(), library.data() + library.size(), expected);
            expected = x < 0 ? -expected : expected;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(roundTrip15(x).value()),
                      std::bit_cast<std::uint64_t>(expected))
                << library << " from " << x;
            const std::string text = formatGeneral(x);
            ASSERT_EQ(digitsAndExponent(text.front() == '-' ? text.substr(1) : text),
                      digitsAndExponent(library))
                << text << " from " << x;
        }
    }
}

// Digits with a point somewhere, or none, as fields hold them: read as the
// library reads them, bit for bit, whether few digits or many.
TEST(ParseStrictProperty, ReadsDecimalsAsTheLibraryDoes) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int count = std::uniform_int_distribution<int>(1, 18)(random);
        const int point = std::uniform_int_distribution<int>(-1, count)(random);
        for (int d = 0; d < count; ++d) {
            if (d == point) {
                text += '.';
            }
            text += static_cast<char>('0' + random() % 10);
        }
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(parseStrict(text).value()),
                  std::bit_cast<std::uint64_t>(expected))
            << text;
    }
}

} // namespace
} // namespace evdrive
