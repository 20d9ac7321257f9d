// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/csv_reader.h"

#include <algorithm>

namespace evdrive::batch {

CsvReader::CsvReader(std::FILE* input, std::size_t readSize)
    : readSize_(readSize)
    , blocks_(input, ',', readSize) {}

CsvReader::Status CsvReader::next() {
    for (;;) {
        if (block_) {
            switch (records_.next()) {
            case CsvRecords::Status::Record:
                return Status::Record;
            case CsvRecords::Status::OpenQuote:
                return blocks_.error() != 0 ? Status::ReadFailed : Status::OpenQuote;
            case CsvRecords::Status::End:
                endLine_ = block_->firstLine + static_cast<std::size_t>(std::count(
                                                   block_->text.begin(), block_->text.end(), '\n'));
                break;
            }
        }
        block_ = blocks_.next(readSize_);
        if (!block_) {
            return blocks_.error() != 0 ? Status::ReadFailed : Status::End;
        }
        records_.reset(block_->text, block_->firstLine);
    }
}

std::size_t CsvReader::line() const {
    return block_ ? records_.line() : endLine_;
}

} // namespace evdrive::batch
