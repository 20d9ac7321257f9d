// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/text/byte_source.h"
#include "batch/text/peekable_source.h"
#include "batch/text/text_codec.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace evdrive::batch {

// A table's bytes as UTF-8 text without a byte-order mark, whatever they
// were written in: the encoding as the byte-order mark or the start of the
// text shows, or as the command line says. Text that is no character of the
// encoding, UTF-8 included, stops the reading at its line, after the text
// before it.
class TableText {
  public:
    static Outcome<std::unique_ptr<TableText>> open(ByteSource& file,
                                                    const std::optional<std::string>& encoding);

    // The text, whose start can be looked at before it is read.
    PeekableSource& text() { return static_cast<PeekableSource&>(*sources_.back()); }
    // Lines that end in CR alone read from here on as lines that end in LF.
    void readCrAsLineFeed();

    const std::string& encoding() const { return encoding_; }
    bool byteOrderMark() const { return byteOrderMark_; }

  private:
    TableText() = default;

    std::string encoding_{utf8};
    bool byteOrderMark_ = false;
    // Each reads from the one before it.
    std::vector<std::unique_ptr<ByteSource>> sources_;
};

} // namespace evdrive::batch
