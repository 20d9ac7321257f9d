// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/options.h"
#include "batch/layout/table_layout.h"
#include "batch/run/row_sinks.h"
#include "batch/workbook/workbook_writer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace evdrive::batch {

// The charts of a run with sweeps: one for each result over the last sweep's
// input, a line for each vehicle and each combination of the other sweeps'
// values, gathered as the rows are written.
class SweepCharts {
  public:
    // At most this many lines on a chart when several sweeps make them, and
    // as many as a chart holds with one.
    static constexpr std::size_t maxCombinedLines = 20;
    static constexpr std::size_t maxLines = 255;

    // fromTable: the vehicles are a table's rows, not the one --set makes.
    SweepCharts(const TableLayout& layout, std::span<const InputOption> options,
                std::size_t headerSize, bool fromTable);

    bool wanted() const { return !sweeps_.empty(); }

    // The vehicles of rows, whose first row is the data sheet's row firstRow.
    void add(const WorkbookRows& rows, std::uint64_t firstRow);

    // The sheet of charts, or why there is none.
    struct Outcome {
        std::optional<ChartSheet> sheet;
        std::string notice;
    };
    Outcome charts(std::string_view dataSheet) const;

  private:
    std::string lineName(std::string_view label, std::size_t line, std::uint64_t combination) const;

    std::vector<const InputOption*> sweeps_; // the last is charted along
    std::size_t xColumn_ = 0;
    std::vector<std::size_t> resultColumns_;
    bool fromTable_;
    std::vector<ChartSeries> series_;
    std::uint64_t lineCount_ = 0;
    std::size_t lastLine_ = 0;          // the record of the last series
    std::uint64_t lastCombination_ = 0; // and the other sweeps' values there
};

} // namespace evdrive::batch
