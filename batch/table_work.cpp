// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_work.h"

#include "batch/csv_records.h"
#include "batch/integer_text.h"

#include <algorithm>

namespace evdrive::batch {
namespace {

// About as many rows as a block of a table without sweeps makes.
constexpr std::uint64_t rowsPerItem = 8192;

} // namespace

Problem malformedLine(std::size_t line, std::string what) {
    return {ExitStatus::BadInput, "line " + integerText(line), std::move(what)};
}

Problem unclosedQuote(std::size_t line) {
    return malformedLine(line, "a quoted cell opens here and is never closed");
}

WorkSource::WorkSource(RecordBlocks* blocks, std::uint64_t gridSize, std::size_t readSize)
    : blocks_(blocks)
    , gridSize_(gridSize)
    , blockBytes_(std::max<std::uint64_t>(readSize / std::min(gridSize, rowsPerItem), 1)) {}

Outcome<std::optional<WorkItem>> WorkSource::next() {
    if (!started_ || gridNext_ == gridSize_) {
        if (!blocks_) {
            if (started_) {
                return std::nullopt;
            }
        } else {
            auto block =
                gridSize_ > rowsPerItem ? blocks_->nextRecord() : blocks_->next(blockBytes_);
            if (!block) {
                return std::unexpected(block.error());
            }
            if (!*block) {
                return std::nullopt;
            }
            block_ = std::make_shared<const TableBlock>(std::move(**block));
        }
        started_ = true;
        gridNext_ = 0;
    }
    const std::uint64_t from = gridNext_;
    gridNext_ = gridSize_ > rowsPerItem ? std::min(gridSize_, from + rowsPerItem) : gridSize_;
    return WorkItem{block_, from, gridNext_};
}

RowWork::RowWork(const TableLayout& layout, std::span<const InputOption> options, TableStyle style,
                 std::size_t headerSize)
    : layout_(layout)
    , options_(options)
    , style_(style)
    , headerSize_(headerSize) {}

WorkDone RowWork::operator()(const WorkItem& item) const {
    WorkDone done;
    VehicleRows rows(layout_, options_, style_);
    if (!item.block) {
        rows.writeRecord({{}, {}, false, 1}, item.gridFrom, item.gridTo, done.out, done.tally);
        return done;
    }
    done.out.reserve(item.block->text.size() * 2);
    CsvRecords records(style_.delimiter);
    records.reset(item.block->text, item.block->firstLine);
    for (CsvRecords::Status status; (status = records.next()) != CsvRecords::Status::End;) {
        if (status == CsvRecords::Status::OpenQuote) {
            done.malformed = unclosedQuote(records.line());
            break;
        }
        const CsvRecord record = records.record();
        if (record.cells.size() > headerSize_) {
            done.malformed = malformedLine(record.line, integerText(record.cells.size()) +
                                                            " cells, more than the header's " +
                                                            integerText(headerSize_));
            break;
        }
        rows.writeRecord(record, item.gridFrom, item.gridTo, done.out, done.tally);
    }
    return done;
}

} // namespace evdrive::batch
