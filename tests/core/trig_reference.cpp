// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes, with GNU MPFR, what the correctly rounded arctangent and tangent are
// built and tested from:
//   evdrive_trig_reference constants > core/trig_constants.h
//   evdrive_trig_reference hard-cases > tests/core/data/hard_trig_cases.txt
// Not a test: run by hand when either file is to be made anew.

#include "core/wide_fixed.h"
#include "tests/core/mpfr_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gmp.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace evdrive::mpfr_reference;
using evdrive::WideFixed;

constexpr mpfr_prec_t wide = 2000;

// v as hi + lo, each the double nearest to what is left.
std::string doubleDoubleText(mpfr_ptr v) {
    Real rest(wide);
    mpfr_set(rest, v, MPFR_RNDN);
    const double hi = mpfr_get_d(rest, MPFR_RNDN);
    mpfr_sub_d(rest, rest, hi, MPFR_RNDN);
    const double lo = mpfr_get_d(rest, MPFR_RNDN);
    return "{" + hexText(hi) + ", " + hexText(lo) + "}";
}

// floor(v·2^(32·fractionWords)) in 32-bit words, most significant first.
void printWords(mpfr_ptr v, int fractionWords, int words) {
    Real scaled(wide);
    mpfr_mul_2si(scaled, v, 32 * fractionWords, MPFR_RNDN);
    mpz_t integer;
    mpz_init(integer);
    mpfr_get_z(integer, scaled, MPFR_RNDD);
    for (int i = words - 1; i >= 0; --i) {
        mpz_t word;
        mpz_init(word);
        mpz_fdiv_q_2exp(word, integer, 32 * static_cast<mp_bitcnt_t>(i));
        mpz_fdiv_r_2exp(word, word, 32);
        std::printf("%s0x%08lX,", (words - 1 - i) % 6 == 0 ? "\n    " : " ", mpz_get_ui(word));
        mpz_clear(word);
    }
    mpz_clear(integer);
    std::printf("\n");
}

void printConstants() {
    Real halfPi(wide);
    mpfr_const_pi(halfPi, MPFR_RNDN);
    mpfr_div_2ui(halfPi, halfPi, 1, MPFR_RNDN);

    // REUSE-IgnoreStart
    std::printf("// SPDX-FileCopyrightText: 2026 evdrive developers\n"
                "// SPDX-License-Identifier: GPL-3.0-or-later\n\n"
                "// Generated with GNU MPFR by `evdrive_trig_reference constants`\n"
                "// (tests/core/trig_reference.cpp); core.trig_constants_are_generated checks\n"
                "// them.\n\n"
                "#pragma once\n\n"
                "#include \"core/double_double.h\"\n"
                "#include \"core/wide_fixed.h\"\n\n"
                "#include <array>\n#include <cstdint>\n\n"
                "// clang-format off\n"
                "namespace evdrive::trig_constants {\n\n");
    // REUSE-IgnoreEnd

    Real rest(wide);
    mpfr_set(rest, halfPi, MPFR_RNDN);
    std::printf("// π/2 as the sum of three doubles, each the one nearest to what is left.\n"
                "inline constexpr std::array<double, 3> halfPiParts = {");
    for (int i = 0; i < 3; ++i) {
        const double part = mpfr_get_d(rest, MPFR_RNDN);
        mpfr_sub_d(rest, rest, part, MPFR_RNDN);
        std::printf("%s%s", i == 0 ? "" : ", ", hexText(part).c_str());
    }
    std::printf("};\n\n");

    Real value(wide);
    std::printf("// atan(i/64), i = 0 … 64.\n"
                "inline constexpr std::array<dd::DoubleDouble, 65> atanOfSixtyFourths = {{\n");
    for (int i = 0; i <= 64; ++i) {
        mpfr_set_ui(value, i, MPFR_RNDN);
        mpfr_div_2ui(value, value, 6, MPFR_RNDN);
        mpfr_atan(value, value, MPFR_RNDN);
        std::printf("    %s,\n", doubleDoubleText(value).c_str());
    }
    std::printf("}};\n\n");

    std::printf("// π/2 − atan(i/64), i = 0 … 64.\n"
                "inline constexpr std::array<dd::DoubleDouble, 65> atanComplementOfSixtyFourths = "
                "{{\n");
    for (int i = 0; i <= 64; ++i) {
        mpfr_set_ui(value, i, MPFR_RNDN);
        mpfr_div_2ui(value, value, 6, MPFR_RNDN);
        mpfr_atan(value, value, MPFR_RNDN);
        mpfr_sub(value, halfPi, value, MPFR_RNDN);
        std::printf("    %s,\n", doubleDoubleText(value).c_str());
    }
    std::printf("}};\n\n");

    std::printf("// tan(i/64), i = 0 … 51: up to just past π/4.\n"
                "inline constexpr std::array<dd::DoubleDouble, 52> tanOfSixtyFourths = {{\n");
    for (int i = 0; i <= 51; ++i) {
        mpfr_set_ui(value, i, MPFR_RNDN);
        mpfr_div_2ui(value, value, 6, MPFR_RNDN);
        mpfr_tan(value, value, MPFR_RNDN);
        std::printf("    %s,\n", doubleDoubleText(value).c_str());
    }
    std::printf("}};\n\n");

    std::printf("// π/2 in WideFixed, truncated.\n"
                "inline constexpr WideFixed halfPiFixed{WideFixed::Words{");
    printWords(halfPi, WideFixed::fractionWords, WideFixed::wordCount);
    std::printf("}};\n\n");

    Real twoOverPi(wide);
    mpfr_ui_div(twoOverPi, 1, halfPi, MPFR_RNDN);
    std::printf("// The first 1536 fraction bits of 2/π, truncated: enough to reduce any\n"
                "// double modulo π/2 to 288 bits.\n"
                "inline constexpr std::array<std::uint32_t, 48> twoOverPiFraction = {");
    printWords(twoOverPi, 48, 48);
    std::printf("};\n\n} // namespace evdrive::trig_constants\n// clang-format on\n");
}

// The search for arguments whose exact result lies within 2^-28 of an ulp of
// the midpoint between two doubles, where a fast evaluation cannot round
// without a stronger one. Along the consecutive doubles x₀ + k·u of one
// binade, f(x₀ + k·u)/U (U the result's ulp) is a quadratic in k to within
// 2^-40 for the k scanned: its fraction is followed by two additions in
// 128-bit fixed point, and each candidate is confirmed by MPFR.
__extension__ using Fraction = unsigned __int128;

constexpr mpfr_prec_t searchPrecision = 320;
constexpr int closenessExponent = -28;

// The fraction of v, in units of 2^-128.
Fraction fractionOf(mpfr_ptr v) {
    Real scaled(searchPrecision);
    mpfr_frac(scaled, v, MPFR_RNDN);
    if (mpfr_sgn(scaled.get()) < 0) {
        mpfr_add_ui(scaled, scaled, 1, MPFR_RNDN);
    }
    mpfr_mul_2ui(scaled, scaled, 128, MPFR_RNDN);
    mpz_t integer;
    mpz_init(integer);
    mpfr_get_z(integer, scaled, MPFR_RNDN);
    Fraction result = 0;
    for (int i = 3; i >= 0; --i) {
        mpz_t word;
        mpz_init(word);
        mpz_fdiv_q_2exp(word, integer, 32 * static_cast<mp_bitcnt_t>(i));
        mpz_fdiv_r_2exp(word, word, 32);
        result = result << 32 | mpz_get_ui(word);
        mpz_clear(word);
    }
    mpz_clear(integer);
    return result;
}

void evaluate(Function f, mpfr_ptr result, mpfr_ptr argument) {
    if (f == Function::Atan) {
        mpfr_atan(result, argument, MPFR_RNDN);
    } else {
        mpfr_tan(result, argument, MPFR_RNDN);
    }
}

// log2 of the distance, in ulps of the result, of f(x) from the nearest
// midpoint between doubles.
double midpointCloseness(Function f, double x) {
    Real argument(53);
    Real value(searchPrecision);
    mpfr_set_d(argument, x, MPFR_RNDN);
    evaluate(f, value, argument);
    const long exponent = mpfr_get_exp(value.get()); // |value| in [2^(e-1), 2^e)
    mpfr_mul_2si(value, value, 53 - exponent, MPFR_RNDN);
    mpfr_sub_d(value, value, 0.5, MPFR_RNDN);
    Real nearest(searchPrecision);
    mpfr_rint(nearest, value, MPFR_RNDN);
    mpfr_sub(value, value, nearest, MPFR_RNDN);
    return std::log2(std::fabs(mpfr_get_d(value, MPFR_RNDN)));
}

struct Case {
    double argument;
    double closeness;
};

// Scans up to 2^22 doubles from x0 > 0 upwards within x0's binade and the
// result's; adds those closer than 2^closenessExponent ulps to a midpoint.
void scanFrom(Function f, double x0, std::vector<Case>& found) {
    Real x(searchPrecision);
    Real y(searchPrecision);
    Real d1(searchPrecision);
    Real d2(searchPrecision);
    Real d3(searchPrecision);
    Real t(searchPrecision);
    mpfr_set_d(x, x0, MPFR_RNDN);
    evaluate(f, y, x);
    // The first derivative, half the second and a sixth of the third at x0.
    if (f == Function::Atan) {
        Real s(searchPrecision); // 1 + x²
        mpfr_sqr(s, x, MPFR_RNDN);
        mpfr_add_ui(s, s, 1, MPFR_RNDN);
        mpfr_ui_div(d1, 1, s, MPFR_RNDN);
        mpfr_sqr(d2, d1, MPFR_RNDN);
        mpfr_mul(d2, d2, x, MPFR_RNDN);
        mpfr_neg(d2, d2, MPFR_RNDN);
        mpfr_sqr(t, x, MPFR_RNDN);
        mpfr_mul_ui(t, t, 3, MPFR_RNDN);
        mpfr_sub_ui(t, t, 1, MPFR_RNDN);
        mpfr_pow_ui(d3, d1, 3, MPFR_RNDN);
        mpfr_mul(d3, d3, t, MPFR_RNDN);
        mpfr_div_ui(d3, d3, 3, MPFR_RNDN);
    } else {
        mpfr_sqr(d1, y, MPFR_RNDN);
        mpfr_add_ui(d1, d1, 1, MPFR_RNDN);
        mpfr_mul(d2, d1, y, MPFR_RNDN);
        mpfr_sqr(t, y, MPFR_RNDN);
        mpfr_mul_ui(t, t, 3, MPFR_RNDN);
        mpfr_add_ui(t, t, 1, MPFR_RNDN);
        mpfr_mul(d3, d1, t, MPFR_RNDN);
        mpfr_div_ui(d3, d3, 3, MPFR_RNDN);
    }
    int inExponent = 0;
    std::frexp(x0, &inExponent);
    const long outExponent = mpfr_get_exp(y.get());
    const int uLog = inExponent - 53;
    const double u = std::ldexp(1.0, uLog);
    const long resultUlpLog = outExponent - 53;
    // As many steps as stay in the binade of x0 with the cubic term below
    // 2^-40 ulps.
    const double cubic = std::fabs(mpfr_get_d(d3, MPFR_RNDN));
    double steps = std::min(0x1p22, (std::ldexp(1.0, inExponent) - x0) / u - 1);
    if (cubic > 0) {
        steps = std::min(
            steps, std::cbrt(std::ldexp(1.0, static_cast<int>(resultUlpLog) - 40) / cubic) / u);
    }
    const auto count = static_cast<long>(steps);
    if (count < 16) {
        return;
    }
    Real last(searchPrecision);
    mpfr_set_d(t, x0 + static_cast<double>(count) * u, MPFR_RNDN);
    evaluate(f, last, t);
    if (mpfr_get_exp(last.get()) != outExponent) {
        return;
    }
    // g(k) = y/U − 1/2 + d1·u/U·k + d2·u²/U·k², with its differences.
    Real g0(searchPrecision);
    mpfr_mul_2si(g0, y, -resultUlpLog, MPFR_RNDN);
    mpfr_sub_d(g0, g0, 0.5, MPFR_RNDN);
    Real quadratic(searchPrecision);
    mpfr_mul_2si(quadratic, d2, 2 * uLog - resultUlpLog, MPFR_RNDN);
    Real difference(searchPrecision);
    mpfr_mul_2si(difference, d1, uLog - resultUlpLog, MPFR_RNDN);
    mpfr_add(difference, difference, quadratic, MPFR_RNDN);
    mpfr_mul_2ui(quadratic, quadratic, 1, MPFR_RNDN);
    Fraction g = fractionOf(g0);
    Fraction step = fractionOf(difference);
    const Fraction change = fractionOf(quadratic);
    const Fraction window = Fraction{1} << (128 + closenessExponent + 2);
    for (long k = 0; k <= count; ++k) {
        if (g < window || g > -window) {
            const double candidate = x0 + static_cast<double>(k) * u;
            const double closeness = midpointCloseness(f, candidate);
            if (closeness < closenessExponent) {
                found.push_back({candidate, closeness});
            }
        }
        g += step;
        step += change;
    }
}

// Starting points of the grade's kind: atan of y mostly between 10^-3 and 10,
// tan of those arctangents; the rest anywhere from 2^-27 to 2^60, and to π/2.
double startingPoint(Function f, std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    const bool realistic = unit(random) < 0.7;
    const double y = realistic ? std::exp(std::log(1e-3) + unit(random) * std::log(1e4))
                               : std::exp2(-27 + unit(random) * 87);
    return f == Function::Atan ? y : std::min(std::atan(y), 1.5707963267948);
}

// Arguments at the ends of the ranges the evaluations take apart.
constexpr double edges[] = {0.0,
                            -0.0,
                            0x1p-1074,
                            0x1.fffffffffffffp-28,
                            0x1p-27,
                            0x1.0000000000001p-27,
                            0.41421356237309503,
                            1.0,
                            2.414213562373095,
                            0x1p60,
                            0x1.0000000000001p60,
                            1e300,
                            0x1.fffffffffffffp1023,
                            0x1.921fb54442d18p-1,
                            0x1.921fb54442d17p+0,
                            0x1.921fb54442d18p+0,
                            0x1.921fb54442d19p+0,
                            2.35,
                            0x1.2cccccccccccep+1,
                            3.141592653589793,
                            6381956970095103.0 * 0x1p797};

void printHardCases(int perFunction) {
    // REUSE-IgnoreStart
    std::printf("# SPDX-FileCopyrightText: 2026 evdrive developers\n"
                "# SPDX-License-Identifier: GPL-3.0-or-later\n"
                "#\n"
                "# Arguments of atan and tan with their correctly rounded results, written\n"
                "# by `evdrive_trig_reference hard-cases` (tests/core/trig_reference.cpp)\n"
                "# with GNU MPFR: the ends of the ranges the evaluations take apart, then\n"
                "# arguments whose exact result lies within 2^%d of an ulp of a midpoint\n"
                "# between two doubles (log2 of that distance after each), every second\n"
                "# one negated.\n",
                closenessExponent);
    // REUSE-IgnoreEnd
    for (const Function f : {Function::Atan, Function::Tan}) {
        for (const double x : edges) {
            std::printf("%s %s %s\n", name(f), hexText(x).c_str(),
                        hexText(correctlyRounded(f, x)).c_str());
        }
    }
    std::mt19937_64 random(20260101);
    for (const Function f : {Function::Atan, Function::Tan}) {
        std::vector<Case> found;
        while (static_cast<int>(found.size()) < perFunction) {
            scanFrom(f, startingPoint(f, random), found);
        }
        found.resize(perFunction);
        for (std::size_t i = 0; i < found.size(); ++i) {
            const double x = i % 2 == 0 ? found[i].argument : -found[i].argument;
            std::printf("%s %s %s %.1f\n", name(f), hexText(x).c_str(),
                        hexText(correctlyRounded(f, x)).c_str(), found[i].closeness);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc == 2 ? argv[1] : "";
    if (command == "constants") {
        printConstants();
        return 0;
    }
    if (command == "hard-cases") {
        printHardCases(300);
        return 0;
    }
    std::fprintf(stderr, "usage: evdrive_trig_reference constants | hard-cases\n");
    return 2;
}
