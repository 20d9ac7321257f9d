// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/table_work.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <algorithm>

namespace evdrive::batch {
namespace {

// About as many rows as a batch of a table without sweeps makes.
constexpr std::uint64_t rowsPerItem = 8192;

} // namespace

WorkSource::WorkSource(RecordSource* records, std::uint64_t gridSize, std::size_t readSize)
    : records_(records)
    , gridSize_(gridSize)
    , batchBytes_(std::max<std::uint64_t>(readSize / std::min(gridSize, rowsPerItem), 1)) {}

void WorkSource::readFirst(const std::vector<std::shared_ptr<const KeptRecord>>& records) {
    if (records.empty()) {
        return;
    }
    // A record with a large grid is an item of its own, as those read later are.
    if (gridSize_ > rowsPerItem) {
        for (const auto& record : records) {
            first_.push_back(std::make_shared<const KeptRecords>(
                std::vector<std::shared_ptr<const KeptRecord>>{record}));
        }
    } else {
        first_.push_back(std::make_shared<const KeptRecords>(records));
    }
}

Outcome<std::optional<WorkItem>> WorkSource::next() {
    if (!started_ || gridNext_ == gridSize_) {
        if (!records_) {
            if (started_) {
                return std::nullopt;
            }
        } else if (!first_.empty()) {
            batch_ = std::move(first_.front());
            first_.pop_front();
        } else {
            auto batch =
                gridSize_ > rowsPerItem ? records_->nextRecord() : records_->next(batchBytes_);
            if (!batch) {
                return std::unexpected(batch.error());
            }
            if (!*batch) {
                return std::nullopt;
            }
            batch_ = std::move(*batch);
        }
        started_ = true;
        gridNext_ = 0;
    }
    const std::uint64_t from = gridNext_;
    gridNext_ = gridSize_ > rowsPerItem ? std::min(gridSize_, from + rowsPerItem) : gridSize_;
    return WorkItem{batch_, from, gridNext_};
}

template <class Rows>
RowWork<Rows>::RowWork(const TableLayout& layout, std::span<const InputOption> options,
                       RowSettings settings, const RecordSource* records, std::size_t headerSize)
    : layout_(layout)
    , options_(options)
    , settings_(settings)
    , records_(records)
    , headerSize_(headerSize) {}

template <class Rows>
WorkDone<Rows> RowWork<Rows>::operator()(const WorkItem& item) const {
    WorkDone<Rows> done{Rows(settings_.style), 0, {}, std::nullopt};
    VehicleRows<Rows> rows(layout_, options_, settings_.numbers, settings_.commaDelimited);
    if (!item.batch) {
        rows.writeRecord({}, item.gridFrom, item.gridTo, done.rows, done.tally);
        done.lastLine = item.gridTo;
        return done;
    }
    const auto cursor = item.batch->records();
    for (;;) {
        const auto next = cursor->next();
        if (!next) {
            done.malformed = next.error();
            break;
        }
        const Record* record = *next;
        if (!record) {
            break;
        }
        if (record->cells.size() > headerSize_) {
            if (auto fault = records_->beyondHeader(*record, headerSize_)) {
                done.malformed =
                    Problem{ExitStatus::BadInput, records_->place(record->line), std::move(*fault)};
                break;
            }
        }
        // A blank row separates vehicles; it is none.
        if (isBlank(*record)) {
            if (item.gridFrom == 0) {
                done.rows.asItCame(*record);
            }
            continue;
        }
        rows.writeRecord(*record, item.gridFrom, item.gridTo, done.rows, done.tally);
        done.lastLine = record->line;
    }
    return done;
}

template class RowWork<CsvRows>;
template class RowWork<WorkbookRows>;

} // namespace evdrive::batch
