// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/vehicle_rows.h"

#include <optional>
#include <string_view>

namespace evdrive::batch {
namespace {

std::string_view textOf(const std::optional<std::string>& result) {
    return result ? std::string_view(*result) : std::string_view();
}

std::string_view cellOrEmpty(std::span<const std::string_view> cells, std::size_t column) {
    return column < cells.size() ? cells[column] : std::string_view();
}

} // namespace

VehicleRows::VehicleRows(const TableLayout& layout, std::span<const InputOption> options,
                         CsvWriter& out)
    : layout_(layout)
    , options_(options)
    , out_(out) {
    for (const InputOption& option : options) {
        if (option.sweep) {
            sweeps_.push_back(&option);
        }
    }
    position_.resize(sweeps_.size());
}

void VehicleRows::writeHeader(std::span<const std::string> header) {
    for (const std::string& name : header) {
        out_.cell(name);
    }
    for (const std::size_t index : layout_.addedInputs) {
        out_.cell(inputName(index, layout_.naming[index]));
    }
    for (const AddedColumn& column : addedColumns) {
        out_.cell(columnName(column, layout_.resultNaming));
    }
    out_.endRow();
}

void VehicleRows::writeRecord(std::span<const std::string_view> cells) {
    for (std::size_t index = 0; index < inputCount; ++index) {
        inputs_.*drivetrainInputs[index].member = cellOrEmpty(cells, layout_.columnOfInput[index]);
    }
    for (const InputOption& option : options_) {
        if (!option.sweep) {
            inputs_.*drivetrainInputs[option.input.index].member = option.text;
        }
    }
    for (std::size_t sweep = 0; sweep < sweeps_.size(); ++sweep) {
        setSweepValue(sweep, 0);
    }
    // Counts through the grid like an odometer, the last sweep fastest.
    for (;;) {
        writeRow(cells);
        std::size_t sweep = sweeps_.size();
        while (sweep > 0 && position_[sweep - 1] + 1 == sweeps_[sweep - 1]->sweep->count) {
            --sweep;
            setSweepValue(sweep, 0);
        }
        if (sweep == 0) {
            return;
        }
        setSweepValue(sweep - 1, position_[sweep - 1] + 1);
    }
}

void VehicleRows::setSweepValue(std::size_t sweep, std::uint64_t k) {
    position_[sweep] = k;
    const InputOption& option = *sweeps_[sweep];
    inputs_.*drivetrainInputs[option.input.index].member = option.sweep->text(k);
}

void VehicleRows::writeRow(std::span<const std::string_view> cells) {
    const DrivetrainResults results = computeDrivetrain(inputs_);
    for (std::size_t column = 0; column < layout_.inputOfColumn.size(); ++column) {
        const std::size_t index = layout_.inputOfColumn[column];
        out_.cell(index == TableLayout::none ? cellOrEmpty(cells, column)
                                             : inputs_.*drivetrainInputs[index].member);
    }
    for (const std::size_t index : layout_.addedInputs) {
        out_.cell(inputs_.*drivetrainInputs[index].member);
    }
    for (const auto& result : drivetrainResults) {
        out_.cell(textOf(results.*result.member));
    }
    blamed_.clear();
    if (results.error) {
        out_.cell(errorKey(results.error->kind));
        out_.cell(causeKey(results.error->cause));
        for (const auto member : results.error->inputs) {
            if (!blamed_.empty()) {
                blamed_ += ';';
            }
            const std::size_t index = fieldIndex(member);
            blamed_ += inputName(index, layout_.naming[index]);
        }
    } else {
        out_.cell({});
        out_.cell({});
    }
    out_.cell(blamed_);
    out_.endRow();
}

} // namespace evdrive::batch
