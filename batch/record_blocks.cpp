// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/record_blocks.h"

#include <algorithm>
#include <cstring>

namespace evdrive::batch {

RecordBlocks::RecordBlocks(ByteSource& source, char delimiter, std::size_t readSize)
    : source_(source)
    , delimiter_(delimiter)
    , readSize_(std::max<std::size_t>(readSize, 1)) {}

bool RecordBlocks::read() {
    if (ended_) {
        return false;
    }
    const auto got = readOnto(source_, buffer_, readSize_);
    if (!got) {
        failure_ = got.error();
    }
    ended_ = !got || *got == 0;
    return !ended_;
}

// Most tables hold no quote at all: outside quoted cells only line ends
// matter, and memchr finds both far faster than a look at every byte.
void RecordBlocks::scan(bool oneRecord) {
    const char* const data = buffer_.data();
    const char* const end = data + buffer_.size();
    const char* at = data + scanned_;
    State state = state_;
    while (at < end) {
        if (state == State::Quoted) {
            const auto* quote = static_cast<const char*>(std::memchr(at, '"', end - at));
            const char* const stop = quote ? quote : end;
            lines_ += static_cast<std::size_t>(std::count(at, stop, '\n'));
            at = stop;
            if (quote) {
                state = State::QuoteInQuoted;
                ++at;
            }
            continue;
        }
        if (state == State::QuoteInQuoted) {
            // A doubled quote stands for one and the cell goes on quoted;
            // anything else after the closing quote is the cell's text.
            if (*at == '"') {
                state = State::Quoted;
                ++at;
                continue;
            }
            state = State::Plain;
        }
        const auto* quote = static_cast<const char*>(std::memchr(at, '"', end - at));
        const char* const stop = quote ? quote : end;
        while (const auto* lineEnd = static_cast<const char*>(std::memchr(at, '\n', stop - at))) {
            ++lines_;
            at = lineEnd + 1;
            recordEnd_ = static_cast<std::size_t>(at - data);
            linesToRecordEnd_ = lines_;
            state = State::CellStart;
            if (oneRecord) {
                scanned_ = recordEnd_;
                state_ = state;
                return;
            }
        }
        if (stop > at) {
            state = stop[-1] == delimiter_ ? State::CellStart : State::Plain;
        }
        at = stop;
        if (quote) {
            // A quote opens a quoted cell only at the cell's start.
            state = state == State::CellStart ? State::Quoted : State::Plain;
            ++at;
        }
    }
    scanned_ = static_cast<std::size_t>(at - data);
    state_ = state;
}

Outcome<std::optional<TableBlock>> RecordBlocks::next(std::size_t minBytes) {
    return cut(minBytes, false);
}

Outcome<std::optional<TableBlock>> RecordBlocks::nextRecord() {
    return cut(1, true);
}

Outcome<std::optional<TableBlock>> RecordBlocks::cut(std::size_t minBytes, bool oneRecord) {
    if (oneRecord) {
        // The buffer starts with a record: its end is found afresh.
        scanned_ = 0;
        lines_ = 0;
        state_ = State::CellStart;
    }
    scan(oneRecord);
    while ((recordEnd_ == 0 || (!oneRecord && buffer_.size() < minBytes)) && read()) {
        scan(oneRecord);
    }
    // At the end of the input the rest is the last record, ended or not; a
    // record that a failed read breaks off is no record.
    const bool whole = ended_ && !failure_ && recordEnd_ == 0;
    const std::size_t cut = whole ? buffer_.size() : recordEnd_;
    if (cut == 0) {
        if (failure_) {
            return std::unexpected(*failure_);
        }
        return std::nullopt;
    }
    TableBlock block{buffer_.substr(cut), firstLine_};
    block.text.swap(buffer_);
    block.text.resize(cut);

    const std::size_t lines = whole ? lines_ : linesToRecordEnd_;
    firstLine_ += lines;
    lines_ -= lines;
    scanned_ -= std::min(scanned_, cut);
    recordEnd_ = 0;
    linesToRecordEnd_ = 0;
    return block;
}

} // namespace evdrive::batch
