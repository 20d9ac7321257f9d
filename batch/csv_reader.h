// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Reads CSV (RFC 4180) one record at a time through a fixed buffer, so that
// memory does not grow with the input. Lines end in LF or CRLF; a CR before
// anything else is text. A UTF-8 byte-order mark at the start is skipped.
// A quote inside an unquoted cell, and text after a closing quote, are kept
// as text: spreadsheets never write them, and a table edited by hand should
// not be turned away for them. An empty line is no record.
class CsvReader {
  public:
    enum class Status {
        Record,     // cells() holds the next record
        End,        // the input ends
        OpenQuote,  // the input ends inside a quoted cell
        ReadFailed, // error() tells why
    };

    explicit CsvReader(std::FILE* input);

    Status next();

    // The cells of the record next() has read. Their storage is reused for
    // the next record.
    std::span<const std::string> cells() const { return {cells_.data(), cellCount_}; }
    // The line the record starts on, from 1; with OpenQuote, the line where
    // the quoted cell opens.
    std::size_t line() const { return recordLine_; }
    // Whether the record's last line ended in CRLF rather than LF or the end of the input.
    bool endedInCrlf() const { return endedInCrlf_; }
    bool hadByteOrderMark() const { return hadByteOrderMark_; }
    // The errno of a failed read.
    int error() const { return error_; }

  private:
    static constexpr int endOfInput = -1;

    int peek() {
        return pos_ < end_ || fill() ? static_cast<unsigned char>(buffer_[pos_]) : endOfInput;
    }
    bool fill();
    std::string& startCell();
    enum class Stop { Comma, LineEnd, EndOfInput };
    // Appends the cell's unquoted text up to the comma or line end that it
    // consumes, or to the end of the input.
    Stop appendPlain(std::string& cell);
    // Appends the text of a quoted cell after its opening quote, up to and
    // including its closing quote; false when the input ends first.
    bool appendQuoted(std::string& cell);

    std::FILE* input_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    int error_ = 0;

    std::vector<std::string> cells_;
    std::size_t cellCount_ = 0;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 1;
    bool endedInCrlf_ = false;
    bool hadByteOrderMark_ = false;
};

} // namespace evdrive::batch
