// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/csv_blocks.h"

#include <algorithm>
#include <cstring>

namespace evdrive::batch {

CsvBlocks::CsvBlocks(ByteSource& source, char delimiter, std::size_t readSize)
    : source_(source)
    , delimiter_(delimiter)
    , readSize_(std::max<std::size_t>(readSize, 1)) {}

bool CsvBlocks::read() {
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

void CsvBlocks::recordEnds(std::size_t end) {
    recordEnd_ = end;
    linesToRecordEnd_ = lines_;
}

// The machine of csv_syntax.h, with two shortcuts that give what stepping
// byte by byte gives. Inside a quoted cell only a quote changes the state,
// and memchr finds it. Elsewhere in a record only a line feed or a quote can
// do more than start a cell: after a run of other bytes the machine is at a
// cell's start just when the run's last byte is a delimiter. Most tables hold
// no quote at all, and memchr finds the line feeds far faster than a look at
// every byte.
void CsvBlocks::scan(bool oneRecord) {
    const char* const data = buffer_.data();
    const char* const end = data + buffer_.size();
    const char* at = data + scanned_;
    CsvState state = state_;
    while (at < end && !malformed_) {
        if (state == CsvState::Quoted) {
            const auto* quote = static_cast<const char*>(std::memchr(at, '"', end - at));
            const char* const stop = quote ? quote : end;
            lines_ += static_cast<std::size_t>(std::count(at, stop, '\n'));
            at = stop;
            if (quote) {
                state = csvStep(state, '"', delimiter_).state;
                ++at;
            }
            continue;
        }
        if (state != CsvState::CellStart && state != CsvState::Unquoted) {
            const CsvStep step = csvStep(state, *at, delimiter_);
            state = step.state;
            ++at;
            if (step.action == CsvAction::Malformed) {
                malformed_ = true;
                recordEnds(static_cast<std::size_t>(at - data));
            } else if (step.action == CsvAction::RecordEnd) {
                ++lines_;
                recordEnds(static_cast<std::size_t>(at - data));
                if (oneRecord) {
                    break;
                }
            }
            continue;
        }
        const auto* quote = static_cast<const char*>(std::memchr(at, '"', end - at));
        const char* const stop = quote ? quote : end;
        bool recordDone = false;
        while (const auto* lineEnd = static_cast<const char*>(std::memchr(at, '\n', stop - at))) {
            ++lines_;
            at = lineEnd + 1;
            recordEnds(static_cast<std::size_t>(at - data));
            state = CsvState::CellStart;
            if (oneRecord) {
                recordDone = true;
                break;
            }
        }
        if (recordDone) {
            break;
        }
        if (stop > at) {
            state = stop[-1] == delimiter_ ? CsvState::CellStart : CsvState::Unquoted;
        }
        at = stop;
        if (quote) {
            state = csvStep(state, '"', delimiter_).state;
            ++at;
        }
    }
    scanned_ = static_cast<std::size_t>(at - data);
    state_ = state;
}

Outcome<std::optional<TableBlock>> CsvBlocks::next(std::size_t minBytes) {
    return cut(minBytes, false);
}

Outcome<std::optional<TableBlock>> CsvBlocks::nextRecord() {
    return cut(1, true);
}

Outcome<std::optional<TableBlock>> CsvBlocks::cut(std::size_t minBytes, bool oneRecord) {
    if (oneRecord && !malformed_) {
        // The buffer starts with a record: its end is found afresh.
        scanned_ = 0;
        lines_ = 0;
        state_ = CsvState::CellStart;
        recordEnd_ = 0;
    }
    scan(oneRecord);
    while (!malformed_ && (recordEnd_ == 0 || (!oneRecord && buffer_.size() < minBytes)) &&
           read()) {
        scan(oneRecord);
    }
    // At the end of the input the rest is the last record, ended or not; a
    // record that a failed read breaks off is no record.
    const bool whole = ended_ && !failure_ && !malformed_ && recordEnd_ == 0;
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
    if (malformed_) {
        // Nothing after a malformed record is read.
        buffer_.clear();
        ended_ = true;
    }

    const std::size_t lines = whole ? lines_ : linesToRecordEnd_;
    firstLine_ += lines;
    lines_ -= lines;
    scanned_ -= std::min(scanned_, cut);
    recordEnd_ = 0;
    linesToRecordEnd_ = 0;
    return block;
}

} // namespace evdrive::batch
