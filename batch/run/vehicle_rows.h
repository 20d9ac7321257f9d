// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/options.h"
#include "batch/layout/table_layout.h"
#include "batch/records/record_source.h"
#include "batch/run/field_text.h"
#include "batch/run/figure_notes.h"
#include "batch/run/row_tally.h"
#include "core/drivetrain.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace evdrive::batch {

// How the table writes its cells, numbers and lines.
struct TableStyle {
    char delimiter = ',';
    std::string_view lineEnd = "\n";
    NumberStyle numbers; // in the table's fields and, for a decimal comma, in its results
};

// Writes the table's header and, for each record of the table, the rows it
// makes: the record with the --set texts in place, once for each point of
// the sweeps' grid, each with the results of its calculation.
class VehicleRows {
  public:
    VehicleRows(const TableLayout& layout, std::span<const InputOption> options, TableStyle style);

    // The points of the sweeps' grid: the rows each record makes.
    std::uint64_t gridSize() const { return gridSize_; }

    void writeHeader(std::span<const std::string> header, std::string& out) const;

    // The rows of a record for the grid points from to to (excluded).
    void writeRecord(const Record& record, std::uint64_t from, std::uint64_t to, std::string& out,
                     RowTally& tally);

    // A record as it came, a blank one or one above the header: its own
    // text, or where it has none, its cells.
    void writeAsItCame(const Record& record, std::string& out) const;

  private:
    void setGridPoint(std::uint64_t point);
    void writeRow(const Record& record, std::string& out, RowTally& tally);
    void writeAdded(const AddedCell& cell, std::string& out) const;
    void noteFailedField(const RunFailure& failure, RowTally& tally) const;

    const TableLayout& layout_;
    TableStyle style_;
    DrivetrainCells inputs_{};
    // The inputs that come from the record's cells: no option gives them.
    std::vector<std::pair<std::size_t, std::size_t>> cellOfInput_; // input, column
    std::vector<const InputOption*> sweeps_;                       // the first varies slowest
    std::vector<std::string> sweepTexts_;
    std::array<std::string, inputCount> fieldTexts_; // numbers the table writes otherwise
    std::string blamed_;
    FigureNotes notes_;
    std::uint64_t gridSize_ = 1;
    // Whether a record's own text can stand for its header columns: no
    // option puts its text in one of them, and no earlier run's result is
    // computed again in its place.
    bool echoRecords_ = true;
};

} // namespace evdrive::batch
