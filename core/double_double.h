// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cfloat>

// The exact products and sums below hold only where every operation is one
// IEEE double operation rounded to nearest: no x87 registers of 64-bit
// precision, no reassociation, no multiply-add fused by the compiler (which
// would break Veltkamp's splitting; GCC fuses by default where the processor
// has FMA, even in ISO C++ mode). GCC has no way to say or to see in the
// source whether it contracts: the build gives the file that includes this
// -ffp-contract=off as its last option (core/CMakeLists.txt), and a third of
// the hard cases of the core's tests come out wrong where it contracts
// anyway.
#if defined(__FAST_MATH__) || defined(_M_FP_FAST)
#error "double-double arithmetic needs IEEE semantics: build without -ffast-math or /fp:fast"
#endif
#if defined(_M_FP_CONTRACT)
#error "double-double arithmetic needs unfused operations: build without /fp:contract"
#endif
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "double-double arithmetic needs each operation rounded to double (SSE2, not x87)"
#endif
#if defined(__clang__)
#pragma clang fp contract(off)
#endif

namespace evdrive::dd {

// The unevaluated sum hi + lo, with |lo| ≤ ulp(hi)/2 after every operation
// below but the quotient: about 106 bits. Relative errors quoted are for operands and results
// far from underflow and overflow (magnitudes between 2^-900 and 2^900).
struct DoubleDouble {
    double hi;
    double lo;
};

// a + b exactly, where a == 0 or |a| ≥ |b| (Dekker).
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly, whatever their magnitudes (Knuth).
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bPart = s - a;
    return {s, (a - (s - bPart)) + (b - bPart)};
}

// a = hi + lo with at most 26 significant bits in each (Veltkamp), so that
// any product of two halves is exact.
inline DoubleDouble split(double a) {
    constexpr double splitter = 134217729.0; // 2^27 + 1
    const double scaled = splitter * a;
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

// a · b exactly (Dekker): without a fused multiply-add, so the same bits on
// every processor.
inline DoubleDouble twoProduct(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    const double error = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {p, error};
}

inline DoubleDouble operator-(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

// Relative error below 2^-102.
inline DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    DoubleDouble p = twoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return fastTwoSum(p.hi, p.lo);
}

// Relative error below 2^-102: a.hi − q1·b.hi is exact (Sterbenz), and the
// remainder is divided once more by multiplication with the reciprocal. Left
// unnormalised, |lo| < 2^-50·|hi|, so that what follows may start from hi.
inline DoubleDouble operator/(DoubleDouble a, DoubleDouble b) {
    const double inverse = 1 / b.hi;
    const double q1 = a.hi * inverse;
    const DoubleDouble p = twoProduct(q1, b.hi);
    const double remainder = (((a.hi - p.hi) - p.lo) + a.lo) - q1 * b.lo;
    return {q1, remainder * inverse};
}

} // namespace evdrive::dd
