// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/csv_source.h"

#include "batch/integer_text.h"
#include "batch/records/csv_records.h"
#include "batch/translation.h"

namespace evdrive::batch {
namespace {

// Enough of the start to see the header and the rows after it.
constexpr std::size_t lookSize = std::size_t{64} << 10;

class CsvCursor : public RecordCursor {
  public:
    CsvCursor(const TableBlock& block, char delimiter)
        : records_(delimiter) {
        records_.reset(block.text, block.firstLine);
    }

    Outcome<const Record*> next() override {
        switch (records_.next()) {
        case CsvRecords::Status::Record:
            return &records_.record();
        case CsvRecords::Status::End:
            return nullptr;
        case CsvRecords::Status::OpenQuote:
            return std::unexpected(
                malformedLine(records_.faultLine(),
                              std::string(tr("a quoted cell opens here and is never closed"))));
        case CsvRecords::Status::Malformed:
            break;
        }
        return std::unexpected(
            malformedLine(records_.faultLine(),
                          std::string(tr("a quoted cell opens here and text follows its closing "
                                         "quote; a quote inside a quoted cell is written twice"))));
    }

  private:
    CsvRecords records_;
};

class CsvBatch : public RecordBatch {
  public:
    CsvBatch(TableBlock block, char delimiter)
        : block_(std::move(block))
        , delimiter_(delimiter) {}

    std::unique_ptr<RecordCursor> records() const override {
        return std::make_unique<CsvCursor>(block_, delimiter_);
    }

  private:
    TableBlock block_;
    char delimiter_;
};

} // namespace

Problem malformedLine(std::size_t line, std::string what) {
    return {ExitStatus::BadInput, format(tr("line %1"), {integerText(line)}), std::move(what)};
}

Outcome<std::unique_ptr<CsvSource>> CsvSource::open(ByteSource& file, const FormatChoice& choice,
                                                    std::size_t readSize) {
    std::unique_ptr<CsvSource> source(new CsvSource);
    auto text = TableText::open(file, choice.encoding);
    if (!text) {
        return std::unexpected(text.error());
    }
    source->text_ = std::move(*text);
    source->format_.encoding = source->text_->encoding();
    source->format_.byteOrderMark = source->text_->byteOrderMark();
    const auto look = source->text_->text().peek(lookSize);
    if (!look) {
        return std::unexpected(look.error());
    }
    const CsvDialect dialect = guessCsvDialect(*look, look->size() < lookSize, choice.delimiter);
    source->format_.dialect = dialect;
    if (dialect.crAlone) {
        source->text_->readCrAsLineFeed();
    }
    source->blocks_.emplace(source->text_->text(), dialect.delimiter, readSize);
    if (dialect.separatorLine) {
        if (auto line = source->blocks_->nextRecord(); !line) {
            return std::unexpected(line.error());
        }
    }
    return source;
}

Outcome<std::shared_ptr<const RecordBatch>>
CsvSource::batchOf(Outcome<std::optional<TableBlock>> block) {
    if (!block) {
        return std::unexpected(block.error());
    }
    if (!*block) {
        return nullptr;
    }
    return std::make_shared<const CsvBatch>(std::move(**block), format_.dialect.delimiter);
}

Outcome<std::shared_ptr<const RecordBatch>> CsvSource::next(std::size_t size) {
    return batchOf(blocks_->next(size));
}

Outcome<std::shared_ptr<const RecordBatch>> CsvSource::nextRecord() {
    return batchOf(blocks_->nextRecord());
}

std::string CsvSource::place(std::size_t line) const {
    return batch::format(tr("line %1"), {integerText(line)});
}

} // namespace evdrive::batch
