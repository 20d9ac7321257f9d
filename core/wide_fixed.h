// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace evdrive {

// A real number in two's complement fixed point with 32 integer bits and 288
// fraction bits: the precision the correctly rounded functions fall back on
// when double-double arithmetic cannot decide a rounding. Each operation
// truncates below 2^-288 and wraps above 2^31 (arithmetic modulo 2^32 in the
// integer part, which the argument reduction of the tangent relies on).
class WideFixed {
  public:
    static constexpr int fractionWords = 9;
    static constexpr int wordCount = fractionWords + 1;
    static constexpr int fractionBits = 32 * fractionWords;
    // Most significant first, the integer word first: as tables list them.
    using Words = std::array<std::uint32_t, wordCount>;

    constexpr WideFixed() = default;
    constexpr explicit WideFixed(const Words& mostSignificantFirst) {
        for (int i = 0; i < wordCount; ++i) {
            words_[i] = mostSignificantFirst[wordCount - 1 - i];
        }
    }

    // Exact for |x| < 2^31 whose lowest bit is not below 2^-288.
    static WideFixed fromDouble(double x);

    // Adds value·2^exponent.
    void addScaled(std::uint64_t value, int exponent);

    bool isNegative() const { return words_[wordCount - 1] >> 31 != 0; }
    bool isZero() const;
    // The e with 2^e ≤ |x| < 2^(e+1); x must not be zero.
    int leadingBit() const;
    // The integer nearest to x, halves rounded up.
    std::int32_t nearestInteger() const;

    // x·2^bits; a shift to the right rounds towards minus infinity.
    WideFixed shifted(int bits) const;
    // The magnitude times or divided by a small integer, truncated, sign kept.
    WideFixed timesSmall(std::uint32_t factor) const;
    WideFixed dividedBySmall(std::uint32_t divisor) const;

    // The double nearest to x·2^exponent, ties to even; the result must be a
    // normal double.
    double rounded(int exponent) const;

    friend WideFixed operator+(const WideFixed& a, const WideFixed& b);
    friend WideFixed operator-(const WideFixed& a);
    friend WideFixed operator-(const WideFixed& a, const WideFixed& b) { return a + -b; }
    // Truncated towards zero; the product must be below 2^31.
    friend WideFixed operator*(const WideFixed& a, const WideFixed& b);

  private:
    WideFixed magnitude() const { return isNegative() ? -*this : *this; }
    bool bit(int index) const;
    bool anyBitBelow(int index) const;

    std::array<std::uint32_t, wordCount> words_{}; // least significant first
};

} // namespace evdrive
