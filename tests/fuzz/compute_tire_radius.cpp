// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tire_catalogue.h"
#include "tests/fuzz/fuzz_input.h"

using namespace evdrive;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = fuzz::cutFields(fuzz::asText(data, size), tireInputs.size());
    TireDesignation tire;
    for (std::size_t i = 0; i < tireInputs.size(); ++i) {
        tire.*tireInputs[i].member = fields[i];
    }
    const auto radius = computeTireRadius(tire);
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
