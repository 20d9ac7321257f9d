// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/columns.h"

namespace evdrive::batch {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<InputName> findInput(std::string_view name) {
    name = trimBlanks(name);
    for (std::size_t i = 0; i < inputCount; ++i) {
        if (name == drivetrainInputs[i].key) {
            return InputName{i, Naming::Key};
        }
        if (name == drivetrainInputs[i].caption) {
            return InputName{i, Naming::Caption};
        }
    }
    return std::nullopt;
}

std::string_view inputName(std::size_t index, Naming naming) {
    return naming == Naming::Key ? drivetrainInputs[index].key : drivetrainInputs[index].caption;
}

} // namespace evdrive::batch
