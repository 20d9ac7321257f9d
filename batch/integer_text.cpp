// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/integer_text.h"

#include <array>
#include <charconv>

namespace evdrive::batch {

std::string integerText(std::uint64_t value) {
    std::array<char, 20> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), end};
}

} // namespace evdrive::batch
