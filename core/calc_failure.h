// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/number_text.h"
#include "core/quantity.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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

// The name of each kind of failure, as evdrive-batch writes it.
inline constexpr std::array<std::string_view, 4> calcErrorKeys = {"TypeMismatch", "DivisionByZero",
                                                                  "Overflow", "InvalidArgument"};

constexpr std::string_view errorKey(CalcError kind) {
    return calcErrorKeys[static_cast<std::size_t>(kind)];
}

// Each cause with a key that stays the same from release to release, as
// evdrive-batch writes it, and what it means in a few words.
struct CauseDescription {
    FailureCause cause;
    std::string_view key;
    std::string_view text;
};

inline constexpr std::array<CauseDescription, 8> failureCauses = {{
    {FailureCause::EmptyField, "EmptyField", "the field is empty"},
    {FailureCause::NotANumber, "NotANumber", "the field holds no number"},
    {FailureCause::FullWidthDigits, "FullWidthDigits", "the field's digits are full-width"},
    {FailureCause::NumberBeyondRange, "NumberBeyondRange",
     "the field's number is beyond the double range"},
    {FailureCause::ZeroDivisor, "ZeroDivisor", "a value divided by zero"},
    {FailureCause::InvalidStep, "InvalidStep", "zero divided by zero"},
    {FailureCause::ResultBeyondRange, "ResultBeyondRange",
     "an intermediate result beyond the double range"},
    {FailureCause::SineBeyondOne, "SineBeyondOne",
     "no slope fits: |dynamic factor - rolling coefficient| >= 1"},
}};

constexpr std::string_view causeKey(FailureCause cause) {
    return failureCauses[static_cast<std::size_t>(cause)].key;
}

// Why a calculation stopped, with the inputs to blame as a set of places in
// field order (bit i for the i-th input): what a calculation over views of its
// texts gives without allocating.
struct RunFailure {
    CalcError kind;
    FailureCause cause;
    std::uint32_t inputs;

    bool operator==(const RunFailure&) const = default;
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

// The failure with its inputs named by the members of a catalogue in field order.
template <class Inputs, std::size_t N>
CalcFailure<Inputs> describeFailure(const RunFailure& failure,
                                    const std::array<InputQuantity<Inputs>, N>& catalogue) {
    CalcFailure<Inputs> described{failure.kind, failure.cause, {}};
    for (std::size_t i = 0; i < N; ++i) {
        if (failure.inputs & (std::uint32_t{1} << i)) {
            described.inputs.push_back(catalogue[i].member);
        }
    }
    return described;
}

static_assert(
    [] {
        for (std::size_t i = 0; i < failureCauses.size(); ++i) {
            if (static_cast<std::size_t>(failureCauses[i].cause) != i) {
                return false;
            }
        }
        return true;
    }(),
    "failureCauses lists the causes in their order");

} // namespace evdrive
