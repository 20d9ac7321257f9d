// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/sweep_charts.h"

#include "batch/integer_text.h"
#include "batch/translation.h"
#include "core/drivetrain_catalogue.h"

#include <algorithm>

namespace evdrive::batch {
namespace {

std::size_t position(const std::vector<std::size_t>& list, std::size_t item) {
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), item) - list.begin());
}

} // namespace

SweepCharts::SweepCharts(const TableLayout& layout, std::span<const InputOption> options,
                         std::size_t headerSize, bool fromTable)
    : fromTable_(fromTable) {
    for (const InputOption& option : options) {
        if (option.sweep) {
            sweeps_.push_back(&option);
        }
    }
    if (sweeps_.empty()) {
        return;
    }
    // Where the written table has the swept input and each result.
    const std::size_t swept = sweeps_.back()->input.index;
    xColumn_ = layout.columnOfInput[swept] != TableLayout::none
                   ? layout.columnOfInput[swept]
                   : headerSize + position(layout.addedInputs, swept);
    for (std::size_t result = 0; result < drivetrainResultCount; ++result) {
        const auto inHeader =
            std::find(layout.addedOfColumn.begin(), layout.addedOfColumn.end(), result);
        resultColumns_.push_back(
            inHeader != layout.addedOfColumn.end()
                ? static_cast<std::size_t>(inHeader - layout.addedOfColumn.begin())
                : headerSize + layout.addedInputs.size() +
                      position(layout.appendedColumns, result));
    }
}

void SweepCharts::add(const WorkbookRows& rows, std::uint64_t firstRow) {
    const std::uint64_t values = sweeps_.back()->sweep->count;
    const std::size_t limit = sweeps_.size() > 1 ? maxCombinedLines : maxLines;
    for (const WorkbookRows::Vehicle& vehicle : rows.vehicles()) {
        std::uint64_t row = firstRow + vehicle.row;
        for (std::uint64_t point = vehicle.from; point < vehicle.to;) {
            const std::uint64_t combination = point / values;
            const std::uint64_t end = std::min(vehicle.to, (combination + 1) * values);
            const std::uint64_t last = row + (end - point) - 1;
            // A vehicle's grid may come in parts.
            if (lineCount_ > 0 && vehicle.line == lastLine_ && combination == lastCombination_) {
                if (!series_.empty()) {
                    series_.back().lastRow = static_cast<std::uint32_t>(last);
                }
            } else if (++lineCount_ <= limit) {
                series_.push_back({lineName(rows.texts().substr(vehicle.labelAt, vehicle.labelSize),
                                            vehicle.line, combination),
                                   static_cast<std::uint32_t>(row),
                                   static_cast<std::uint32_t>(last)});
            } else {
                series_.clear();
            }
            lastLine_ = vehicle.line;
            lastCombination_ = combination;
            row = last + 1;
            point = end;
        }
    }
}

// The vehicle's name, or its row; then the other sweeps' values.
std::string SweepCharts::lineName(std::string_view label, std::size_t line,
                                  std::uint64_t combination) const {
    std::vector<std::string> parts;
    if (fromTable_) {
        parts.push_back(label.empty() ? "第 " + integerText(line) + " 行" : std::string(label));
    }
    std::vector<std::string> values;
    for (std::size_t sweep = sweeps_.size() - 1; sweep-- > 0;) {
        const Sweep& range = *sweeps_[sweep]->sweep;
        values.push_back(std::string(drivetrainInputs[sweeps_[sweep]->input.index].caption) +
                         " = " + range.text(combination % range.count));
        combination /= range.count;
    }
    parts.insert(parts.end(), values.rbegin(), values.rend());
    std::string name;
    for (const std::string& part : parts) {
        name += name.empty() ? part : "，" + part;
    }
    return name;
}

SweepCharts::Outcome SweepCharts::charts(std::string_view dataSheet) const {
    const std::size_t limit = sweeps_.size() > 1 ? maxCombinedLines : maxLines;
    if (lineCount_ > limit) {
        return {std::nullopt,
                format(sweeps_.size() > 1
                           ? tr("no charts: the sweeps make %1 lines on each, more than %2; "
                                "fewer vehicles or sweep values chart")
                           : tr("no charts: %1 vehicles make as many lines on each, more than "
                                "a chart holds (%2)"),
                       {integerText(lineCount_), integerText(limit)})};
    }
    if (series_.empty()) {
        return {};
    }
    const auto& swept = drivetrainInputs[sweeps_.back()->input.index];
    ChartSheet sheet{dataSheet == "图表" ? "图表 2" : "图表", {}};
    for (std::size_t result = 0; result < drivetrainResultCount; ++result) {
        const auto& described = drivetrainResults[result];
        const std::string yTitle = withUnit(described.caption, described.unit);
        std::vector<ChartSeries> series = series_;
        // A lone line is named by what it shows.
        if (series.size() == 1 && series.front().name.empty()) {
            series.front().name = described.caption;
        }
        sheet.charts.push_back({yTitle, withUnit(swept.caption, swept.unit), yTitle,
                                static_cast<std::uint16_t>(xColumn_),
                                static_cast<std::uint16_t>(resultColumns_[result]),
                                std::move(series)});
    }
    return {std::move(sheet), {}};
}

} // namespace evdrive::batch
