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
    const auto strict = parseStrict(text);
    if (!strict) {
        return 0;
    }
    require(std::isfinite(*strict), "an accepted text is finite");
    const auto lenient = parseLenient(text);
    require(lenient &&
                std::bit_cast<std::uint64_t>(*lenient) == std::bit_cast<std::uint64_t>(*strict),
            "the lenient read agrees with the strict one");
    const auto rounded = roundTrip15(*strict);
    const auto reread = parseStrict(formatGeneral(*strict));
    require(rounded.has_value() == reread.has_value(), "the 15-digit text reads back");
    require(!rounded || *rounded == *reread, "the 15-digit text reads back to the rounding");
    require(parseStrict(formatFixed4(*strict)).has_value() == rounded.has_value(),
            "the four-decimal text reads back");
    return 0;
}
