// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/options.h"
#include "batch/layout/table_layout.h"
#include "batch/records/record_source.h"
#include "batch/run/field_text.h"
#include "batch/run/figure_notes.h"
#include "batch/run/row_sinks.h"
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

// Writes the table's header and, for each record of the table, the rows it
// makes: the record with the --set texts in place, once for each point of
// the sweeps' grid, each with the results of its calculation; into Rows, a
// CSV table's text or a workbook's cells.
template <class Rows>
class VehicleRows {
  public:
    // In a comma-separated table a comma in a field is no decimal comma.
    VehicleRows(const TableLayout& layout, std::span<const InputOption> options,
                NumberStyle numbers, bool commaDelimited);

    // The points of the sweeps' grid: the rows each record makes.
    std::uint64_t gridSize() const { return gridSize_; }

    void writeHeader(std::span<const std::string> header, Rows& rows) const;

    // The rows of a record for the grid points from to to (excluded).
    void writeRecord(const Record& record, std::uint64_t from, std::uint64_t to, Rows& rows,
                     RowTally& tally);

  private:
    void setGridPoint(std::uint64_t point);
    void writeRow(const Record& record, Rows& rows, RowTally& tally);
    void writeAdded(const AddedCell& cell, Rows& rows) const;
    void noteFailedField(const RunFailure& failure, RowTally& tally) const;
    bool blamesUncomputedFormula(const RunFailure& failure) const;
    // What is wrong, in the window's words, for the cells to blame.
    void describe(const RunFailure& failure, bool uncomputed);

    const TableLayout& layout_;
    NumberStyle numbers_;
    DrivetrainCells inputs_{};
    std::array<CellKind, inputCount> inputKinds_{}; // as the record's cells hold them
    // The inputs that come from the record's cells: no option gives them.
    std::vector<std::pair<std::size_t, std::size_t>> cellOfInput_; // input, column
    std::array<bool, inputCount> fromRecord_{};
    std::vector<const InputOption*> sweeps_; // the first varies slowest
    std::vector<std::string> sweepTexts_;
    std::array<std::string, inputCount> fieldTexts_; // numbers the table writes otherwise
    std::string blamed_;
    std::uint32_t blamedInputs_ = 0;
    std::string failureMessage_;
    FigureNotes notes_;
    bool commaDelimited_;
    std::uint64_t gridSize_ = 1;
    // Whether a record's own text can stand for its header columns: no
    // option puts its text in one of them, and no earlier run's result is
    // computed again in its place.
    bool echoRecords_ = true;
};

} // namespace evdrive::batch
