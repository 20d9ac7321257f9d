// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/csv_records.h"

#include <algorithm>
#include <cstring>

namespace evdrive::batch {

void CsvRecords::reset(std::string_view block, std::size_t firstLine) {
    block_ = block;
    at_ = 0;
    line_ = firstLine;
}

CsvRecords::Status CsvRecords::next() {
    for (;;) {
        if (at_ >= block_.size()) {
            return Status::End;
        }
        cells_.clear();
        rebuilt_.clear();
        text_.clear();
        recordLine_ = line_;
        endedInCrlf_ = false;
        recordEnded_ = false;
        anyQuoted_ = false;
        plain_ = true;
        const std::size_t start = at_;
        if (!readPlainLine()) {
            while (!recordEnded_) {
                if (!readCell()) {
                    return Status::OpenQuote;
                }
            }
        }
        raw_ = block_.substr(start, contentEnd_ - start);
        plain_ = plain_ && !anyQuoted_;
        for (const Rebuilt& cell : rebuilt_) {
            cells_[cell.cell] = std::string_view(text_).substr(cell.offset, cell.size);
        }
        const bool emptyLine = cells_.size() == 1 && cells_[0].empty() && !anyQuoted_;
        if (!emptyLine) {
            return Status::Record;
        }
    }
}

// Most lines hold neither a quote nor a CR but at their end: their cells are
// found by the delimiter alone.
bool CsvRecords::readPlainLine() {
    const char* const begin = block_.data() + at_;
    const char* const blockEnd = block_.data() + block_.size();
    const auto* lineEnd = static_cast<const char*>(std::memchr(begin, '\n', blockEnd - begin));
    const char* end = lineEnd ? lineEnd : blockEnd;
    const bool crlf = lineEnd && end > begin && end[-1] == '\r';
    end -= crlf;
    if (std::memchr(begin, '"', end - begin) || std::memchr(begin, '\r', end - begin)) {
        return false;
    }
    for (const char* cell = begin;;) {
        const char* stop = cell;
        while (stop < end && *stop != delimiter_) {
            ++stop;
        }
        cells_.emplace_back(cell, static_cast<std::size_t>(stop - cell));
        if (stop == end) {
            break;
        }
        cell = stop + 1;
    }
    contentEnd_ = static_cast<std::size_t>(end - block_.data());
    endedInCrlf_ = crlf;
    at_ = lineEnd ? static_cast<std::size_t>(lineEnd - block_.data()) + 1 : block_.size();
    line_ += lineEnd != nullptr;
    recordEnded_ = true;
    return true;
}

bool CsvRecords::readCell() {
    if (at_ == block_.size() || block_[at_] != '"') {
        readPlain(at_);
        return true;
    }
    anyQuoted_ = true;
    const std::size_t quoteLine = line_;
    const std::size_t offset = text_.size();
    std::size_t piece = at_ + 1;
    bool rebuilding = false;
    for (;;) {
        const std::size_t quote = block_.find('"', piece);
        const std::size_t end = std::min(quote, block_.size());
        line_ += static_cast<std::size_t>(
            std::count(block_.begin() + static_cast<std::ptrdiff_t>(piece),
                       block_.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
        if (quote == std::string_view::npos) {
            recordLine_ = quoteLine;
            at_ = block_.size();
            return false;
        }
        if (quote + 1 < block_.size() && block_[quote + 1] == '"') {
            // A doubled quote stands for one.
            text_.append(block_.substr(piece, quote + 1 - piece));
            piece = quote + 2;
            rebuilding = true;
            continue;
        }
        const std::string_view last = block_.substr(piece, quote - piece);
        const std::size_t cell = cells_.size();
        readPlain(quote + 1);
        const std::string_view after = cells_.back();
        if (!rebuilding && after.empty()) {
            cells_.back() = last;
            return true;
        }
        text_.append(last);
        text_.append(after);
        rebuilt_.push_back({cell, offset, text_.size() - offset});
        return true;
    }
}

// Appends the cell from start up to the delimiter or line end, which it consumes.
void CsvRecords::readPlain(std::size_t start) {
    std::size_t end = start;
    while (end < block_.size()) {
        const char c = block_[end];
        if (c == delimiter_ || c == '\n') {
            break;
        }
        if (c == '\r' || c == '"') {
            if (c == '\r' && end + 1 < block_.size() && block_[end + 1] == '\n') {
                break;
            }
            plain_ = false;
        }
        ++end;
    }
    contentEnd_ = end;
    cells_.push_back(block_.substr(start, end - start));
    if (end == block_.size()) {
        at_ = end;
        recordEnded_ = true;
    } else if (block_[end] == delimiter_) {
        at_ = end + 1;
    } else {
        endedInCrlf_ = block_[end] == '\r';
        at_ = end + (endedInCrlf_ ? 2 : 1);
        ++line_;
        recordEnded_ = true;
    }
}

} // namespace evdrive::batch
