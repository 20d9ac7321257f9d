// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/records/csv_syntax.h"
#include "batch/text/byte_source.h"

#include <cstddef>
#include <optional>
#include <string>

namespace evdrive::batch {

// Large reads keep the cost of each call small beside the calculation.
inline constexpr std::size_t defaultReadSize = std::size_t{1} << 20;

// Whole records of a CSV table, the last one of the input perhaps without its
// line end, or cut short where it is malformed or a quoted cell never closes.
struct TableBlock {
    std::string text;
    std::size_t firstLine = 1; // the line text starts on, from 1
};

// Cuts a CSV table into blocks that end where a record ends, reading the
// input in pieces of a fixed size. Where a piece ends never matters: the
// machine keeps its state from one piece to the next, and a block grows until
// it holds a whole record, however long. A malformed record ends the blocks:
// the last one holds it up to where it goes wrong, for the reading of its
// cells to say so.
class CsvBlocks {
  public:
    CsvBlocks(ByteSource& source, char delimiter, std::size_t readSize = defaultReadSize);

    // The next block, of at least minBytes where the input has that many
    // before its end, or of one record alone; nullopt at the end of the input.
    // A failed read ends the blocks with the records read whole before it.
    Outcome<std::optional<TableBlock>> next(std::size_t minBytes);
    Outcome<std::optional<TableBlock>> nextRecord();

  private:
    Outcome<std::optional<TableBlock>> cut(std::size_t minBytes, bool oneRecord);
    bool read();
    void scan(bool oneRecord);
    void recordEnds(std::size_t end);

    ByteSource& source_;
    char delimiter_;
    std::size_t readSize_;
    std::string buffer_;
    bool ended_ = false;
    bool malformed_ = false;
    std::optional<Problem> failure_;

    // The scan over buffer_ so far: where it stopped, the machine's state
    // there, and the last record end before it with the lines up to that end.
    std::size_t scanned_ = 0;
    CsvState state_ = CsvState::CellStart;
    std::size_t lines_ = 0;
    std::size_t recordEnd_ = 0;
    std::size_t linesToRecordEnd_ = 0;
    std::size_t firstLine_ = 1;
};

} // namespace evdrive::batch
