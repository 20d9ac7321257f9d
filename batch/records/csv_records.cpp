// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/csv_records.h"

#include "batch/records/csv_syntax.h"

#include <cstring>

namespace evdrive::batch {

void CsvRecords::reset(std::string_view block, std::size_t firstLine) {
    block_ = block;
    at_ = 0;
    line_ = firstLine;
}

CsvRecords::Status CsvRecords::next() {
    if (at_ >= block_.size()) {
        return Status::End;
    }
    cells_.clear();
    rebuilt_.clear();
    text_.clear();
    record_ = Record{};
    record_.line = line_;
    const Status status = readPlainLine() ? Status::Record : readQuotedLine();
    if (status != Status::Record) {
        at_ = block_.size();
        return status;
    }
    for (const Rebuilt& cell : rebuilt_) {
        cells_[cell.cell] = std::string_view(text_).substr(cell.offset, cell.size);
    }
    record_.cells = cells_;
    return Status::Record;
}

// Most lines hold neither a quote nor a CR but at their end: the machine
// then only ends a cell at each delimiter, and the cells are found by the
// delimiter alone.
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
    // Cells are short: a loop finds their ends faster than a call to memchr.
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
    record_.raw = {begin, static_cast<std::size_t>(end - begin)};
    record_.plain = true;
    record_.crlf = crlf;
    at_ = lineEnd ? static_cast<std::size_t>(lineEnd - block_.data()) + 1 : block_.size();
    line_ += lineEnd != nullptr;
    return true;
}

// Byte by byte through the machine; the end of the block ends the record as
// a line end would. Such a record is never plain: it holds a quote or a CR.
CsvRecords::Status CsvRecords::readQuotedLine() {
    const std::size_t start = at_;
    CsvState state = CsvState::CellStart;
    std::size_t cellStart = at_; // where the cell's text starts, past an opening quote
    std::size_t piece = at_;     // of a rebuilt cell, the text not yet copied
    std::size_t offset = 0;      // of a rebuilt cell, where its text starts in text_
    std::size_t closingQuote = 0;
    std::size_t quoteLine = line_;
    bool quoted = false;
    bool rebuilding = false;
    const auto endCell = [&](std::size_t end) {
        const std::size_t textEnd = quoted ? closingQuote : end;
        if (rebuilding) {
            text_.append(block_.substr(piece, textEnd - piece));
            rebuilt_.push_back({cells_.size(), offset, text_.size() - offset});
            cells_.emplace_back();
        } else {
            cells_.push_back(block_.substr(cellStart, textEnd - cellStart));
        }
        quoted = false;
        rebuilding = false;
    };
    for (; at_ < block_.size(); ++at_) {
        const char c = block_[at_];
        const CsvStep step = csvStep(state, c, delimiter_);
        state = step.state;
        switch (step.action) {
        case CsvAction::Text:
            line_ += c == '\n';
            break;
        case CsvAction::OpenQuote:
            quoted = true;
            quoteLine = line_;
            cellStart = piece = at_ + 1;
            offset = text_.size();
            break;
        case CsvAction::Quote:
            closingQuote = at_;
            break;
        case CsvAction::QuoteText:
            text_.append(block_.substr(piece, at_ - piece));
            piece = at_ + 1;
            rebuilding = true;
            break;
        case CsvAction::Cr:
            break;
        case CsvAction::CellEnd:
            endCell(at_);
            cellStart = at_ + 1;
            break;
        case CsvAction::RecordEnd: {
            // A CR before the line feed is half of a CRLF, not text.
            const bool crlf = at_ > start && block_[at_ - 1] == '\r';
            endCell(crlf && !quoted ? at_ - 1 : at_);
            record_.raw = block_.substr(start, at_ - crlf - start);
            record_.crlf = crlf;
            ++at_;
            ++line_;
            return Status::Record;
        }
        case CsvAction::Malformed:
            faultLine_ = quoteLine;
            return Status::Malformed;
        }
    }
    if (state == CsvState::Quoted || state == CsvState::CrAfterQuote) {
        faultLine_ = quoteLine;
        return state == CsvState::Quoted ? Status::OpenQuote : Status::Malformed;
    }
    endCell(at_);
    record_.raw = block_.substr(start);
    return Status::Record;
}

} // namespace evdrive::batch
