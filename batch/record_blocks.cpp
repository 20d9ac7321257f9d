// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/record_blocks.h"

#include <algorithm>
#include <cerrno>

namespace evdrive::batch {

RecordBlocks::RecordBlocks(std::FILE* input, char delimiter, std::size_t readSize)
    : input_(input)
    , delimiter_(delimiter)
    , readSize_(std::max<std::size_t>(readSize, 1)) {}

bool RecordBlocks::read() {
    if (ended_) {
        return false;
    }
    const std::size_t old = buffer_.size();
    buffer_.resize(old + readSize_);
    errno = 0;
    const std::size_t got = std::fread(buffer_.data() + old, 1, readSize_, input_);
    buffer_.resize(old + got);
    if (got < readSize_ && std::ferror(input_)) {
        error_ = errno != 0 ? errno : EIO;
        ended_ = true;
    } else if (got == 0) {
        ended_ = true;
    }
    return got > 0;
}

// The mark may come a byte at a time through a pipe.
void RecordBlocks::skipByteOrderMark() {
    while (buffer_.size() < byteOrderMark.size() && read()) {
    }
    if (buffer_.starts_with(byteOrderMark)) {
        buffer_.erase(0, byteOrderMark.size());
        hadByteOrderMark_ = true;
    }
}

void RecordBlocks::scan() {
    const char* const data = buffer_.data();
    const std::size_t size = buffer_.size();
    State state = state_;
    for (std::size_t at = scanned_; at < size; ++at) {
        const char c = data[at];
        if (state == State::Quoted) {
            if (c == '"') {
                state = State::QuoteInQuoted;
            } else if (c == '\n') {
                ++lines_;
            }
            continue;
        }
        if (c == '\n') {
            ++lines_;
            recordEnd_ = at + 1;
            linesToRecordEnd_ = lines_;
            state = State::CellStart;
        } else if (c == delimiter_) {
            state = State::CellStart;
        } else if (c == '"' && state != State::Plain) {
            // Opens a quoted cell at its start; after a closing quote, a
            // doubled quote stands for one and the cell goes on quoted.
            state = State::Quoted;
        } else {
            state = State::Plain;
        }
    }
    scanned_ = size;
    state_ = state;
}

std::optional<TableBlock> RecordBlocks::next(std::size_t minBytes) {
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
    }
    scan();
    while ((buffer_.size() < minBytes || recordEnd_ == 0) && read()) {
        scan();
    }
    // At the end of the input the rest is the last record, ended or not; a
    // record that a failed read breaks off is no record.
    const bool whole = ended_ && error_ == 0;
    const std::size_t cut = whole ? buffer_.size() : recordEnd_;
    if (cut == 0) {
        return std::nullopt;
    }
    TableBlock block{buffer_.substr(cut), firstLine_};
    block.text.swap(buffer_);
    block.text.resize(cut);

    firstLine_ += whole ? lines_ : linesToRecordEnd_;
    scanned_ -= cut;
    lines_ -= whole ? lines_ : linesToRecordEnd_;
    recordEnd_ = 0;
    linesToRecordEnd_ = 0;
    return block;
}

} // namespace evdrive::batch
