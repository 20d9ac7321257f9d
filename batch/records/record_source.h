// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace evdrive::batch {

// What a cell held where the table keeps types.
enum class CellKind : std::uint8_t {
    Untyped, // a CSV cell: text, which may read as a number
    Text,
    Number,            // the shortest text that reads back as the same double
    Boolean,           // "TRUE" or "FALSE"
    Error,             // a formula's error value, "#DIV/0!"
    UncomputedFormula, // a formula the file holds no value of
};

// A row of a table as a reader gives it: views valid until the next record.
struct Record {
    std::span<const std::string_view> cells;
    std::span<const CellKind> kinds; // one for each cell; empty where every cell is text
    std::string_view raw;            // a CSV record's text, without its line end
    bool plain = false;              // raw is the cells joined by the delimiter, none quoted
    bool crlf = false;               // a CSV record ended in CRLF
    std::size_t line = 1;            // where it starts: a CSV table's line, a sheet's row

    CellKind kind(std::size_t cell) const {
        return cell < kinds.size() ? kinds[cell] : CellKind::Untyped;
    }
};

// Whether every cell is empty or blank: a row that separates, not a vehicle.
bool isBlank(const Record& record);

// Reads the records of a batch, one after another.
class RecordCursor {
  public:
    virtual ~RecordCursor() = default;

    // The next record, null at the batch's end; a malformed record is a problem.
    virtual Outcome<const Record*> next() = 0;
};

// Whole records, read from the table in one go and read out where they are
// worked on, on whichever thread.
class RecordBatch {
  public:
    virtual ~RecordBatch() = default;

    virtual std::unique_ptr<RecordCursor> records() const = 0;
};

// Where a run's records come from: a CSV table or a sheet of a workbook.
class RecordSource {
  public:
    virtual ~RecordSource() = default;

    // The next records, about size bytes of the table, or at least one
    // record; null at the table's end. A failed read ends the batches with
    // the records read whole before it.
    virtual Outcome<std::shared_ptr<const RecordBatch>> next(std::size_t size) = 0;
    // The next record in a batch of its own.
    virtual Outcome<std::shared_ptr<const RecordBatch>> nextRecord() = 0;

    // How messages name a record's place: "line 7", "row 7".
    virtual std::string place(std::size_t line) const = 0;
    // What is wrong with a record of more cells than the header: in CSV, a
    // delimiter too many, which shifts every cell after it; nothing where a
    // source has no such fault.
    virtual std::optional<std::string> beyondHeader(const Record& record,
                                                    std::size_t headerSize) const;
};

} // namespace evdrive::batch
