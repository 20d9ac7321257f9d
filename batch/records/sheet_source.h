// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/records/record_source.h"
#include "batch/workbook/workbook_reader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace evdrive::batch {

// The records of a workbook's sheet, each cell with the kind the workbook
// stored. A row the sheet skips, or holds nothing in, is a blank record where
// rows with something in them follow, as a spreadsheet saves the sheet as CSV.
class SheetSource : public RecordSource {
  public:
    explicit SheetSource(std::unique_ptr<WorkbookReader> reader)
        : reader_(std::move(reader)) {}

    Outcome<std::shared_ptr<const RecordBatch>> next(std::size_t size) override;
    Outcome<std::shared_ptr<const RecordBatch>> nextRecord() override;
    std::string place(std::size_t line) const override;
    // A sheet's cells stand where they stand: one beyond the header is a
    // fault only where it holds something, and then it is named.
    std::optional<std::string> beyondHeader(const Record& record,
                                            std::size_t headerSize) const override;

  private:
    Outcome<std::shared_ptr<const RecordBatch>> read(std::size_t size, std::size_t records);

    std::unique_ptr<WorkbookReader> reader_;
    std::uint32_t nextRow_ = 1; // the row the next record stands for
    // A row read but not yet given, as blank rows before it still are; its
    // cells stay valid until the reader reads on.
    std::optional<SheetRow> held_;
    std::optional<Problem> failure_; // given after the records read before it
    bool ended_ = false;
};

} // namespace evdrive::batch
