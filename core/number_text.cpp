// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

// Every conversion here goes through std::from_chars and std::to_chars, which
// ignore the process locale: a user's decimal-comma locale must not change a figure.

namespace evdrive {
namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
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

// Converts a text already checked to be "[-]digits[.digits][e[+-]digits]".
// from_chars reports overflow and underflow alike as out of range; only
// overflow is a failure, an underflow is the zero it rounds to.
std::expected<double, CalcError> convertDecimal(std::string_view text) {
    double value = 0;
    const auto ec = std::from_chars(text.data(), text.data() + text.size(), value).ec;
    if (ec == std::errc::result_out_of_range) {
        if (leadingExponent(text) >= 0) {
            return std::unexpected(CalcError::Overflow);
        }
        return text.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the run of digits at the start of text.
std::size_t digitRun(std::string_view text) {
    return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), isDigit) -
                                    text.begin());
}

// A value rounded to 15 significant digits: d.dddddddddddddd × 10^exponent.
struct Decimal15 {
    bool negative = false;
    std::array<char, 15> digits{};
    int exponent = 0;
};

Decimal15 toDecimal15(double value) {
    // "-d.dddddddddddddde-308" at the longest.
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14)
                         .ptr;
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    Decimal15 decimal;
    decimal.negative = text.front() == '-';
    if (decimal.negative) {
        text.remove_prefix(1);
    }
    decimal.digits[0] = text[0];
    std::copy_n(text.begin() + 2, 14, decimal.digits.begin() + 1);
    const std::string_view exponent = text.substr(17); // after "d.dddddddddddddde"
    std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0),
                    exponent.data() + exponent.size(), decimal.exponent);
    return decimal;
}

} // namespace

std::expected<double, CalcError> parseStrict(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    if (first >= last) {
        return std::unexpected(CalcError::TypeMismatch);
    }
    text = std::string_view(first, last);
    const bool hasSign = text.front() == '+' || text.front() == '-';
    // from_chars takes a '-' but no '+'.
    const std::string_view number = text.front() == '+' ? text.substr(1) : text;

    std::string_view rest = hasSign ? text.substr(1) : text;
    std::size_t mantissaDigits = digitRun(rest);
    rest.remove_prefix(mantissaDigits);
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        const std::size_t fraction = digitRun(rest);
        rest.remove_prefix(fraction);
        mantissaDigits += fraction;
    }
    if (mantissaDigits == 0) {
        return std::unexpected(CalcError::TypeMismatch);
    }
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            rest.remove_prefix(1);
        }
        const std::size_t exponentDigits = digitRun(rest);
        if (exponentDigits == 0) {
            return std::unexpected(CalcError::TypeMismatch);
        }
        rest.remove_prefix(exponentDigits);
    }
    if (!rest.empty()) {
        return std::unexpected(CalcError::TypeMismatch);
    }
    return convertDecimal(number);
}

std::expected<double, CalcError> parseLenient(std::string_view text) {
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

std::string formatGeneral(double value) {
    if (value == 0) {
        return "0";
    }
    if (!std::isfinite(value)) {
        return value > 0 ? "inf" : value < 0 ? "-inf" : "nan";
    }
    const Decimal15 decimal = toDecimal15(value);
    const std::string_view all(decimal.digits.data(), decimal.digits.size());
    const std::string_view digits = all.substr(0, all.find_last_not_of('0') + 1);
    const int exponent = decimal.exponent;

    std::string text = decimal.negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        text += digits.substr(0, integerDigits);
        if (digits.size() > integerDigits) {
            text += '.';
            text += digits.substr(integerDigits);
        } else {
            text.append(integerDigits - digits.size(), '0');
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

std::string formatFixed4(double value) {
    constexpr int places = 4;
    const Decimal15 decimal = toDecimal15(value);
    // Digits of the 15-digit form down to the fourth decimal; the first has weight 10^exponent.
    std::string digits(decimal.digits.data(), decimal.digits.size());
    int exponent = decimal.exponent;
    const int kept = exponent + 1 + places;
    if (value == 0 || kept < 0) {
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
    return parseLenient(formatGeneral(value));
}

std::expected<double, CalcError> checkStep(Step step, double lhs, double rhs) {
    double result = 0;
    switch (step) {
    case Step::Add:
        result = lhs + rhs;
        break;
    case Step::Subtract:
        result = lhs - rhs;
        break;
    case Step::Multiply:
        result = lhs * rhs;
        break;
    case Step::Divide:
        if (rhs == 0 && lhs != 0 && !std::isnan(lhs)) {
            return std::unexpected(CalcError::DivisionByZero);
        }
        result = lhs / rhs;
        break;
    }
    if (!std::isfinite(result)) {
        return std::unexpected(CalcError::Overflow);
    }
    return result;
}

} // namespace evdrive
