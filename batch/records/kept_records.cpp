// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/kept_records.h"

namespace evdrive::batch {
namespace {

class KeptCursor : public RecordCursor {
  public:
    explicit KeptCursor(std::span<const std::shared_ptr<const KeptRecord>> records)
        : records_(records) {}

    Outcome<const Record*> next() override {
        if (next_ == records_.size()) {
            return nullptr;
        }
        record_ = records_[next_++]->view();
        return &record_;
    }

  private:
    std::span<const std::shared_ptr<const KeptRecord>> records_;
    std::size_t next_ = 0;
    Record record_;
};

} // namespace

KeptRecord::KeptRecord(const Record& record)
    : cells_(record.cells.begin(), record.cells.end())
    , kinds_(record.kinds.begin(), record.kinds.end())
    , raw_(record.raw)
    , record_(record) {
    views_.assign(cells_.begin(), cells_.end());
}

Record KeptRecord::view() const {
    Record record = record_;
    record.cells = views_;
    record.kinds = kinds_;
    record.raw = raw_;
    return record;
}

std::unique_ptr<RecordCursor> KeptRecords::records() const {
    return std::make_unique<KeptCursor>(records_);
}

} // namespace evdrive::batch
