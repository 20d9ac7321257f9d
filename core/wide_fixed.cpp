// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/wide_fixed.h"

#include <bit>
#include <cmath>

namespace evdrive {
namespace {

constexpr std::uint64_t lowWord = 0xFFFF'FFFF;

} // namespace

WideFixed WideFixed::fromDouble(double x) {
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(x), &exponent);
    WideFixed result;
    result.addScaled(static_cast<std::uint64_t>(std::ldexp(mantissa, 53)), exponent - 53);
    return x < 0 ? -result : result;
}

void WideFixed::addScaled(std::uint64_t value, int exponent) {
    int shift = exponent + fractionBits;
    if (shift < 0) {
        if (shift <= -64) {
            return;
        }
        value >>= -shift;
        shift = 0;
    }
    const int first = shift / 32;
    const int offset = shift % 32;
    // value·2^offset in three words, the middle one with a carry of its own.
    const std::uint64_t low = (value & lowWord) << offset;
    const std::uint64_t high = (value >> 32) << offset;
    const std::array<std::uint64_t, 3> parts = {low & lowWord, (low >> 32) + (high & lowWord),
                                                high >> 32};
    std::uint64_t carry = 0;
    for (int i = 0; first + i < wordCount; ++i) {
        const std::uint64_t sum = words_[first + i] + carry + (i < 3 ? parts[i] : 0);
        words_[first + i] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
        if (i >= 2 && carry == 0) {
            break;
        }
    }
}

bool WideFixed::isZero() const {
    for (const std::uint32_t word : words_) {
        if (word != 0) {
            return false;
        }
    }
    return true;
}

int WideFixed::leadingBit() const {
    const WideFixed m = magnitude();
    int i = wordCount - 1;
    while (m.words_[i] == 0) {
        --i;
    }
    return 32 * i + 31 - std::countl_zero(m.words_[i]) - fractionBits;
}

std::int32_t WideFixed::nearestInteger() const {
    const std::uint32_t half = words_[fractionWords - 1] >> 31;
    return static_cast<std::int32_t>(words_[fractionWords] + half);
}

WideFixed WideFixed::shifted(int bits) const {
    WideFixed result;
    const std::uint32_t fill = isNegative() ? 0xFFFF'FFFF : 0;
    // Word i of the result takes bits from words i − bits/32 and the one below.
    const int wordShift = bits >= 0 ? bits / 32 : -((-bits + 31) / 32);
    const int bitShift = bits - 32 * wordShift; // 0 to 31
    const auto source = [&](int index) {
        if (index < 0) {
            return std::uint32_t{0};
        }
        return index < wordCount ? words_[index] : fill;
    };
    for (int i = 0; i < wordCount; ++i) {
        const std::uint64_t pair =
            (std::uint64_t{source(i - wordShift)} << 32) | source(i - wordShift - 1);
        result.words_[i] = static_cast<std::uint32_t>(pair >> (32 - bitShift));
    }
    return result;
}

WideFixed WideFixed::timesSmall(std::uint32_t factor) const {
    WideFixed result = magnitude();
    std::uint64_t carry = 0;
    for (std::uint32_t& word : result.words_) {
        const std::uint64_t product = std::uint64_t{word} * factor + carry;
        word = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    return isNegative() ? -result : result;
}

WideFixed WideFixed::dividedBySmall(std::uint32_t divisor) const {
    WideFixed result = magnitude();
    std::uint64_t remainder = 0;
    for (int i = wordCount - 1; i >= 0; --i) {
        const std::uint64_t current = (remainder << 32) | result.words_[i];
        result.words_[i] = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    return isNegative() ? -result : result;
}

bool WideFixed::bit(int index) const {
    return index >= 0 && (words_[index / 32] >> (index % 32) & 1) != 0;
}

bool WideFixed::anyBitBelow(int index) const {
    for (int i = 0; i < wordCount && 32 * i < index; ++i) {
        const int bitsHere = index - 32 * i;
        const std::uint32_t mask =
            bitsHere >= 32 ? 0xFFFF'FFFF : (std::uint32_t{1} << bitsHere) - 1;
        if ((words_[i] & mask) != 0) {
            return true;
        }
    }
    return false;
}

double WideFixed::rounded(int exponent) const {
    if (isZero()) {
        return 0;
    }
    const WideFixed m = magnitude();
    const int top = m.leadingBit() + fractionBits; // bit index of the leading one
    std::uint64_t significand = 0;
    for (int i = top; i > top - 53; --i) {
        significand = significand << 1 | (m.bit(i) ? 1 : 0);
    }
    if (m.bit(top - 53) && (m.anyBitBelow(top - 53) || (significand & 1) != 0)) {
        ++significand; // 2^53 at most: still exact in a double
    }
    const double result =
        std::ldexp(static_cast<double>(significand), top - 52 - fractionBits + exponent);
    return isNegative() ? -result : result;
}

WideFixed operator+(const WideFixed& a, const WideFixed& b) {
    WideFixed sum;
    std::uint64_t carry = 0;
    for (int i = 0; i < WideFixed::wordCount; ++i) {
        const std::uint64_t s = std::uint64_t{a.words_[i]} + b.words_[i] + carry;
        sum.words_[i] = static_cast<std::uint32_t>(s);
        carry = s >> 32;
    }
    return sum;
}

WideFixed operator-(const WideFixed& a) {
    WideFixed negated;
    std::uint64_t carry = 1;
    for (int i = 0; i < WideFixed::wordCount; ++i) {
        const std::uint64_t s = std::uint64_t{~a.words_[i]} + carry;
        negated.words_[i] = static_cast<std::uint32_t>(s);
        carry = s >> 32;
    }
    return negated;
}

WideFixed operator*(const WideFixed& a, const WideFixed& b) {
    const WideFixed x = a.magnitude();
    const WideFixed y = b.magnitude();
    constexpr int n = WideFixed::wordCount;
    std::array<std::uint32_t, 2 * n> full{};
    for (int i = 0; i < n; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < n; ++j) {
            const std::uint64_t t = std::uint64_t{x.words_[i]} * y.words_[j] + full[i + j] + carry;
            full[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        full[i + n] = static_cast<std::uint32_t>(carry);
    }
    WideFixed product;
    for (int i = 0; i < n; ++i) {
        product.words_[i] = full[i + WideFixed::fractionWords];
    }
    return a.isNegative() != b.isNegative() ? -product : product;
}

} // namespace evdrive
