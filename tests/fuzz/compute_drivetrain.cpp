// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drivetrain_catalogue.h"
#include "tests/fuzz/fuzz_input.h"

using namespace evdrive;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = fuzz::cutFields(fuzz::asText(data, size), drivetrainInputCount);
    DrivetrainInputs inputs;
    for (std::size_t i = 0; i < drivetrainInputCount; ++i) {
        inputs.*drivetrainInputs[i].member = fields[i];
    }
    const DrivetrainResults results = computeDrivetrain(inputs);

    require(results.motorRpmText || !results.powerText, "no power without rpm");
    require(results.powerText || !results.gradeText, "no grade without power");
    require(results.error.has_value() != results.gradeText.has_value(),
            "a run has an error or all three results");
    if (results.error) {
        const auto& error = *results.error;
        require(!error.inputs.empty(), "every failure blames an input");
        require(error.kind != CalcError::TypeMismatch || error.inputs.size() == 1,
                "a text that does not convert is blamed alone");
    }
    for (const auto& text : {results.motorRpmText, results.powerText, results.gradeText}) {
        require(!text || parseStrict(*text).has_value(), "every result text reads back");
    }
    return 0;
}
