// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/csv_writer.h"
#include "batch/options.h"
#include "batch/table_layout.h"
#include "core/drivetrain.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// Writes the table's header and, for each record of the table, the rows it
// makes: the record with the --set texts in place, once for each point of
// the sweeps' grid, each with the results of its calculation.
class VehicleRows {
  public:
    VehicleRows(const TableLayout& layout, std::span<const InputOption> options, CsvWriter& out);

    void writeHeader(std::span<const std::string> header);
    void writeRecord(std::span<const std::string_view> cells);

  private:
    void setSweepValue(std::size_t sweep, std::uint64_t k);
    void writeRow(std::span<const std::string_view> cells);

    const TableLayout& layout_;
    std::span<const InputOption> options_;
    CsvWriter& out_;
    std::vector<const InputOption*> sweeps_; // the first varies slowest
    std::vector<std::uint64_t> position_;    // in each sweep
    DrivetrainInputs inputs_;
    std::string blamed_;
};

} // namespace evdrive::batch
