// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/translation.h"
#include "core/drivetrain.h"
#include "core/drivetrain_catalogue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace evdrive::batch {

// A table names the inputs either by their keys, the members of
// DrivetrainInputs, or by the captions of the main window's fields.
enum class Naming { Key, Caption };

inline constexpr std::size_t inputCount = drivetrainInputCount;

// "轮胎滚动半径 (m)": a name with its unit in brackets, as a header may give it.
inline std::string withUnit(std::string_view name, std::string_view unit) {
    std::string text(name);
    if (!unit.empty()) {
        text += " (";
        text += unit;
        text += ')';
    }
    return text;
}

// An input as a header cell or an option's NAME denotes it.
struct InputName {
    std::size_t index; // in field order
    Naming naming;
};

std::string_view inputName(std::size_t index, Naming naming);

// The cause of a field that is a workbook's formula without its value.
inline constexpr std::string_view uncomputedFormulaCause = "UncomputedFormula";

// What a row's added columns are written from.
struct RowOutcome {
    const DrivetrainFigures& figures;
    std::string_view cause;  // the failure's cause key, or empty
    std::string_view blamed; // the inputs to blame as the table names them, joined by ;
    std::string_view notes;  // of figures outside the ranges of road vehicles
};

// A cell of an added column: a figure, or a text (perhaps empty).
struct AddedCell {
    std::optional<double> number;
    std::string_view text;
};

// A column written after the inputs, what --help says of it, and its cell in a row.
struct AddedColumn {
    std::string_view key;
    std::string_view caption;
    std::string_view unit;
    std::string_view meaning;
    AddedCell (*cell)(const RowOutcome&);
};

// The column of a result, as the catalogue describes it.
template <std::size_t result>
constexpr AddedColumn resultColumn() {
    const auto& described = drivetrainResults[result];
    return {described.key, described.caption, described.unit, described.meaning,
            [](const RowOutcome& row) {
                return row.figures.reached > result ? AddedCell{row.figures.values[result], {}}
                                                    : AddedCell{};
            }};
}

// The columns written after the inputs, in order: the results, the kind of
// failure, its cause, the inputs to blame and the notes on the figures.
inline constexpr std::array addedColumns = {
    resultColumn<0>(),
    resultColumn<1>(),
    resultColumn<2>(),
    AddedColumn{"error", "错误", "", translatable("the kind of failure that stopped it"),
                [](const RowOutcome& row) {
                    return AddedCell{{},
                                     row.figures.failure ? errorKey(row.figures.failure->kind)
                                                         : std::string_view()};
                }},
    AddedColumn{"cause", "原因", "", translatable("what made it fail (see below)"),
                [](const RowOutcome& row) {
                    return AddedCell{{}, row.cause};
                }},
    AddedColumn{"field", "出错参数", "", translatable("the inputs to blame, joined by ;"),
                [](const RowOutcome& row) {
                    return AddedCell{{}, row.blamed};
                }},
    AddedColumn{"note", "提示", "",
                translatable("figures unlike a road vehicle's, the likely slip"),
                [](const RowOutcome& row) {
                    return AddedCell{{}, row.notes};
                }},
};

static_assert(drivetrainResultCount == 3, "a column for each result of the calculation");

constexpr std::string_view columnName(const AddedColumn& column, Naming naming) {
    return naming == Naming::Key ? column.key : column.caption;
}

} // namespace evdrive::batch
