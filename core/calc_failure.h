// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number_text.h"

#include <string>
#include <vector>

namespace evdrive {

// What made a calculation stop, in the user's terms.
enum class FailureCause {
    EmptyField,        // a field holds nothing but blanks
    NotANumber,        // a field holds text that is not a number
    FullWidthDigits,   // not a number either, for its digits are full-width ("１２")
    NumberBeyondRange, // a field holds a number beyond the double range
    ZeroDivisor,       // a non-zero value divided by a zero one
    InvalidStep,       // zero divided by zero, or another step without a value
    ResultBeyondRange, // an intermediate result beyond the double range
    // The grade formula's sine of the slope angle, dynamic factor minus rolling
    // coefficient, is not strictly between -1 and 1: no such slope exists.
    SineBeyondOne,
};

// Why a calculation over the texts of Inputs stopped: the kind of failure,
// its cause and the inputs to blame, in field order. For a text that does not
// convert that is its field; for a zero divisor, the inputs the divisor was
// computed from; for a result beyond the range, the inputs of its step.
template <class Inputs>
struct CalcFailure {
    CalcError kind;
    FailureCause cause;
    std::vector<std::string Inputs::*> inputs;

    bool operator==(const CalcFailure&) const = default;
};

} // namespace evdrive
