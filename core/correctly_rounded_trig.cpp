// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/correctly_rounded_trig.h"

#include "core/double_double.h"
#include "core/trig_constants.h"
#include "core/wide_fixed.h"

#include <cmath>
#include <cstdint>

namespace evdrive {
namespace {

using dd::DoubleDouble;
using namespace trig_constants;

// Relative error bounds of the double-double evaluations below, each derived
// beside its function at 2^-80 and taken sixteen times larger; the margin
// also covers the rounding of lo ± bound in roundedIfDecided (below 2^-103).
// Against MPFR, the largest errors met over a million arguments of the
// grade's kind were 2^-81.7 (atan) and 2^-82.4 (tan).
constexpr double atanErrorBound = 0x1p-76;
constexpr double tanErrorBound = 0x1p-76;

// Ziv's rounding test: the exact value lies in v ± bound·|v|; if both ends
// round to the same double, so does the exact value.
std::optional<double> roundedIfDecided(DoubleDouble v, double bound) {
    const double error = std::fabs(v.hi) * bound;
    const double down = v.hi + (v.lo - error);
    const double up = v.hi + (v.lo + error);
    if (down == up) {
        return down;
    }
    return std::nullopt;
}

// Below 2^-27, x − x³/3 < atan x < x lies within a third of the half ulp
// below x, and x < tan x < x + x³/2 within half the half ulp above: both
// round to x. Above 2^60, π/2 − 2^-60 < atan x < π/2, and π/2 lies 0.55 of a
// half ulp above its nearest double: atan x rounds to that double.
constexpr double tiny = 0x1p-27;
constexpr double huge = 0x1p60;

std::optional<double> atanWithoutEvaluation(double x) {
    const double a = std::fabs(x);
    if (a < tiny) {
        return x;
    }
    if (!(a <= huge)) {
        return std::isnan(x) ? x : std::copysign(halfPiParts[0], x);
    }
    return std::nullopt;
}

std::optional<double> tanWithoutEvaluation(double x) {
    if (std::fabs(x) < tiny) {
        return x;
    }
    if (!std::isfinite(x)) {
        return x - x; // NaN
    }
    return std::nullopt;
}

// Both ways are computed and one is chosen, without a branch to mispredict.
DoubleDouble select(bool first, DoubleDouble a, DoubleDouble b) {
    return {first ? a.hi : b.hi, first ? a.lo : b.lo};
}

// large + small where |large.hi| ≥ |small.hi| or large is 0: one operation
// shorter than a sum of any two.
DoubleDouble sumWithSmaller(DoubleDouble large, DoubleDouble small) {
    DoubleDouble sum = dd::fastTwoSum(large.hi, small.hi);
    sum.lo += large.lo + small.lo;
    return dd::fastTwoSum(sum.hi, sum.lo);
}

// x + s·x³/3 + x⁵·higherTerms(x²) for |x| ≤ 2^-7 and s = ±1, the series of
// atan and tan: x³/3 in double-double within 2^-103 of itself, so within
// 2^-117·|x|; the rest, below 2^-30·|x|, in double within 6·2^-53 of itself,
// 2^-80.4·|x|. The products start from x.hi alone, so that they run beside
// the division that gives x.lo (up to 2^-50·|x.hi| there), which is added in
// where it counts. x³/3 comes from the product q of x³ by the double nearest
// to 1/3: x³ − 2q and then x³ − 3q are exact (Sterbenz).
template <int sign, class HigherTerms>
DoubleDouble oddSeries(DoubleDouble x, HigherTerms higherTerms) {
    DoubleDouble z = dd::twoProduct(x.hi, x.hi);
    DoubleDouble cube = dd::twoProduct(x.hi, z.hi);
    z.lo += 2 * x.hi * x.lo;
    cube.lo += x.hi * z.lo + x.lo * z.hi;
    constexpr double nearThird = 1.0 / 3;
    const double q = cube.hi * nearThird;
    const double remainder = (cube.hi - 2 * q) - q;
    const double cubeThirdLo = (remainder + cube.lo) * nearThird;
    DoubleDouble sum = dd::fastTwoSum(x.hi, sign * q);
    const double fifth = (cube.hi + cube.lo) * (z.hi + z.lo);
    sum.lo += x.lo + sign * cubeThirdLo + fifth * higherTerms(z.hi);
    return sum;
}

// atan a for 2^-27 ≤ a ≤ 2^60. With u = a, or 1/a above 1 where
// atan a = π/2 − atan(1/a), and c the multiple of 1/64 nearest to u,
// atan u = atan c + atan v for v = (u − c)/(1 + u·c), |v| ≤ 2^-7, and
// atan v = v − v³/3 + v⁵/5 − … . Errors relative to the result, which is at
// least |v|: v within 2^-101 (u − c and 1 − c·a exact, the rest in
// double-double); the series within 2^-80.4 (oddSeries); the first term left
// out, v¹³/13, below 2^-87; the table and the sums within 2^-104. In all,
// below 2^-80.
DoubleDouble atanDoubleDouble(double a) {
    const bool reflected = a > 1;
    const int i = static_cast<int>((reflected ? 64 / a : a * 64) + 0.5);
    const double c = i * 0x1p-6;
    const DoubleDouble ca = dd::twoProduct(c, a);
    // Above 1, v = (1 − c·a)/(a + c): 1 − ca.hi is exact, ca.hi lying within
    // [2/3, 2]. Below, a − c is exact (Sterbenz), a lying within 1/128 of
    // c ≥ 1/64.
    DoubleDouble onePlusCa = dd::fastTwoSum(1, ca.hi);
    onePlusCa.lo += ca.lo;
    const DoubleDouble numerator =
        select(reflected, dd::twoSum(1 - ca.hi, -ca.lo), DoubleDouble{a - c, 0});
    const DoubleDouble denominator = select(reflected, dd::twoSum(a, c), onePlusCa);
    const DoubleDouble atanV = oddSeries<-1>(numerator / denominator, [](double z) {
        return 1.0 / 5 - z * (1.0 / 7 - z * (1.0 / 9 - z * (1.0 / 11)));
    });
    // The table's value is 0 or at least twice |atan v|.
    return sumWithSmaller(select(reflected, atanComplementOfSixtyFourths[i], atanOfSixtyFourths[i]),
                          select(reflected, -atanV, atanV));
}

// tan a for 2^-27 ≤ a ≤ 2.35, below 3π/4: the nearest multiple of π/2 is 0
// or π/2, and tan a = tan r or −1/tan r for r = a − π/2 (|r| ≥ 2^-54 for a
// double). With c the multiple of 1/64 nearest to r and d = r − c,
// tan r = (tan c + tan d)/(1 − tan c·tan d), and tan d = d + d³/3 + 2d⁵/15
// + … . Errors relative to the result: r within 2^-106; the series within
// 2^-80.4·|d| (oddSeries); the first term left out below 2^-92·|d|; the sum,
// product and quotient in double-double within 2^-100. The result,
// tan c + tan d over a denominator within 1 ± 2^-6.9, is at least 0.99·|d|.
// In all, below 2^-80.
constexpr double fastTanLimit = 2.35;

DoubleDouble tanDoubleDouble(double a) {
    const bool cotangent = a > halfPiParts[0] / 2;
    // a − π/2 exactly to the third part: Sterbenz for the first.
    DoubleDouble reduced = dd::twoSum(a - halfPiParts[0], -halfPiParts[1]);
    reduced = dd::twoSum(reduced.hi, reduced.lo - halfPiParts[2]);
    const DoubleDouble r = select(cotangent, reduced, DoubleDouble{a, 0});
    const int i = static_cast<int>(std::fabs(r.hi) * 64 + 0.5);
    const double c = std::copysign(i * 0x1p-6, r.hi);
    const DoubleDouble tanD = oddSeries<1>(dd::twoSum(r.hi - c, r.lo), [](double z) {
        return 2.0 / 15 + z * (17.0 / 315 + z * (62.0 / 2835 + z * (1382.0 / 155925)));
    });
    const DoubleDouble tanC = select(r.hi < 0, -tanOfSixtyFourths[i], tanOfSixtyFourths[i]);
    // tan c is 0 or at least twice |tan d|, and |tan c·tan d| < 2^-6.9.
    const DoubleDouble numerator = sumWithSmaller(tanC, tanD);
    const DoubleDouble product = tanC * tanD;
    DoubleDouble denominator = dd::fastTwoSum(1, -product.hi);
    denominator.lo -= product.lo;
    return select(cotangent, -denominator, numerator) / select(cotangent, numerator, denominator);
}

// The accurate evaluations, in WideFixed. Each operation truncates within
// 2^-288; a few hundred of them keep the result within 2^-270 absolutely, so
// within 2^-200 relatively (atan: results above 2^-27; tan: the reduced
// argument above 2^-62, the least distance of a double from a multiple of
// π/2). The hardest doubles found for such functions lie around 2^-120
// relatively from a rounding boundary: far more than enough.

constexpr WideFixed one{WideFixed::Words{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}};

// 1/d for 1 ≤ d < 2 by Newton's iteration from the double's reciprocal:
// 2^-52, 2^-104, 2^-208, then within the 2^-288 of the format.
WideFixed reciprocal(const WideFixed& d) {
    WideFixed r = WideFixed::fromDouble(1 / d.rounded(0));
    for (int step = 0; step < 3; ++step) {
        r = r + r * (one - d * r);
    }
    return r;
}

// n / d for a positive d below 2^31, the quotient below 2^31 as well.
WideFixed quotient(const WideFixed& n, const WideFixed& d) {
    const int shift = d.leadingBit();
    return (n * reciprocal(d.shifted(-shift))).shifted(-shift);
}

// atan t for |t| ≤ 0.415 by Euler's series: with y = t²/(1 + t²) ≤ 0.147,
// atan t = t/(1 + t²) · Σ bₙ, b₀ = 1, bₙ₊₁ = bₙ·y·(2n + 2)/(2n + 3).
WideFixed atanSeries(const WideFixed& t) {
    const WideFixed t2 = t * t;
    const WideFixed inverse = quotient(one, one + t2);
    const WideFixed y = t2 * inverse;
    WideFixed sum = one;
    WideFixed term = one;
    for (std::uint32_t n = 0;; ++n) {
        term = (term * y).timesSmall(2 * n + 2).dividedBySmall(2 * n + 3);
        if (term.isZero()) {
            break;
        }
        sum = sum + term;
    }
    return t * inverse * sum;
}

// x·2/π modulo 2^32, from the bits of 2/π that matter at x's exponent
// (Payne and Hanek): those that give multiples of 2^32 wrap away, those
// below 2^-288 are dropped.
WideFixed timesTwoOverPi(double x) {
    int exponent = 0;
    const auto significand =
        static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(x), &exponent), 53));
    exponent -= 53;
    WideFixed product;
    for (int j = 0; j < static_cast<int>(twoOverPiFraction.size()); ++j) {
        const int weight = exponent - 32 * (j + 1);
        product.addScaled((significand >> 32) * twoOverPiFraction[j], weight + 32);
        product.addScaled((significand & 0xFFFF'FFFF) * twoOverPiFraction[j], weight);
    }
    return x < 0 ? -product : product;
}

} // namespace

namespace trig_stages {

std::optional<double> fastAtan(double x) {
    if (const auto result = atanWithoutEvaluation(x)) {
        return result;
    }
    const DoubleDouble atanA = atanDoubleDouble(std::fabs(x));
    return roundedIfDecided(x < 0 ? -atanA : atanA, atanErrorBound);
}

std::optional<double> fastTan(double x) {
    if (const auto result = tanWithoutEvaluation(x)) {
        return result;
    }
    if (std::fabs(x) > fastTanLimit) {
        return std::nullopt;
    }
    const DoubleDouble tanA = tanDoubleDouble(std::fabs(x));
    return roundedIfDecided(x < 0 ? -tanA : tanA, tanErrorBound);
}

double accurateAtan(double x) {
    if (const auto result = atanWithoutEvaluation(x)) {
        return *result;
    }
    // atan a = base + atan t with |t| ≤ tan(π/8) + 2^-53.
    const double a = std::fabs(x);
    const WideFixed halfPi = halfPiFixed;
    WideFixed base;
    WideFixed t;
    if (a <= 0.41421356237309503) {
        t = WideFixed::fromDouble(a);
    } else if (a <= 2.414213562373095) {
        base = halfPi.shifted(-1);
        const WideFixed wideA = WideFixed::fromDouble(a);
        t = quotient(wideA - one, wideA + one);
    } else {
        base = halfPi;
        int exponent = 0;
        const double scaled = 2 * std::frexp(a, &exponent); // a = scaled·2^(exponent − 1)
        t = -quotient(one, WideFixed::fromDouble(scaled)).shifted(1 - exponent);
    }
    const double result = (base + atanSeries(t)).rounded(0);
    return x < 0 ? -result : result;
}

double accurateTan(double x) {
    if (const auto result = tanWithoutEvaluation(x)) {
        return *result;
    }
    // x = (k + f)·π/2 with |f| ≤ 1/2; tan x = tan r or −1/tan r for r = f·π/2.
    const WideFixed quarterTurns = timesTwoOverPi(x);
    const std::int32_t k = quarterTurns.nearestInteger();
    const WideFixed r = (quarterTurns - WideFixed::fromDouble(k)) * halfPiFixed;
    const WideFixed r2 = r * r;
    WideFixed sine = r;
    WideFixed cosine = one;
    WideFixed sineTerm = r;
    WideFixed cosineTerm = one;
    for (std::uint32_t n = 1; !sineTerm.isZero() || !cosineTerm.isZero(); ++n) {
        sineTerm = -(sineTerm * r2).dividedBySmall((2 * n) * (2 * n + 1));
        cosineTerm = -(cosineTerm * r2).dividedBySmall((2 * n - 1) * (2 * n));
        sine = sine + sineTerm;
        cosine = cosine + cosineTerm;
    }
    const bool odd = (k & 1) != 0;
    WideFixed numerator = odd ? -cosine : sine;
    WideFixed denominator = odd ? sine : cosine;
    if (denominator.isNegative()) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const int shift = denominator.leadingBit();
    return (numerator * reciprocal(denominator.shifted(-shift))).rounded(-shift);
}

} // namespace trig_stages

double correctlyRoundedAtan(double x) {
    if (const auto result = trig_stages::fastAtan(x)) {
        return *result;
    }
    return trig_stages::accurateAtan(x);
}

double correctlyRoundedTan(double x) {
    if (const auto result = trig_stages::fastTan(x)) {
        return *result;
    }
    return trig_stages::accurateTan(x);
}

} // namespace evdrive
