// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tire_radius.h"
#include "tests/fuzz/fuzz_input.h"

using namespace evdrive;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::cutFields(fuzz::asText(data, size), 3);
    const auto radius = computeTireRadius({f[0], f[1], f[2]});
    if (!radius) {
        require(!radius.error().inputs.empty(), "every failure blames an input");
        require(radius.error().kind != CalcError::TypeMismatch || radius.error().inputs.size() == 1,
                "a text that does not convert is blamed alone");
        return 0;
    }
    require(parseStrict(*radius).has_value(), "the radius text reads back");
    const auto point = radius->find('.');
    require(point != std::string::npos && radius->size() - point == 5, "four decimals");
    return 0;
}
