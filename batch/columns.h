// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/drivetrain_catalogue.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace evdrive::batch {

// A table names the inputs either by their keys, the members of
// DrivetrainInputs, or by the captions of the main window's fields.
enum class Naming { Key, Caption };

inline constexpr std::size_t inputCount = drivetrainInputCount;

// An input as a header cell or an option's NAME denotes it.
struct InputName {
    std::size_t index; // in field order
    Naming naming;
};

std::string_view inputName(std::size_t index, Naming naming);

// A column written after the inputs, and what --help says of it.
struct AddedColumn {
    std::string_view key;
    std::string_view caption;
    std::string_view unit;
    std::string_view meaning;
};

inline constexpr std::size_t addedColumnCount = drivetrainResultCount + 3;

// The columns written after the inputs, in order: the results, the kind of
// failure, its cause and the inputs to blame.
inline constexpr std::array<AddedColumn, addedColumnCount> addedColumns = [] {
    std::array<AddedColumn, addedColumnCount> columns{};
    for (std::size_t i = 0; i < drivetrainResultCount; ++i) {
        const auto& result = drivetrainResults[i];
        columns[i] = {result.key, result.caption, result.unit, result.meaning};
    }
    columns[drivetrainResultCount] = {"error", "错误", "", "the kind of failure that stopped it"};
    columns[drivetrainResultCount + 1] = {"cause", "原因", "", "what made it fail (see below)"};
    columns[drivetrainResultCount + 2] = {"field", "出错参数", "",
                                          "the inputs to blame, joined by ;"};
    return columns;
}();

constexpr std::string_view columnName(const AddedColumn& column, Naming naming) {
    return naming == Naming::Key ? column.key : column.caption;
}

} // namespace evdrive::batch
