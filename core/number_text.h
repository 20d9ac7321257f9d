// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cmath>
#include <expected>
#include <string>
#include <string_view>

namespace evdrive {

// Why a calculation stopped.
enum class CalcError {
    TypeMismatch,   // a field does not hold a number
    DivisionByZero, // a non-zero value divided by zero
    Overflow,       // beyond the double range, or an invalid operation such as 0 / 0
    InvalidArgument // square root of a negative number
};

// Reads a whole field as a number: blanks around it, an optional sign, a decimal
// mantissa with at least one digit and an optional exponent ("1e3", ".5", "5.").
// Independent of the process locale: '.' is the only decimal separator.
std::expected<double, CalcError> parseStrict(std::string_view text);

// Reads the leading number of a text, skipping spaces, tabs and line feeds
// wherever they stand in it ("1 000" is 1000); "D" is an exponent marker too.
// A text without digits reads as 0. Fails only for a number beyond the double range.
std::expected<double, CalcError> parseLenient(std::string_view text);

// The value rounded to 15 significant digits, fixed for decimal exponents
// -4 to 14 and "d.dddE+XX" otherwise, without trailing zeros ("0.3", "1E+15").
std::string formatGeneral(double value);

// Room for any text formatGeneral writes ("-1.23456789012346E-308").
using NumberText = std::array<char, 24>;

// The same text written into buffer, without allocating.
std::string_view formatGeneral(double value, NumberText& buffer);

// The 15-digit decimal form of the value rounded to four places, halves away
// from zero ("0.3270"). A value that rounds to zero is written without a sign.
std::string formatFixed4(double value);

// The value its 15-digit text denotes; Overflow when that lies beyond the double range.
std::expected<double, CalcError> roundTrip15(double value);

enum class Step { Add, Subtract, Multiply, Divide };

// Performs one arithmetic step and classifies its outcome: a non-zero value
// divided by zero is DivisionByZero; an infinite or invalid result is Overflow.
// Inline: a calculation is mostly its steps.
inline std::expected<double, CalcError> checkStep(Step step, double lhs, double rhs) {
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
