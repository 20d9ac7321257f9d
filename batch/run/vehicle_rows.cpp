// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/vehicle_rows.h"

#include "core/drivetrain_catalogue.h"
#include "core/failure_text.h"
#include "core/number_text.h"

#include <algorithm>
#include <bit>

namespace evdrive::batch {
namespace {

std::string_view cellOrEmpty(std::span<const std::string_view> cells, std::size_t column) {
    return column < cells.size() ? cells[column] : std::string_view();
}

} // namespace

template <class Rows>
VehicleRows<Rows>::VehicleRows(const TableLayout& layout, std::span<const InputOption> options,
                               NumberStyle numbers, bool commaDelimited)
    : layout_(layout)
    , numbers_(numbers)
    , notes_(layout.resultNaming, numbers.decimalComma)
    , commaDelimited_(commaDelimited) {
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
            fromRecord_[index] = true;
        }
    }
}

template <class Rows>
void VehicleRows<Rows>::writeHeader(std::span<const std::string> header, Rows& rows) const {
    for (const std::string& name : header) {
        rows.cell(name, CellKind::Text);
    }
    for (const std::size_t index : layout_.addedInputs) {
        rows.cell(layout_.inputNames[index], CellKind::Text);
    }
    for (const std::size_t added : layout_.appendedColumns) {
        rows.cell(layout_.addedName(added), CellKind::Text);
    }
    rows.endRow();
}

// Counts through the grid like an odometer, the last sweep fastest.
template <class Rows>
void VehicleRows<Rows>::setGridPoint(std::uint64_t point) {
    for (std::size_t sweep = sweeps_.size(); sweep-- > 0;) {
        const Sweep& values = *sweeps_[sweep]->sweep;
        sweepTexts_[sweep] = values.text(point % values.count);
        if (numbers_.decimalComma) {
            sweepTexts_[sweep] = swapPointAndComma(sweepTexts_[sweep]);
        }
        inputs_[sweeps_[sweep]->input.index] = sweepTexts_[sweep];
        point /= values.count;
    }
}

template <class Rows>
void VehicleRows<Rows>::writeRecord(const Record& record, std::uint64_t from, std::uint64_t to,
                                    Rows& rows, RowTally& tally) {
    for (const auto& [index, column] : cellOfInput_) {
        inputs_[index] = cellOrEmpty(record.cells, column);
        inputKinds_[index] = record.kind(column);
    }
    if (!sweeps_.empty()) {
        // Named by the table's first column of its own, a vehicle's name as a rule.
        rows.vehicle(record.line,
                     layout_.ownColumns.empty()
                         ? std::string_view()
                         : cellOrEmpty(record.cells, layout_.ownColumns.front().column),
                     from, to);
    }
    for (std::uint64_t point = from; point < to; ++point) {
        if (!sweeps_.empty()) {
            setGridPoint(point);
        }
        writeRow(record, rows, tally);
    }
}

template <class Rows>
void VehicleRows<Rows>::writeRow(const Record& record, Rows& rows, RowTally& tally) {
    DrivetrainCells fields;
    for (std::size_t index = 0; index < inputCount; ++index) {
        switch (inputKinds_[index]) {
        case CellKind::Number:
            // Stored as the number it is, whatever the table's way with text.
            fields[index] = inputs_[index];
            break;
        case CellKind::UncomputedFormula:
            // No number, whatever the formula's text, for the calculation to say so.
            fieldTexts_[index] = "=" + std::string(inputs_[index]);
            fields[index] = fieldTexts_[index];
            break;
        default:
            fields[index] = fieldText(inputs_[index], index, numbers_, fieldTexts_[index]);
        }
    }
    const DrivetrainFigures figures = computeDrivetrainFigures(fields);
    const std::string& notes = notes_.of(figures.inputs, fields);
    blamed_.clear();
    blamedInputs_ = 0;
    std::string_view cause;
    if (figures.failure) {
        const RunFailure& failure = *figures.failure;
        tally.countRow(failure.kind, record.line, !notes.empty());
        const bool uncomputed = blamesUncomputedFormula(failure);
        cause = uncomputed ? uncomputedFormulaCause : causeKey(failure.cause);
        if (uncomputed) {
            tally.uncomputedFormulaInFailedField = true;
        } else {
            noteFailedField(failure, tally);
        }
        for (std::size_t index = 0; index < inputCount; ++index) {
            if (failure.inputs & (std::uint32_t{1} << index)) {
                if (!blamed_.empty()) {
                    blamed_ += ';';
                }
                blamed_ += layout_.inputNames[index];
            }
        }
        if constexpr (Rows::marksCells) {
            describe(failure, uncomputed);
        }
    } else {
        tally.countRow(std::nullopt, record.line, !notes.empty());
    }
    const RowOutcome outcome{figures, cause, blamed_, notes};
    const auto input = [&](std::size_t index, CellKind kind) {
        rows.cell(inputs_[index], kind);
        if (blamedInputs_ & (std::uint32_t{1} << index)) {
            rows.mark(failureMessage_);
        }
    };

    const std::span<const std::string_view> cells = record.cells;
    const std::size_t columns = layout_.inputOfColumn.size();
    if (echoRecords_ && record.plain && !Rows::marksCells) {
        rows.echo(record.raw, columns - std::min(columns, cells.size()));
    } else {
        for (std::size_t column = 0; column < columns; ++column) {
            const std::size_t index = layout_.inputOfColumn[column];
            const std::size_t added = layout_.addedOfColumn[column];
            if (added != TableLayout::none) {
                writeAdded(addedColumns[added].cell(outcome), rows);
            } else if (index == TableLayout::none) {
                rows.cell(cellOrEmpty(cells, column), record.kind(column));
            } else {
                input(index, fromRecord_[index] ? record.kind(column) : CellKind::Untyped);
            }
        }
    }
    for (const std::size_t index : layout_.addedInputs) {
        input(index, CellKind::Untyped);
    }
    for (const std::size_t added : layout_.appendedColumns) {
        writeAdded(addedColumns[added].cell(outcome), rows);
    }
    rows.endRow();
}

// A field that is no number because its cell is a formula the workbook
// holds no value of.
template <class Rows>
bool VehicleRows<Rows>::blamesUncomputedFormula(const RunFailure& failure) const {
    return failure.cause == FailureCause::NotANumber &&
           inputKinds_[static_cast<std::size_t>(std::countr_zero(failure.inputs))] ==
               CellKind::UncomputedFormula;
}

// The window's message, with the fields to blame named as the window names them.
template <class Rows>
void VehicleRows<Rows>::describe(const RunFailure& failure, bool uncomputed) {
    blamedInputs_ = failure.inputs;
    std::vector<BlamedInput> blamed;
    for (std::size_t index = 0; index < inputCount; ++index) {
        if (failure.inputs & (std::uint32_t{1} << index)) {
            const auto& quantity = drivetrainInputs[index];
            blamed.push_back({std::string(quantity.caption), std::string(quantity.hint)});
        }
    }
    failureMessage_ = uncomputed ? "类型不匹配：“" + blamed.front().name +
                                       "”是公式，工作簿中没有保存它的计算结果。请先在电子表格"
                                       "程序中打开并保存该工作簿，再运行计算。"
                                 : describeFailure(failure.kind, failure.cause, blamed);
}

// A field that is no number may be one written in a way the options read.
template <class Rows>
void VehicleRows<Rows>::noteFailedField(const RunFailure& failure, RowTally& tally) const {
    if (failure.cause != FailureCause::NotANumber) {
        return;
    }
    const std::string_view cell =
        inputs_[static_cast<std::size_t>(std::countr_zero(failure.inputs))];
    tally.digitGroupsInFailedField =
        tally.digitGroupsInFailedField ||
        (!numbers_.digitGrouping && readsWithDigitGrouping(cell, numbers_.decimalComma));
    tally.decimalCommaInFailedField =
        tally.decimalCommaInFailedField ||
        (!numbers_.decimalComma && !commaDelimited_ && holdsDecimalComma(cell));
}

template <class Rows>
void VehicleRows<Rows>::writeAdded(const AddedCell& cell, Rows& rows) const {
    if (cell.number) {
        rows.number(*cell.number);
    } else {
        rows.text(cell.text);
    }
}

template class VehicleRows<CsvRows>;
template class VehicleRows<WorkbookRows>;

} // namespace evdrive::batch
