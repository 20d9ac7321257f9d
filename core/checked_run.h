#pragma once

#include "core/number_text.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace evdrive {

// Carries one calculation through its conversions and arithmetic steps.
// The first failure is kept together with the input it blames, if any; every
// later call is skipped and yields NaN, so a formula reads as a straight
// sequence of steps and its caller checks for failure once per result.
template <class Inputs>
class CheckedRun {
  public:
    using Member = std::string Inputs::*;

    explicit CheckedRun(const Inputs& inputs)
        : inputs_(inputs) {}

    bool failed() const { return error_.has_value(); }
    std::optional<CalcError> error() const { return error_; }
    // The input whose text failed to convert or whose zero value was a divisor.
    Member blamedInput() const { return blamed_; }

    double read(Member member) {
        return failed() ? skipped() : take(parseStrict(inputs_.*member), member);
    }
    double readLenient(Member member) {
        return failed() ? skipped() : take(parseLenient(inputs_.*member), member);
    }
    double round15(double value) { return failed() ? skipped() : take(roundTrip15(value)); }

    double add(double lhs, double rhs) { return step(Step::Add, lhs, rhs); }
    double subtract(double lhs, double rhs) { return step(Step::Subtract, lhs, rhs); }
    double multiply(double lhs, double rhs) { return step(Step::Multiply, lhs, rhs); }
    // divisorInput names the input the divisor was read from, to be blamed when it is zero.
    double divide(double lhs, double rhs, Member divisorInput = nullptr) {
        return step(Step::Divide, lhs, rhs, rhs == 0 ? divisorInput : nullptr);
    }

    double squareRoot(double value) {
        if (failed()) {
            return skipped();
        }
        if (value < 0) {
            return take(std::unexpected(CalcError::InvalidArgument));
        }
        return std::sqrt(value);
    }

  private:
    double step(Step kind, double lhs, double rhs, Member blamed = nullptr) {
        return failed() ? skipped() : take(checkStep(kind, lhs, rhs), blamed);
    }
    double take(std::expected<double, CalcError> outcome, Member blamed = nullptr) {
        if (outcome) {
            return *outcome;
        }
        error_ = outcome.error();
        blamed_ = blamed;
        return skipped();
    }
    static double skipped() { return std::numeric_limits<double>::quiet_NaN(); }

    const Inputs& inputs_;
    std::optional<CalcError> error_;
    Member blamed_ = nullptr;
};

} // namespace evdrive
