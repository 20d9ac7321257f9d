// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/run/row_sinks.h"
#include "batch/run/sweep_charts.h"
#include "batch/workbook/workbook_writer.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace evdrive::batch {

// A run's rows written into the data sheet of a workbook, the header's row
// bold and frozen, and the sweeps' vehicles gathered for their charts.
// The library writes every cell with a call and a formatted print, as long as
// reading the sheet takes: in the background, on a thread of its own, the
// rows are written while the next ones are read and computed. A thread the
// system will not start leaves the writing to the run's own.
class WorkbookOutput {
  public:
    WorkbookOutput(WorkbookWriter& writer, SweepCharts& charts, bool inBackground)
        : writer_(writer)
        , charts_(charts)
        , inBackground_(inBackground) {}
    // Rows not written yet are dropped: the run has failed.
    ~WorkbookOutput();

    WorkbookOutput(const WorkbookOutput&) = delete;
    WorkbookOutput& operator=(const WorkbookOutput&) = delete;

    // The rows above the header, then the header, the row after those.
    Outcome<> writeStart(WorkbookRows& rows, std::size_t headerIndex);
    // Takes the rows; a problem in writing earlier ones comes back here.
    Outcome<> write(WorkbookRows& rows);
    // Every row given written, or the first problem in writing them.
    Outcome<> finish();

  private:
    Outcome<> writeRows(const WorkbookRows& rows, std::size_t headerIndex);
    void writeQueued();
    Outcome<> failure();

    WorkbookWriter& writer_;
    SweepCharts& charts_;
    bool inBackground_;
    std::vector<WorkbookCell> cells_;
    std::uint64_t rowsGiven_ = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<WorkbookRows> queue_;
    bool ended_ = false;
    bool abandoned_ = false;
    std::optional<Problem> failed_;
    std::exception_ptr thrown_;
    std::thread thread_;
};

} // namespace evdrive::batch
