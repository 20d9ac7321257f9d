// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// A record as read: its cells, and its text without the line end, which is
// the cells joined by the delimiter when the record is plain (no cell quoted
// or in need of quotes).
struct CsvRecord {
    std::span<const std::string_view> cells;
    std::string_view raw;
    bool plain;
    std::size_t line; // where it starts, from 1
};

// Reads the records of a block of whole CSV records (RFC 4180). Lines end in
// LF or CRLF; a CR before anything else is text. A quote inside an unquoted
// cell, and text after a closing quote, are kept as text: spreadsheets never
// write them, and a table edited by hand should not be turned away for them.
// An empty line is no record.
class CsvRecords {
  public:
    enum class Status {
        Record,    // cells() holds the next record
        End,       // the block ends
        OpenQuote, // the block ends inside a quoted cell
    };

    explicit CsvRecords(char delimiter = ',')
        : delimiter_(delimiter) {}

    // Starts on a block whose first line is firstLine; the block must outlive the reading.
    void reset(std::string_view block, std::size_t firstLine);

    Status next();

    // The cells of the record next() has read: views into the block, or for
    // a cell that held doubled quotes, into storage reused for the next record.
    std::span<const std::string_view> cells() const { return cells_; }
    // The line the record starts on, from 1; with OpenQuote, the line where
    // the quoted cell opens.
    std::size_t line() const { return recordLine_; }
    // Whether the record ended in CRLF rather than LF or the end of the block.
    bool endedInCrlf() const { return endedInCrlf_; }
    CsvRecord record() const { return {cells_, raw_, plain_, recordLine_}; }

  private:
    bool readPlainLine();
    // The cell's text from at, up to the delimiter or line end that ends it;
    // false when the block ends inside a quoted cell.
    bool readCell();
    void readPlain(std::size_t start);

    char delimiter_;
    std::string_view block_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;

    std::vector<std::string_view> cells_;
    // Cells that needed their text rebuilt: their place in cells_ and in text_.
    struct Rebuilt {
        std::size_t cell;
        std::size_t offset;
        std::size_t size;
    };
    std::vector<Rebuilt> rebuilt_;
    std::string text_;
    std::size_t recordLine_ = 1;
    bool endedInCrlf_ = false;
    bool recordEnded_ = false;
    bool anyQuoted_ = false;
    std::string_view raw_;
    std::size_t contentEnd_ = 0;
    bool plain_ = true;
};

} // namespace evdrive::batch
