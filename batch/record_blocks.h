// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/byte_source.h"
#include "batch/problem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace evdrive::batch {

// Large reads keep the cost of each call small beside the calculation.
inline constexpr std::size_t defaultReadSize = std::size_t{1} << 20;

// Whole records of a table, the last one of the input perhaps without its
// line end (or, in a malformed table, with a quoted cell never closed).
struct TableBlock {
    std::string text;
    std::size_t firstLine = 1; // the line text starts on, from 1
};

// Cuts a CSV table into blocks that end where a record ends, reading the input
// in pieces of a fixed size. Where a piece ends never matters: the scan keeps
// its state (inside a quoted cell, just after a quote) from one piece to the
// next, and a block grows until it holds a whole record, however long.
class RecordBlocks {
  public:
    RecordBlocks(ByteSource& source, char delimiter, std::size_t readSize = defaultReadSize);

    // The next block, of at least minBytes where the input has that many
    // before its end, or of one record alone; nullopt at the end of the input.
    // A failed read ends the blocks with the records read whole before it.
    Outcome<std::optional<TableBlock>> next(std::size_t minBytes);
    Outcome<std::optional<TableBlock>> nextRecord();

  private:
    enum class State { CellStart, Plain, Quoted, QuoteInQuoted };

    Outcome<std::optional<TableBlock>> cut(std::size_t minBytes, bool oneRecord);
    bool read();
    void scan(bool oneRecord);

    ByteSource& source_;
    char delimiter_;
    std::size_t readSize_;
    std::string buffer_;
    bool ended_ = false;
    std::optional<Problem> failure_;

    // The scan over buffer_ so far: where it stopped, its state there, and
    // the last record end before it with the lines up to that end.
    std::size_t scanned_ = 0;
    State state_ = State::CellStart;
    std::size_t lines_ = 0;
    std::size_t recordEnd_ = 0;
    std::size_t linesToRecordEnd_ = 0;
    std::size_t firstLine_ = 1;
};

} // namespace evdrive::batch
