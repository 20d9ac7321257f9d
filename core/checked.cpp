// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checked.h"

#include "core/correctly_rounded_trig.h"

#include <cmath>
#include <limits>

namespace evdrive {
namespace {

// The full-width digits U+FF10 to U+FF19, which a Chinese input method types,
// are EF BC 90 to EF BC 99 in UTF-8.
bool hasFullWidthDigit(std::string_view text) {
    for (std::size_t at = text.find("\xEF\xBC");
         at != std::string_view::npos && at + 2 < text.size(); at = text.find("\xEF\xBC", at + 1)) {
        if (static_cast<unsigned char>(text[at + 2]) >= 0x90 &&
            static_cast<unsigned char>(text[at + 2]) <= 0x99) {
            return true;
        }
    }
    return false;
}

} // namespace

// Correctly rounded, so the grade is the same figure on every platform.
Checked atan(Checked x) {
    return {correctlyRoundedAtan(x.value_), x.inputs_};
}

Checked tan(Checked x) {
    return {correctlyRoundedTan(x.value_), x.inputs_};
}

Checked CheckedSteps::failedStep(Step kind, Checked lhs, Checked rhs, CalcError error) {
    // A zero divisor is to be blamed on what it was computed from. The steps
    // take finite values only, so the one step without a value is 0 / 0.
    if (error == CalcError::DivisionByZero) {
        return fail(CalcError::DivisionByZero, FailureCause::ZeroDivisor, rhs.inputs_);
    }
    if (kind == Step::Divide && rhs.value_ == 0) {
        return fail(CalcError::Overflow, FailureCause::InvalidStep, rhs.inputs_);
    }
    return fail(CalcError::Overflow, FailureCause::ResultBeyondRange, lhs.inputs_ | rhs.inputs_);
}

Checked CheckedSteps::unreadable(std::string_view text, std::uint32_t bit, CalcError error) {
    if (error == CalcError::Overflow) {
        return fail(CalcError::Overflow, FailureCause::NumberBeyondRange, bit);
    }
    const bool blank = text.find_first_not_of(" \t") == std::string_view::npos;
    return fail(CalcError::TypeMismatch,
                blank                     ? FailureCause::EmptyField
                : hasFullWidthDigit(text) ? FailureCause::FullWidthDigits
                                          : FailureCause::NotANumber,
                bit);
}

Checked CheckedSteps::readLenient(std::string_view text, std::size_t input) {
    if (failed()) {
        return skipped();
    }
    const std::uint32_t bit = 1u << input;
    const auto value = parseLenient(text);
    return value ? Checked{*value, bit} : fail(value.error(), FailureCause::NumberBeyondRange, bit);
}

Checked CheckedSteps::round15(Checked value) {
    if (failed()) {
        return skipped();
    }
    const auto rounded = roundTrip15(value.value_);
    return rounded ? Checked{*rounded, value.inputs_}
                   : fail(rounded.error(), FailureCause::ResultBeyondRange, value.inputs_);
}

Checked CheckedSteps::tangentFromSine(Checked sine) {
    if (failed()) {
        return skipped();
    }
    const Checked cosineSquared = 1 + sine * -sine;
    const Checked cosine =
        failed() || cosineSquared.value_ >= 0
            ? Checked{std::sqrt(cosineSquared.value_), cosineSquared.inputs_}
            : fail(CalcError::InvalidArgument, FailureCause::SineBeyondOne, cosineSquared.inputs_);
    const Checked tangent = sine / cosine;
    if (failed()) {
        failure_->cause = FailureCause::SineBeyondOne;
    }
    return tangent;
}

Checked CheckedSteps::fail(CalcError kind, FailureCause cause, std::uint32_t inputs) {
    failure_ = RunFailure{kind, cause, inputs};
    return skipped();
}

Checked CheckedSteps::skipped() {
    return {std::numeric_limits<double>::quiet_NaN(), 0};
}

} // namespace evdrive
