// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/records/record_source.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// Reads the records of a block of whole CSV records with the machine of
// csv_syntax.h. An empty line is a record of one empty cell.
class CsvRecords {
  public:
    enum class Status {
        Record,    // record() holds the next record
        End,       // the block ends
        OpenQuote, // the block ends inside a quoted cell
        Malformed, // text after a closing quote
    };

    explicit CsvRecords(char delimiter = ',')
        : delimiter_(delimiter) {}

    // Starts on a block whose first line is firstLine; the block must outlive the reading.
    void reset(std::string_view block, std::size_t firstLine);

    Status next();

    // The record next() has read: its cells are views into the block, or for
    // a cell that held doubled quotes, into storage reused for the next record.
    const Record& record() const { return record_; }
    // With OpenQuote and Malformed, the line where the quoted cell at fault opens.
    std::size_t faultLine() const { return faultLine_; }

  private:
    bool readPlainLine();
    Status readQuotedLine();

    char delimiter_;
    std::string_view block_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;

    Record record_;
    std::vector<std::string_view> cells_;
    // Cells whose text is rebuilt without doubled quotes: their place in
    // cells_ and in text_, which may move as it grows.
    struct Rebuilt {
        std::size_t cell;
        std::size_t offset;
        std::size_t size;
    };
    std::vector<Rebuilt> rebuilt_;
    std::string text_;
    std::size_t faultLine_ = 0;
};

} // namespace evdrive::batch
