// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/byte_source.h"
#include "batch/problem.h"
#include "batch/text_codec.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace evdrive::batch {

// How a table is written, as its start shows or the command line says.
struct TableFormat {
    std::string encoding{utf8};
    bool byteOrderMark = false;
    char delimiter = ',';
    bool separatorLine = false; // a first line "sep=;" names the delimiter
    bool crAlone = false;       // lines end in CR alone, as older spreadsheets wrote
};

// What the command line says of the format; what it leaves unsaid is found out.
struct FormatChoice {
    std::optional<std::string> encoding;
    std::optional<char> delimiter;
};

// A table as UTF-8 text without a byte-order mark, its lines ending in LF or
// CRLF, whatever it was written in, and how it was written.
class TableInput {
  public:
    static Outcome<std::unique_ptr<TableInput>> open(ByteSource& file, const FormatChoice& choice);

    ByteSource& text() { return *sources_.back(); }
    const TableFormat& format() const { return format_; }

  private:
    TableInput() = default;

    Outcome<> findEncoding(ByteSource& file, const std::optional<std::string>& given);
    Outcome<> findLayout(std::optional<char> given);

    TableFormat format_;
    // Each reads from the one before it.
    std::vector<std::unique_ptr<ByteSource>> sources_;
};

} // namespace evdrive::batch
