// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/vehicle_rows.h"

#include "batch/records/csv_text.h"
#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"

#include <algorithm>
#include <bit>

namespace evdrive::batch {
namespace {

std::string_view cellOrEmpty(std::span<const std::string_view> cells, std::size_t column) {
    return column < cells.size() ? cells[column] : std::string_view();
}

} // namespace

VehicleRows::VehicleRows(const TableLayout& layout, std::span<const InputOption> options,
                         TableStyle style)
    : layout_(layout)
    , style_(style)
    , notes_(layout.resultNaming, style.numbers.decimalComma) {
    for (const InputOption& option : options) {
        const std::size_t index = option.input.index;
        echoRecords_ = echoRecords_ && layout.columnOfInput[index] == TableLayout::none;
        if (option.sweep) {
            sweeps_.push_back(&option);
            gridSize_ *= option.sweep->count;
        } else {
            // The text outlives the rows: options live as long as the run.
            inputs_[index] = option.text;
        }
    }
    echoRecords_ =
        echoRecords_ && std::all_of(layout.addedOfColumn.begin(), layout.addedOfColumn.end(),
                                    [](std::size_t added) { return added == TableLayout::none; });
    sweepTexts_.resize(sweeps_.size());
    for (std::size_t index = 0; index < inputCount; ++index) {
        const std::size_t column = layout.columnOfInput[index];
        if (column != TableLayout::none && !givesInput(options, index)) {
            cellOfInput_.emplace_back(index, column);
        }
    }
}

void VehicleRows::writeHeader(std::span<const std::string> header, std::string& out) const {
    bool first = true;
    const auto cell = [&](std::string_view text) {
        if (!first) {
            out += style_.delimiter;
        }
        first = false;
        appendCell(out, text, style_.delimiter);
    };
    for (const std::string& name : header) {
        cell(name);
    }
    for (const std::size_t index : layout_.addedInputs) {
        cell(layout_.inputNames[index]);
    }
    for (const std::size_t added : layout_.appendedColumns) {
        cell(layout_.addedName(added));
    }
    out += style_.lineEnd;
}

void VehicleRows::writeAsItCame(const Record& record, std::string& out) const {
    if (record.kinds.empty()) {
        out += record.raw;
    } else {
        for (std::size_t column = 0; column < record.cells.size(); ++column) {
            if (column > 0) {
                out += style_.delimiter;
            }
            appendCell(out, record.cells[column], style_.delimiter);
        }
    }
    out += style_.lineEnd;
}

// Counts through the grid like an odometer, the last sweep fastest.
void VehicleRows::setGridPoint(std::uint64_t point) {
    for (std::size_t sweep = sweeps_.size(); sweep-- > 0;) {
        const Sweep& values = *sweeps_[sweep]->sweep;
        sweepTexts_[sweep] = values.text(point % values.count);
        if (style_.numbers.decimalComma) {
            sweepTexts_[sweep] = swapPointAndComma(sweepTexts_[sweep]);
        }
        inputs_[sweeps_[sweep]->input.index] = sweepTexts_[sweep];
        point /= values.count;
    }
}

void VehicleRows::writeRecord(const Record& record, std::uint64_t from, std::uint64_t to,
                              std::string& out, RowTally& tally) {
    for (const auto& [index, column] : cellOfInput_) {
        inputs_[index] = cellOrEmpty(record.cells, column);
    }
    for (std::uint64_t point = from; point < to; ++point) {
        if (!sweeps_.empty()) {
            setGridPoint(point);
        }
        writeRow(record, out, tally);
    }
}

void VehicleRows::writeRow(const Record& record, std::string& out, RowTally& tally) {
    const char delimiter = style_.delimiter;
    DrivetrainCells fields;
    for (std::size_t index = 0; index < inputCount; ++index) {
        fields[index] = fieldText(inputs_[index], index, style_.numbers, fieldTexts_[index]);
    }
    const DrivetrainFigures figures = computeDrivetrainFigures(fields);
    const std::string& notes = notes_.of(figures.inputs, fields);
    blamed_.clear();
    if (figures.failure) {
        const RunFailure& failure = *figures.failure;
        tally.countRow(failure.kind, record.line, !notes.empty());
        noteFailedField(failure, tally);
        for (std::size_t index = 0; index < inputCount; ++index) {
            if (failure.inputs & (std::uint32_t{1} << index)) {
                if (!blamed_.empty()) {
                    blamed_ += ';';
                }
                blamed_ += layout_.inputNames[index];
            }
        }
    } else {
        tally.countRow(std::nullopt, record.line, !notes.empty());
    }
    const RowOutcome outcome{figures, blamed_, notes};

    const std::span<const std::string_view> cells = record.cells;
    const std::size_t columns = layout_.inputOfColumn.size();
    if (echoRecords_ && record.plain) {
        out += record.raw;
        out.append(columns - std::min(columns, cells.size()), delimiter);
    } else {
        for (std::size_t column = 0; column < columns; ++column) {
            if (column > 0) {
                out += delimiter;
            }
            const std::size_t index = layout_.inputOfColumn[column];
            const std::size_t added = layout_.addedOfColumn[column];
            if (added != TableLayout::none) {
                writeAdded(addedColumns[added].cell(outcome), out);
            } else {
                appendCell(out,
                           index == TableLayout::none ? cellOrEmpty(cells, column) : inputs_[index],
                           delimiter);
            }
        }
    }
    for (const std::size_t index : layout_.addedInputs) {
        out += delimiter;
        appendCell(out, inputs_[index], delimiter);
    }
    for (const std::size_t added : layout_.appendedColumns) {
        out += delimiter;
        writeAdded(addedColumns[added].cell(outcome), out);
    }
    out += style_.lineEnd;
}

// A field that is no number may be one written in a way the options read.
void VehicleRows::noteFailedField(const RunFailure& failure, RowTally& tally) const {
    if (failure.cause != FailureCause::NotANumber) {
        return;
    }
    const std::string_view cell =
        inputs_[static_cast<std::size_t>(std::countr_zero(failure.inputs))];
    const NumberStyle& numbers = style_.numbers;
    tally.digitGroupsInFailedField =
        tally.digitGroupsInFailedField ||
        (!numbers.digitGrouping && readsWithDigitGrouping(cell, numbers.decimalComma));
    tally.decimalCommaInFailedField =
        tally.decimalCommaInFailedField ||
        (!numbers.decimalComma && style_.delimiter != ',' && holdsDecimalComma(cell));
}

void VehicleRows::writeAdded(const AddedCell& cell, std::string& out) const {
    if (!cell.number) {
        if (!cell.text.empty()) {
            appendCell(out, cell.text, style_.delimiter);
        }
        return;
    }
    NumberText number;
    const std::string_view text = formatGeneral(*cell.number, number);
    if (style_.numbers.decimalComma) {
        std::replace(number.begin(), number.begin() + text.size(), '.', ',');
        appendCell(out, text, style_.delimiter);
    } else {
        // Digits, a point, a sign and an E: never quoted.
        out += text;
    }
}

} // namespace evdrive::batch
