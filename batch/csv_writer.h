// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace evdrive::batch {

// Writes CSV through a buffer of its own, in large writes. A cell is quoted
// only when it holds a comma, a quote or a line break. The first failed write
// is kept, and nothing more is written after it.
class CsvWriter {
  public:
    CsvWriter(std::FILE* output, std::string_view lineEnd);
    ~CsvWriter() { flush(); }
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    // Bytes as they are, such as a byte-order mark.
    void raw(std::string_view bytes);
    void cell(std::string_view text);
    void endRow();

    // Hands everything written so far to the output; false once a write has failed.
    bool flush();
    // The errno of the first failed write, 0 while none has failed.
    int error() const { return error_; }

  private:
    void flushWhenFull();

    std::FILE* output_;
    std::string lineEnd_;
    std::string buffer_;
    bool rowStarted_ = false;
    int error_ = 0;
};

} // namespace evdrive::batch
