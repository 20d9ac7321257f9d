// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace evdrive {

// Where the figures of real road vehicles lie for an input, from the smallest
// to the largest, both included; and the slip of units a figure outside them
// most likely is: one that, multiplied by slipFactor, falls inside them.
struct PlausibleRange {
    double low;
    double high;
    double slipFactor = 0;             // 0 where no slip is likely
    std::string_view slip = {};        // in English, "in mm?"
    std::string_view slipChinese = {}; // "是否以毫米为单位？"
    double slipLow = low;              // the least figure, once converted, the slip explains
};

// An input of a calculation as the program knows it everywhere: in the window,
// on the command line and in the manual pages. A catalogue lists the inputs of
// one calculation in field order.
template <class Inputs>
struct InputQuantity {
    std::string Inputs::*member;
    std::string_view key;     // the member's name, "grossMass"
    std::string_view caption; // as the window names its field, "满载总质量"
    std::string_view unit;    // "kg"; empty for a ratio or a coefficient
    std::string_view hint;    // what to type there, "以 kg 为单位的质量，例如 1500"
    std::string_view example; // the typical figure the hint gives, "1500"
    std::string_view meaning; // in English, "gross mass at full load"
    // Other words engineers head such a column with, separated by '|': each
    // names this quantity and no other ("满载质量|GVW").
    std::string_view words = {};
    // Words for a quantity a column may be taken for but is not, each with
    // what it is instead, in English and in Chinese:
    // "整备质量=the curb mass=整备质量，不含载荷|…".
    std::string_view otherWords = {};
    std::optional<PlausibleRange> plausible = {};
};

// A result of a calculation, likewise.
template <class Results>
struct ResultQuantity {
    std::optional<std::string> Results::*member;
    std::string_view key;
    std::string_view caption;
    std::string_view unit;
    std::string_view name;    // in English, "power demand"
    std::string_view meaning; // in English, "power demand on level road"
};

} // namespace evdrive
