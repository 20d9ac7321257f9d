// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"

#include <span>
#include <string>
#include <string_view>

namespace evdrive {

// An input a failure blames, as the user knows it: the name of its field and
// what to type there.
struct BlamedInput {
    std::string name; // "满载总质量"
    std::string hint; // "以 kg 为单位的质量，例如 1500"
};

// The message, in Chinese, that tells the user what went wrong and what to
// fix, given the inputs the failure blames: the main window's, and the note
// of a failed row in evdrive-batch's workbooks.
std::string describeFailure(CalcError kind, FailureCause cause,
                            std::span<const BlamedInput> blamed);

// What a cause means, in the words of that message, said of one field.
std::string causeInChinese(FailureCause cause);

} // namespace evdrive
