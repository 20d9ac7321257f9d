// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"
#include "tests/fuzz/fuzz_input.h"

#include <bit>
#include <cmath>

using namespace evdrive;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::asText(data, size);
    const auto lenient = parseLenient(text);
    if (!lenient) {
        require(lenient.error() == CalcError::Overflow, "the lenient read fails only by overflow");
        return 0;
    }
    require(std::isfinite(*lenient), "the lenient read is finite");
    // '#' cannot continue a number, so it never changes what is read.
    const auto extended = parseLenient(std::string(text) + "#");
    require(extended &&
                std::bit_cast<std::uint64_t>(*extended) == std::bit_cast<std::uint64_t>(*lenient),
            "the read stops at the first character that cannot continue the number");
    return 0;
}
