// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/records/csv_blocks.h"
#include "batch/records/csv_dialect.h"
#include "batch/records/record_source.h"
#include "batch/text/byte_source.h"
#include "batch/text/table_text.h"

#include <memory>
#include <optional>
#include <string>

namespace evdrive::batch {

// How a CSV table is written, as its start shows or the command line says.
struct TableFormat {
    std::string encoding{utf8};
    bool byteOrderMark = false;
    CsvDialect dialect;
};

// What the command line says of the format; what it leaves unsaid is found out.
struct FormatChoice {
    std::optional<std::string> encoding;
    std::optional<char> delimiter;
};

// The records of a CSV table, read in pieces of readSize bytes: cut into
// blocks of whole records here, their cells read where they are worked on.
// A first line "sep=;" is read here and never given.
class CsvSource : public RecordSource {
  public:
    static Outcome<std::unique_ptr<CsvSource>> open(ByteSource& file, const FormatChoice& choice,
                                                    std::size_t readSize = defaultReadSize);

    const TableFormat& format() const { return format_; }

    Outcome<std::shared_ptr<const RecordBatch>> next(std::size_t size) override;
    Outcome<std::shared_ptr<const RecordBatch>> nextRecord() override;
    std::string place(std::size_t line) const override;

  private:
    CsvSource() = default;

    Outcome<std::shared_ptr<const RecordBatch>> batchOf(Outcome<std::optional<TableBlock>> block);

    std::unique_ptr<TableText> text_;
    TableFormat format_;
    std::optional<CsvBlocks> blocks_;
};

// "line 7: …"
Problem malformedLine(std::size_t line, std::string what);

} // namespace evdrive::batch
