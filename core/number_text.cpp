// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

// Every conversion here goes through std::from_chars and std::to_chars, which
// ignore the process locale: a user's decimal-comma locale must not change a figure.

namespace evdrive {
namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Power of ten of the first significant digit of a non-zero decimal text
// that from_chars accepted ("-0.00012e5" gives 1). Only its sign is used, so a
// huge exponent saturates instead of wrapping.
long long leadingExponent(std::string_view text) {
    const std::size_t exponentMark = std::min(text.find_first_of("eE"), text.size());
    const std::string_view mantissa = text.substr(0, exponentMark);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto lead = static_cast<long long>(mantissa.find_first_of("123456789"));
    const long long exponent = lead < point ? point - lead - 1 : point - lead;

    const std::string_view digits = text.substr(std::min(exponentMark + 1, text.size()));
    const bool negative = !digits.empty() && digits.front() == '-';
    long long magnitude = 0;
    for (const char c : digits) {
        if (isDigit(c)) {
            magnitude = std::min(magnitude * 10 + (c - '0'), 1'000'000'000'000LL);
        }
    }
    return exponent + (negative ? -magnitude : magnitude);
}

// Converts a decimal number that from_chars reads whole: "[-]digits[.digits][e[+-]digits]".
// from_chars reports overflow and underflow alike as out of range; only
// overflow is a failure, an underflow is the zero it rounds to.
std::expected<double, CalcError> convertDecimal(std::string_view text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (leadingExponent(text) >= 0) {
            return std::unexpected(CalcError::Overflow);
        }
        return text.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

// The widest product below needs 128 bits, which GCC and Clang give as an extension.
__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t tenToThe(int n) {
    std::uint64_t power = 1;
    while (n-- > 0) {
        power *= 10;
    }
    return power;
}

constexpr auto widePowersOfTen = [] {
    std::array<Wide, 23> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// The powers of ten that a double holds exactly.
constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int largestExactPower = 22;

// A non-zero value rounded to 15 significant digits: digits × 10^(exponent − 14),
// 10^14 ≤ digits < 10^15.
struct Decimal15 {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

// The 15-digit rounding as the library's exact conversion gives it.
Decimal15 roundByLibrary(double value) {
    // "-d.dddddddddddddde-308" at the longest.
    char buffer[32];
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    const char* at = buffer;
    Decimal15 decimal;
    decimal.negative = *at == '-';
    at += decimal.negative;
    decimal.digits = static_cast<std::uint64_t>(*at - '0');
    for (at += 2; *at != 'e'; ++at) {
        decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    ++at;
    std::from_chars(at + (*at == '+'), end, decimal.exponent);
    return decimal;
}

// Whether |value| lies above (1), below (-1) or exactly at (0) the decimal
// (2·half + 1) / 2 × 10^-shift, computed in integers: value = m × 2^e.
int compareWithHalf(double value, std::uint64_t half, int shift) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    const int binaryShift = 1075 - biased; // value = mantissa / 2^binaryShift
    // 2·mantissa·10^shift against (2·half + 1)·2^binaryShift; 2·2^53·10^22 < 2^128.
    const Wide scaled = static_cast<Wide>(2 * mantissa) * widePowersOfTen[shift];
    const Wide whole = scaled >> binaryShift;
    const Wide rest = scaled & ((static_cast<Wide>(1) << binaryShift) - 1);
    const Wide target = 2 * static_cast<Wide>(half) + 1;
    if (whole != target) {
        return whole > target ? 1 : -1;
    }
    return rest != 0 ? 1 : 0;
}

// The 15-digit rounding. Scaling the value by the power of ten that brings its
// first digit to the 10^14 place takes one rounded multiplication, whose
// error is at most a sixteenth; only when the scaled value comes nearer than
// that to a midpoint between two integers does the exact value decide, in
// integers. Exact halves and values of extreme scale go to the library.
Decimal15 toDecimal15(double value) {
    const double magnitude = std::fabs(value);
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int binaryExponent = static_cast<int>(bits >> 52) - 1023;
    // floor(binaryExponent · log10 2), or one less than the decimal exponent.
    int exponent = (binaryExponent * 78913) >> 18;
    int shift = 14 - exponent;
    if (magnitude < std::numeric_limits<double>::min() || shift < 1 || shift > largestExactPower) {
        return roundByLibrary(value);
    }
    double scaled = magnitude * exactPowersOfTen[shift];
    if (scaled >= 1e15) {
        ++exponent;
        --shift;
        scaled = magnitude * exactPowersOfTen[shift];
    }
    // Below 10^15: signed conversions, which take one instruction either way.
    auto digits = static_cast<std::uint64_t>(static_cast<std::int64_t>(scaled));
    const double fraction = scaled - static_cast<double>(static_cast<std::int64_t>(digits));
    if (fraction >= 0.4375 && fraction <= 0.5625) {
        const int side = compareWithHalf(magnitude, digits, shift);
        if (side == 0) {
            return roundByLibrary(value);
        }
        digits += side > 0;
    } else {
        digits += fraction > 0.5625;
    }
    if (digits == tenToThe(15)) {
        digits = tenToThe(14);
        ++exponent;
    }
    return {value < 0, digits, exponent};
}

// The value a 15-digit decimal denotes, by the one correctly rounded division
// of two exact doubles where its scale allows, else by reading its text.
std::expected<double, CalcError> valueOf(const Decimal15& decimal) {
    const int shift = 14 - decimal.exponent;
    if (shift >= 0 && shift <= largestExactPower) {
        const double magnitude = static_cast<double>(static_cast<std::int64_t>(decimal.digits)) /
                                 exactPowersOfTen[shift];
        return decimal.negative ? -magnitude : magnitude;
    }
    // "-999999999999999e-9999" at the longest, with room to spare.
    char buffer[48];
    char* at = buffer;
    if (decimal.negative) {
        *at++ = '-';
    }
    at = std::to_chars(at, buffer + 24, decimal.digits).ptr;
    *at++ = 'e';
    at = std::to_chars(at, buffer + 40, -shift).ptr;
    return convertDecimal(std::string_view(buffer, static_cast<std::size_t>(at - buffer)));
}

constexpr auto digitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Two digit characters of a number below 100.
void digitPair(std::uint32_t pair, char* out) {
    out[0] = digitPairs[2 * pair];
    out[1] = digitPairs[2 * pair + 1];
}

// The fifteen digit characters of a rounding, two at a time, in 32-bit halves.
void digitTexts(std::uint64_t digits, char (&out)[15]) {
    auto high = static_cast<std::uint32_t>(digits / 100'000'000); // seven digits
    auto low = static_cast<std::uint32_t>(digits % 100'000'000);  // eight digits
    for (int at = 13; at >= 7; at -= 2) {
        digitPair(low % 100, out + at);
        low /= 100;
    }
    for (int at = 5; at >= 1; at -= 2) {
        digitPair(high % 100, out + at);
        high /= 100;
    }
    out[0] = static_cast<char>('0' + high);
}

// A number as most fields hold it, "-1500" or "0.015": at most 15 digits and
// no exponent, so that it is its digits as an integer, exactly a double,
// divided by an exact power of ten: one correctly rounded division, which is
// what from_chars gives too. Anything else is left to from_chars.
std::optional<double> readSimpleDecimal(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    const bool negative = *at == '-';
    at += negative || *at == '+';
    const char* const first = at;
    const char* point = nullptr;
    std::uint64_t digits = 0;
    for (; at != end; ++at) {
        const auto digit = static_cast<unsigned>(*at - '0');
        if (digit < 10) {
            digits = digits * 10 + digit;
        } else if (*at == '.' && !point) {
            point = at;
        } else {
            return std::nullopt;
        }
    }
    const auto count = (end - first) - (point != nullptr);
    if (count == 0 || count > 15) {
        return std::nullopt;
    }
    const double magnitude = static_cast<double>(static_cast<std::int64_t>(digits)) /
                             exactPowersOfTen[point ? end - point - 1 : 0];
    return negative ? -magnitude : magnitude;
}

} // namespace

std::expected<double, CalcError> parseStrict(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::unexpected(CalcError::TypeMismatch);
    }
    if (const auto simple = readSimpleDecimal(text)) {
        return *simple;
    }
    // from_chars takes a '-' but no '+', and reads "inf" and "nan" too: the
    // sign must be followed by a digit or a point.
    const std::string_view number = text.front() == '+' ? text.substr(1) : text;
    const std::string_view unsigned_ =
        !number.empty() && number.front() == '-' && text.front() != '+' ? number.substr(1) : number;
    if (unsigned_.empty() || !(isDigit(unsigned_.front()) || unsigned_.front() == '.')) {
        return std::unexpected(CalcError::TypeMismatch);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size() || ec == std::errc::invalid_argument) {
        return std::unexpected(CalcError::TypeMismatch);
    }
    if (ec == std::errc::result_out_of_range) {
        return convertDecimal(number);
    }
    return value;
}

std::expected<double, CalcError> parseLenient(std::string_view text) {
    // A whole field that is a number reads as its leading number too.
    if (const auto whole = parseStrict(text)) {
        return whole;
    }
    std::size_t pos = 0;
    // The next character that counts, past any spaces, tabs and line feeds.
    const auto next = [&]() {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == '\n')) {
            ++pos;
        }
        return pos < text.size() ? text[pos] : '\0';
    };

    std::string number;
    char c = next();
    if (c == '+' || c == '-') {
        if (c == '-') {
            number += '-';
        }
        ++pos;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (c = next(); isDigit(c) || (c == '.' && !seenPoint); c = next()) {
        anyDigit = anyDigit || isDigit(c);
        seenPoint = seenPoint || c == '.';
        number += c;
        ++pos;
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        // The marker belongs to the number only when digits follow it.
        std::string exponent = "e";
        ++pos;
        c = next();
        if (c == '+' || c == '-') {
            exponent += c;
            ++pos;
        }
        bool exponentDigit = false;
        for (c = next(); isDigit(c); c = next()) {
            exponent += c;
            exponentDigit = true;
            ++pos;
        }
        if (exponentDigit) {
            number += exponent;
        }
    }
    return convertDecimal(number);
}

std::string_view formatGeneral(double value, NumberText& buffer) {
    char* out = buffer.data();
    const auto done = [&] { return std::string_view(buffer.data(), out); };
    const auto append = [&](const char* text, std::size_t size) {
        std::memcpy(out, text, size);
        out += size;
    };
    if (value == 0) {
        *out++ = '0';
        return done();
    }
    if (!std::isfinite(value)) {
        const std::string_view text = value > 0 ? "inf" : value < 0 ? "-inf" : "nan";
        append(text.data(), text.size());
        return done();
    }
    const Decimal15 decimal = toDecimal15(value);
    char digits[15];
    digitTexts(decimal.digits, digits);
    std::size_t count = 15; // without the trailing zeros
    while (digits[count - 1] == '0') {
        --count;
    }
    const int exponent = decimal.exponent;

    if (decimal.negative) {
        *out++ = '-';
    }
    if (exponent >= 15 || exponent < -4) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            append(digits + 1, count - 1);
        }
        append(exponent < 0 ? "E-" : "E+", 2);
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            *out++ = '0';
        }
        out = std::to_chars(out, buffer.data() + buffer.size(), magnitude).ptr;
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        append(digits, whole);
        if (count > whole) {
            *out++ = '.';
            append(digits + whole, count - whole);
        }
    } else {
        append("0.", 2);
        out = std::fill_n(out, -exponent - 1, '0');
        append(digits, count);
    }
    return done();
}

std::string formatGeneral(double value) {
    NumberText buffer;
    return std::string(formatGeneral(value, buffer));
}

std::string formatFixed4(double value) {
    constexpr int places = 4;
    if (value == 0 || !std::isfinite(value)) {
        return "0.0000";
    }
    const Decimal15 decimal = toDecimal15(value);
    // Digits of the 15-digit form down to the fourth decimal; the first has weight 10^exponent.
    char all[15];
    digitTexts(decimal.digits, all);
    std::string digits(all, 15);
    int exponent = decimal.exponent;
    const int kept = exponent + 1 + places;
    if (kept < 0) {
        digits.clear();
    } else if (kept < static_cast<int>(digits.size())) {
        const bool roundUp = digits[static_cast<std::size_t>(kept)] >= '5';
        digits.resize(static_cast<std::size_t>(kept));
        if (roundUp) {
            const auto lastNonNine = digits.find_last_not_of('9');
            if (lastNonNine == std::string::npos) {
                digits.assign(digits.size() + 1, '0');
                digits.front() = '1';
                ++exponent;
            } else {
                ++digits[lastNonNine];
                std::fill(digits.begin() + static_cast<std::ptrdiff_t>(lastNonNine) + 1,
                          digits.end(), '0');
            }
        }
    }
    const auto digitOfWeight = [&](int weight) {
        const int index = exponent - weight;
        return index >= 0 && index < static_cast<int>(digits.size())
                   ? digits[static_cast<std::size_t>(index)]
                   : '0';
    };

    std::string text;
    for (int weight = std::max(exponent, 0); weight >= 0; --weight) {
        text += digitOfWeight(weight);
    }
    text += '.';
    for (int weight = -1; weight >= -places; --weight) {
        text += digitOfWeight(weight);
    }
    if (decimal.negative && digits.find_first_not_of('0') != std::string::npos) {
        text.insert(0, 1, '-');
    }
    return text;
}

std::expected<double, CalcError> roundTrip15(double value) {
    if (!std::isfinite(value)) {
        return std::unexpected(CalcError::Overflow);
    }
    if (value == 0) {
        return 0.0;
    }
    return valueOf(toDecimal15(value));
}

} // namespace evdrive
