// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/csv_records.h"
#include "batch/record_blocks.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>

namespace evdrive::batch {

// Reads a CSV table one record at a time, in blocks of whole records of about
// readSize bytes, so that memory does not grow with the input. A UTF-8
// byte-order mark at the start is skipped.
class CsvReader {
  public:
    enum class Status {
        Record,     // cells() holds the next record
        End,        // the input ends
        OpenQuote,  // the input ends inside a quoted cell
        ReadFailed, // error() tells why
    };

    explicit CsvReader(std::FILE* input, std::size_t readSize = defaultReadSize);

    Status next();

    // The cells of the record next() has read, valid until the next call.
    std::span<const std::string_view> cells() const { return records_.cells(); }
    // The line the record starts on, from 1; with OpenQuote, the line where
    // the quoted cell opens.
    std::size_t line() const;
    // Whether the record's last line ended in CRLF rather than LF or the end of the input.
    bool endedInCrlf() const { return records_.endedInCrlf(); }
    bool hadByteOrderMark() const { return blocks_.hadByteOrderMark(); }
    // The errno of a failed read.
    int error() const { return blocks_.error(); }

  private:
    std::size_t readSize_;
    RecordBlocks blocks_;
    std::optional<TableBlock> block_;
    CsvRecords records_;
    std::size_t endLine_ = 1;
};

} // namespace evdrive::batch
