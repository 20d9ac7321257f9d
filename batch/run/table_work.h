// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/options.h"
#include "batch/layout/table_layout.h"
#include "batch/problem.h"
#include "batch/records/kept_records.h"
#include "batch/records/record_source.h"
#include "batch/run/row_tally.h"
#include "batch/run/vehicle_rows.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace evdrive::batch {

// The rows of one stretch of the table: a batch of records, each once for
// each point of the sweeps' grid, or for a record with a large grid, part of
// its grid.
struct WorkItem {
    std::shared_ptr<const RecordBatch> batch; // null for the one record options make
    std::uint64_t gridFrom = 0;
    std::uint64_t gridTo = 0;
};

template <class Rows>
struct WorkDone {
    Rows rows;
    std::size_t lastLine = 0; // of the last record whose rows are in rows
    RowTally tally;
    std::optional<Problem> malformed; // the rows before it are in rows
};

// Cuts the table into work: batches of whole records of about as many rows
// as a batch of readSize bytes makes, and a record whose grid makes more rows
// than that in parts of its grid.
class WorkSource {
  public:
    // Without records, the table is the one record the options make.
    WorkSource(RecordSource* records, std::uint64_t gridSize, std::size_t readSize);

    // Records read ahead, to be worked on before those still to be read.
    void readFirst(const std::vector<std::shared_ptr<const KeptRecord>>& records);

    // The next item; nullopt at the end of the table.
    Outcome<std::optional<WorkItem>> next();

  private:
    RecordSource* records_;
    std::uint64_t gridSize_;
    std::uint64_t batchBytes_;
    std::deque<std::shared_ptr<const RecordBatch>> first_;
    std::shared_ptr<const RecordBatch> batch_;
    bool started_ = false;
    std::uint64_t gridNext_ = 0;
};

// What a run writes the rows of its table with.
struct RowSettings {
    TableStyle style;
    NumberStyle numbers;
    bool commaDelimited = true; // a comma in a field is then no decimal comma
};

// Makes the rows of an item into Rows; one such serves every thread of a run.
template <class Rows>
class RowWork {
  public:
    RowWork(const TableLayout& layout, std::span<const InputOption> options, RowSettings settings,
            const RecordSource* records, std::size_t headerSize);

    WorkDone<Rows> operator()(const WorkItem& item) const;

  private:
    const TableLayout& layout_;
    std::span<const InputOption> options_;
    RowSettings settings_;
    const RecordSource* records_; // null for the one record options make
    std::size_t headerSize_;
};

} // namespace evdrive::batch
