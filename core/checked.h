// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"
#include "core/number_text.h"
#include "core/quantity.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace evdrive {

class CheckedSteps;

// A double of a checked calculation, together with the inputs it was computed
// from. Each arithmetic operator is one rounded double operation followed by
// checkStep, so a formula reads as its arithmetic; after the calculation's
// first failure every operation is skipped and yields NaN. A plain double
// converts to a constant that derives from no input.
class Checked {
  public:
    Checked(double constant)
        : value_(constant) {}

    double value() const { return value_; }

    // Exact, so not a step that can fail.
    Checked operator-() const { return {-value_, inputs_}; }

    friend Checked operator+(Checked lhs, Checked rhs) { return step(Step::Add, lhs, rhs); }
    friend Checked operator-(Checked lhs, Checked rhs) { return step(Step::Subtract, lhs, rhs); }
    friend Checked operator*(Checked lhs, Checked rhs) { return step(Step::Multiply, lhs, rhs); }
    friend Checked operator/(Checked lhs, Checked rhs) { return step(Step::Divide, lhs, rhs); }

    // Defined for every finite argument, with a finite result; correctly
    // rounded (core/correctly_rounded_trig.h), the same on every platform.
    friend Checked atan(Checked x);
    friend Checked tan(Checked x);

  private:
    friend class CheckedSteps;

    Checked(double value, std::uint32_t inputs)
        : value_(value)
        , inputs_(inputs) {}

    static Checked step(Step kind, Checked lhs, Checked rhs);

    double value_;
    std::uint32_t inputs_ = 0; // bit i: the input i in field order
};

// The state of one calculation: its first failure, if any. Its steps take the
// texts of the inputs by their place in field order; CheckedRun below names
// them by member.
class CheckedSteps {
  public:
    CheckedSteps()
        : outer_(active_) {
        active_ = this;
    }
    ~CheckedSteps() { active_ = outer_; }
    CheckedSteps(const CheckedSteps&) = delete;
    CheckedSteps& operator=(const CheckedSteps&) = delete;

    bool failed() const { return failure_.has_value(); }
    const std::optional<RunFailure>& failure() const { return failure_; }

    // A constant of this calculation, for a step between two constants
    // (1 / 3600 is computed, and checked, as a step of its own).
    Checked constant(double value) { return {value, 0}; }

    // The value rounded to the 15 significant digits of its text form.
    Checked round15(Checked value);

    // x / √(1 + x·(−x)), the tangent of the angle whose sine is x, in those
    // steps. Whichever of them fails, it does so because |x| ≥ 1.
    Checked tangentFromSine(Checked sine);

  protected:
    // Inline, as the steps are.
    Checked readStrict(std::string_view text, std::size_t input) {
        if (failed()) {
            return skipped();
        }
        const auto value = parseStrict(text);
        const std::uint32_t bit = std::uint32_t{1} << input;
        if (!value) {
            return unreadable(text, bit, value.error());
        }
        return {*value, bit};
    }
    Checked readLenient(std::string_view text, std::size_t input);

  private:
    friend class Checked;

    // Inline, for a formula runs mostly through steps that succeed.
    Checked step(Step kind, Checked lhs, Checked rhs) {
        if (failed()) {
            return skipped();
        }
        const auto outcome = checkStep(kind, lhs.value_, rhs.value_);
        return outcome ? Checked{*outcome, lhs.inputs_ | rhs.inputs_}
                       : failedStep(kind, lhs, rhs, outcome.error());
    }
    Checked failedStep(Step kind, Checked lhs, Checked rhs, CalcError error);
    Checked unreadable(std::string_view text, std::uint32_t bit, CalcError error);
    Checked fail(CalcError kind, FailureCause cause, std::uint32_t inputs);
    Checked skipped();

    // The calculation the arithmetic of Checked values on this thread belongs to.
    static inline thread_local CheckedSteps* active_ = nullptr;
    CheckedSteps* outer_;
    std::optional<RunFailure> failure_;
};

inline Checked Checked::step(Step kind, Checked lhs, Checked rhs) {
    return CheckedSteps::active_->step(kind, lhs, rhs);
}

// A calculation over the texts of the inputs that catalogue lists, held in
// field order; the formula reads them by member.
template <const auto& catalogue>
class CheckedRun : public CheckedSteps {
  public:
    using Texts = std::span<const std::string_view, catalogue.size()>;

    explicit CheckedRun(Texts texts)
        : texts_(texts) {
        read_.fill(std::numeric_limits<double>::quiet_NaN());
    }

    template <auto member>
    Checked read() {
        constexpr std::size_t index = indexOf(member);
        const Checked value = readStrict(texts_[index], index);
        read_[index] = value.value();
        return value;
    }
    template <auto member>
    Checked readLenient() {
        constexpr std::size_t index = indexOf(member);
        return CheckedSteps::readLenient(texts_[index], index);
    }

    // The number each field was read as, in field order; NaN for a field the
    // calculation did not read, or that is no number.
    const std::array<double, catalogue.size()>& readValues() const { return read_; }

  private:
    static constexpr std::size_t indexOf(auto member) {
        std::size_t index = 0;
        while (catalogue[index].member != member) {
            ++index;
        }
        return index;
    }

    Texts texts_;
    std::array<double, catalogue.size()> read_;
};

} // namespace evdrive
