// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/layout/table_layout.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace evdrive::batch {

std::string TableLayout::addedName(std::size_t added) const {
    const AddedColumn& column = addedColumns[added];
    std::string name(columnName(column, resultNaming));
    if (resultNaming == Naming::Key || column.unit.empty()) {
        return name;
    }
    switch (resultUnits) {
    case UnitStyle::FullWidth:
        return name + "（" + std::string(column.unit) + "）";
    case UnitStyle::Slashed:
        return name + "/" + std::string(column.unit);
    case UnitStyle::None:
    case UnitStyle::Bracketed:
        break;
    }
    return withUnit(name, column.unit);
}

Outcome<TableLayout> layOutTable(std::span<const std::string> header,
                                 std::span<const InputOption> options, std::string_view place,
                                 std::span<const std::string> keptColumns) {
    const std::string where(place);
    TableLayout layout;
    layout.columnOfInput.fill(TableLayout::none);
    std::array<bool, addedColumns.size()> held{};
    std::optional<Naming> firstNaming;
    std::vector<NameReading> readings;
    for (const std::string& cell : header) {
        readings.push_back(readName(cell));
    }
    // An earlier run's columns are known by its results, all of them: a
    // column named "power" or "note" alone is the table's own.
    const bool earlierRun = std::all_of(
        addedColumns.begin(), addedColumns.begin() + drivetrainResultCount,
        [&](const AddedColumn& result) {
            return std::any_of(readings.begin(), readings.end(), [&](const NameReading& reading) {
                return reading.kind == NameReading::Kind::Result &&
                       &addedColumns[reading.result] == &result;
            });
        });
    // It wrote them after the table's columns: a "note" before its first
    // result, a vehicle's name perhaps, is the table's own.
    const auto firstResult =
        std::find_if(readings.begin(), readings.end(), [](const auto& reading) {
            return reading.kind == NameReading::Kind::Result &&
                   reading.result < drivetrainResultCount;
        });
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string& cell = header[column];
        NameReading& reading = readings[column];
        if (reading.kind == NameReading::Kind::Result &&
            (!earlierRun || readings.begin() + static_cast<std::ptrdiff_t>(column) < firstResult)) {
            reading.kind = NameReading::Kind::Other;
        }
        const bool kept =
            std::find(keptColumns.begin(), keptColumns.end(), cell) != keptColumns.end();
        if (reading.kind == NameReading::Kind::OtherUnit ||
            (reading.kind == NameReading::Kind::NearInput && !kept)) {
            std::string what = format(tr("column %1 '%2' %3"),
                                      {integerText(column + 1), cell, nameFault(reading)});
            if (reading.kind == NameReading::Kind::NearInput) {
                what += format(tr(" (--keep-column '%1' keeps it as a column of its own)"), {cell});
            }
            return problem(ExitStatus::BadInput, where, std::move(what));
        }
        layout.addedOfColumn.push_back(TableLayout::none);
        if (reading.kind == NameReading::Kind::Result && !held[reading.result]) {
            held[reading.result] = true;
            layout.addedOfColumn.back() = reading.result;
        }
        if (reading.kind != NameReading::Kind::Input) {
            layout.inputOfColumn.push_back(TableLayout::none);
            if (reading.kind != NameReading::Kind::Result) {
                layout.ownColumns.push_back(
                    {column, cell, otherQuantity(reading),
                     reading.otherQuantity.empty() ? TableLayout::none : reading.input.index});
            }
            continue;
        }
        const std::size_t index = reading.input.index;
        std::size_t& holder = layout.columnOfInput[index];
        if (holder != TableLayout::none) {
            return problem(ExitStatus::BadInput, where,
                           format(tr("columns %1 and %2 both hold %3"),
                                  {integerText(holder + 1), integerText(column + 1),
                                   inputName(index, reading.input.naming)}));
        }
        holder = column;
        layout.inputOfColumn.push_back(index);
        layout.inputNames[index] = cell;
        if (!firstNaming) {
            firstNaming = reading.input.naming;
        }
        if (layout.resultUnits == UnitStyle::None) {
            layout.resultUnits = reading.unitStyle;
        }
    }
    if (!firstNaming && options.empty()) {
        return problem(ExitStatus::BadInput, where,
                       std::string(tr("the header names none of the twelve inputs, and no --set "
                                      "or --sweep gives one (see --help)")));
    }
    std::array<std::optional<Naming>, inputCount> optionNaming{};
    for (const InputOption& option : options) {
        const std::size_t index = option.input.index;
        if (layout.columnOfInput[index] == TableLayout::none) {
            layout.addedInputs.push_back(index);
        }
        optionNaming[index] = option.input.naming;
        if (!firstNaming) {
            firstNaming = option.input.naming;
        }
    }
    layout.resultNaming = firstNaming.value_or(Naming::Key);
    for (std::size_t index = 0; index < inputCount; ++index) {
        if (layout.columnOfInput[index] == TableLayout::none || optionNaming[index]) {
            layout.inputNames[index] =
                inputName(index, optionNaming[index].value_or(layout.resultNaming));
        }
    }
    for (std::size_t added = 0; added < addedColumns.size(); ++added) {
        if (!held[added]) {
            layout.appendedColumns.push_back(added);
        }
    }
    return layout;
}

bool namesAnInput(std::string_view cell) {
    const NameReading reading = readName(cell);
    return reading.kind == NameReading::Kind::Input ||
           reading.kind == NameReading::Kind::OtherUnit ||
           reading.kind == NameReading::Kind::NearInput;
}

std::vector<std::string> optionsOnlyHeader(std::span<const InputOption> options) {
    const Naming naming = options.empty() ? Naming::Key : options.front().input.naming;
    std::vector<std::string> header;
    for (std::size_t index = 0; index < inputCount; ++index) {
        header.emplace_back(inputName(index, naming));
    }
    return header;
}

} // namespace evdrive::batch
