// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/run/row_sinks.h"
#include "batch/run/sweep_charts.h"
#include "batch/workbook/workbook_writer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace evdrive::batch {

// A run's rows written into the data sheet of a workbook, the header's row
// bold and frozen, and the sweeps' vehicles gathered for their charts.
class WorkbookOutput {
  public:
    WorkbookOutput(WorkbookWriter& writer, SweepCharts& charts)
        : writer_(writer)
        , charts_(charts) {}

    // The rows above the header, then the header, the row after those.
    Outcome<> writeStart(WorkbookRows& rows, std::size_t headerIndex);
    Outcome<> write(WorkbookRows& rows);

  private:
    Outcome<> writeRows(const WorkbookRows& rows, std::size_t headerIndex);

    WorkbookWriter& writer_;
    SweepCharts& charts_;
    std::vector<WorkbookCell> cells_;
    std::uint64_t rowsWritten_ = 0;
};

} // namespace evdrive::batch
