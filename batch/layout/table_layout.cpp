// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/layout/table_layout.h"

#include "batch/layout/input_names.h"
#include "batch/integer_text.h"

#include <algorithm>
#include <optional>

namespace evdrive::batch {

Outcome<TableLayout> layOutTable(std::span<const std::string> header,
                                 std::span<const InputOption> options, std::size_t line,
                                 std::span<const std::string> keptColumns) {
    const std::string where = "line " + integerText(line);
    TableLayout layout;
    layout.columnOfInput.fill(TableLayout::none);
    std::array<std::optional<Naming>, inputCount> namedAs{};
    std::optional<Naming> firstNaming;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const NameReading reading = readName(header[column]);
        const bool kept =
            std::find(keptColumns.begin(), keptColumns.end(), header[column]) != keptColumns.end();
        if (reading.kind == NameReading::Kind::OtherUnit ||
            (reading.kind == NameReading::Kind::NearInput && !kept)) {
            std::string what = "column " + integerText(column + 1) + " '" + header[column] + "' " +
                               nameFault(reading);
            if (reading.kind == NameReading::Kind::NearInput) {
                what += " (--keep-column '" + header[column] + "' keeps it as a column of its own)";
            }
            return problem(ExitStatus::BadInput, where, std::move(what));
        }
        if (reading.kind != NameReading::Kind::Input) {
            layout.inputOfColumn.push_back(TableLayout::none);
            continue;
        }
        const InputName* input = &reading.input;
        std::size_t& held = layout.columnOfInput[input->index];
        if (held != TableLayout::none) {
            return problem(ExitStatus::BadInput, where,
                           "columns " + integerText(held + 1) + " and " + integerText(column + 1) +
                               " both hold " + std::string(inputName(input->index, input->naming)));
        }
        held = column;
        layout.inputOfColumn.push_back(input->index);
        namedAs[input->index] = input->naming;
        if (!firstNaming) {
            firstNaming = input->naming;
        }
    }
    if (!firstNaming && options.empty()) {
        return problem(ExitStatus::BadInput, where,
                       "the header names none of the twelve inputs, and no --set or --sweep "
                       "gives one (see --help)");
    }
    for (const InputOption& option : options) {
        const std::size_t index = option.input.index;
        if (!namedAs[index]) {
            layout.addedInputs.push_back(index);
            namedAs[index] = option.input.naming;
        }
        if (!firstNaming) {
            firstNaming = option.input.naming;
        }
    }
    layout.resultNaming = firstNaming.value_or(Naming::Key);
    for (std::size_t index = 0; index < inputCount; ++index) {
        layout.naming[index] = namedAs[index].value_or(layout.resultNaming);
    }
    return layout;
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
