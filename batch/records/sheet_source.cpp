// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/sheet_source.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <algorithm>
#include <vector>

namespace evdrive::batch {
namespace {

CellKind kindOf(SheetCellKind kind) {
    switch (kind) {
    case SheetCellKind::Empty:
    case SheetCellKind::Text:
        return CellKind::Text;
    case SheetCellKind::Number:
        return CellKind::Number;
    case SheetCellKind::Boolean:
        return CellKind::Boolean;
    case SheetCellKind::Error:
        return CellKind::Error;
    case SheetCellKind::UncomputedFormula:
        return CellKind::UncomputedFormula;
    }
    return CellKind::Text;
}

// What a blank row counts for in a batch's size, as its line would in CSV.
constexpr std::size_t blankRowSize = 2;

// Rows copied out of the reader: the cells' texts one after another, and
// for each row, or run of blank rows, where its cells are.
class SheetBatch : public RecordBatch {
  public:
    struct Rows {
        std::uint32_t first;   // the row
        std::uint32_t count;   // 1, or the length of a run of blank rows
        std::size_t firstCell; // in cells_
        std::size_t cellCount;
    };

    void add(const SheetRow& row) {
        rows_.push_back({row.number, 1, cells_.size(), row.cells.size()});
        for (const SheetCell& cell : row.cells) {
            cells_.push_back({text_.size(), cell.text.size()});
            kinds_.push_back(kindOf(cell.kind));
            text_ += cell.text;
            size_ += cell.text.size() + 1;
        }
        ++records_;
    }

    void addBlank(std::uint32_t first, std::uint32_t count) {
        rows_.push_back({first, count, 0, 0});
        size_ += blankRowSize * count;
        records_ += count;
    }

    std::size_t size() const { return size_; }
    std::size_t recordCount() const { return records_; }

    std::unique_ptr<RecordCursor> records() const override;

    std::vector<Rows> rows_;
    std::vector<std::pair<std::size_t, std::size_t>> cells_; // where each cell's text is
    std::vector<CellKind> kinds_;
    std::string text_;

  private:
    std::size_t size_ = 0;
    std::size_t records_ = 0;
};

class SheetCursor : public RecordCursor {
  public:
    explicit SheetCursor(const SheetBatch& batch)
        : batch_(batch) {}

    Outcome<const Record*> next() override {
        if (rows_ == batch_.rows_.size()) {
            return nullptr;
        }
        const SheetBatch::Rows& rows = batch_.rows_[rows_];
        cells_.clear();
        for (std::size_t cell = rows.firstCell; cell < rows.firstCell + rows.cellCount; ++cell) {
            const auto [at, size] = batch_.cells_[cell];
            cells_.push_back(std::string_view(batch_.text_).substr(at, size));
        }
        record_.cells = cells_;
        record_.kinds = std::span(batch_.kinds_).subspan(rows.firstCell, rows.cellCount);
        record_.line = rows.first + inRun_;
        if (++inRun_ == rows.count) {
            ++rows_;
            inRun_ = 0;
        }
        return &record_;
    }

  private:
    const SheetBatch& batch_;
    std::size_t rows_ = 0;
    std::uint32_t inRun_ = 0;
    std::vector<std::string_view> cells_;
    Record record_;
};

std::unique_ptr<RecordCursor> SheetBatch::records() const {
    return std::make_unique<SheetCursor>(*this);
}

} // namespace

Outcome<std::shared_ptr<const RecordBatch>> SheetSource::read(std::size_t size,
                                                              std::size_t records) {
    auto batch = std::make_shared<SheetBatch>();
    while (batch->size() < size && batch->recordCount() < records) {
        if (!held_) {
            if (failure_ || ended_) {
                break;
            }
            auto row = reader_->next();
            if (!row) {
                failure_ = std::move(row.error());
                break;
            }
            if (!*row) {
                ended_ = true;
                break;
            }
            held_ = **row;
        }
        if (held_->cells.empty()) {
            held_.reset();
        } else if (nextRow_ < held_->number) {
            const std::uint32_t blank = static_cast<std::uint32_t>(
                std::min<std::size_t>(held_->number - nextRow_, records - batch->recordCount()));
            batch->addBlank(nextRow_, blank);
            nextRow_ += blank;
        } else {
            batch->add(*held_);
            nextRow_ = held_->number + 1;
            held_.reset();
        }
    }
    if (batch->recordCount() > 0) {
        return batch;
    }
    if (failure_) {
        return std::unexpected(*failure_);
    }
    return nullptr;
}

Outcome<std::shared_ptr<const RecordBatch>> SheetSource::next(std::size_t size) {
    return read(std::max<std::size_t>(size, 1), static_cast<std::size_t>(-1));
}

Outcome<std::shared_ptr<const RecordBatch>> SheetSource::nextRecord() {
    return read(static_cast<std::size_t>(-1), 1);
}

std::string SheetSource::place(std::size_t line) const {
    return format(tr("row %1"), {integerText(line)});
}

std::optional<std::string> SheetSource::beyondHeader(const Record& record,
                                                     std::size_t headerSize) const {
    for (std::size_t column = headerSize; column < record.cells.size(); ++column) {
        if (!record.cells[column].empty()) {
            return format(
                tr("cell %1 holds '%2', beyond the header's %3 columns: name its "
                   "column in the header, or clear the cell"),
                {columnLetters(static_cast<std::uint32_t>(column)) + integerText(record.line),
                 record.cells[column], integerText(headerSize)});
        }
    }
    return std::nullopt;
}

} // namespace evdrive::batch
