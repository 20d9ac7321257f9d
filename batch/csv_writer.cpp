// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/csv_writer.h"

#include <cerrno>

namespace evdrive::batch {
namespace {

constexpr std::size_t bufferSize = std::size_t{1} << 16;

// One pass over the text: find_first_of would search the four characters
// for each of its characters, which costs more than the rest of writing it.
bool needsQuotes(std::string_view text) {
    for (const char c : text) {
        if (c == ',' || c == '"' || c == '\n' || c == '\r') {
            return true;
        }
    }
    return false;
}

} // namespace

CsvWriter::CsvWriter(std::FILE* output, std::string_view lineEnd)
    : output_(output)
    , lineEnd_(lineEnd) {
    buffer_.reserve(bufferSize + 1024);
}

void CsvWriter::raw(std::string_view bytes) {
    buffer_ += bytes;
    flushWhenFull();
}

void CsvWriter::cell(std::string_view text) {
    if (rowStarted_) {
        buffer_ += ',';
    }
    rowStarted_ = true;
    if (!needsQuotes(text)) {
        buffer_ += text;
        return;
    }
    buffer_ += '"';
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        buffer_.append(text.substr(0, quote + 1));
        buffer_ += '"';
        text.remove_prefix(quote + 1);
    }
    buffer_ += text;
    buffer_ += '"';
}

void CsvWriter::endRow() {
    buffer_ += lineEnd_;
    rowStarted_ = false;
    flushWhenFull();
}

void CsvWriter::flushWhenFull() {
    if (buffer_.size() >= bufferSize) {
        flush();
    }
}

bool CsvWriter::flush() {
    if (error_ == 0 && !buffer_.empty()) {
        errno = 0;
        if (std::fwrite(buffer_.data(), 1, buffer_.size(), output_) != buffer_.size() ||
            std::fflush(output_) != 0) {
            error_ = errno != 0 ? errno : EIO;
        }
    }
    buffer_.clear();
    return error_ == 0;
}

} // namespace evdrive::batch
