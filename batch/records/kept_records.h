// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/records/record_source.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// A record copied out of its batch, to outlive it.
class KeptRecord {
  public:
    explicit KeptRecord(const Record& record);
    // The record's views point into the copy.
    KeptRecord(const KeptRecord&) = delete;
    KeptRecord& operator=(const KeptRecord&) = delete;

    // The record, its views into this copy.
    Record view() const;
    std::vector<std::string> cells() const { return {cells_.begin(), cells_.end()}; }

  private:
    std::vector<std::string> cells_;
    std::vector<std::string_view> views_;
    std::vector<CellKind> kinds_;
    std::string raw_;
    Record record_;
};

// Records read ahead of the run, given to it as a batch of their own.
class KeptRecords : public RecordBatch {
  public:
    explicit KeptRecords(std::vector<std::shared_ptr<const KeptRecord>> records)
        : records_(std::move(records)) {}

    std::unique_ptr<RecordCursor> records() const override;

  private:
    std::vector<std::shared_ptr<const KeptRecord>> records_;
};

} // namespace evdrive::batch
