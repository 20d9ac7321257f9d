// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <mpfr.h>
#include <string>
#include <system_error>

namespace evdrive::mpfr_reference {

// An MPFR number of a given precision, freed with its scope.
class Real {
  public:
    explicit Real(mpfr_prec_t precision) { mpfr_init2(value_, precision); }
    ~Real() { mpfr_clear(value_); }
    Real(const Real&) = delete;
    Real& operator=(const Real&) = delete;
    mpfr_ptr get() { return value_; }
    operator mpfr_ptr() { return value_; }

  private:
    mpfr_t value_;
};

enum class Function { Atan, Tan };

inline const char* name(Function f) {
    return f == Function::Atan ? "atan" : "tan";
}

// f(x) correctly rounded to nearest, ties to even: MPFR rounds exactly at any
// precision, and 53 bits with the double exponent range is a double.
inline double correctlyRounded(Function f, double x) {
    Real argument(53);
    Real result(53);
    mpfr_set_d(argument, x, MPFR_RNDN);
    if (f == Function::Atan) {
        mpfr_atan(result, argument, MPFR_RNDN);
    } else {
        mpfr_tan(result, argument, MPFR_RNDN);
    }
    return mpfr_get_d(result, MPFR_RNDN);
}

// The exact C99 hexadecimal form, with its 0x: what the data files hold.
inline std::string hexText(double x) {
    char buffer[40];
    char* at = buffer;
    if (x < 0 || (x == 0 && 1 / x < 0)) {
        *at++ = '-';
        x = -x;
    }
    *at++ = '0';
    *at++ = 'x';
    const auto end = std::to_chars(at, buffer + sizeof buffer, x, std::chars_format::hex).ptr;
    return {buffer, end};
}

} // namespace evdrive::mpfr_reference
