// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/table_text.h"

#include "batch/integer_text.h"
#include "batch/text/decoding_source.h"
#include "batch/text/utf8.h"
#include "batch/translation.h"

#include <array>
#include <cstring>
#include <string_view>

namespace evdrive::batch {
namespace {

// Enough of the start to tell the encoding.
constexpr std::size_t sniffSize = std::size_t{64} << 10;

struct Mark {
    std::string_view bytes;
    std::string_view encoding;
};

constexpr std::array<Mark, 3> byteOrderMarks = {{
    {"\xEF\xBB\xBF", utf8},
    {"\xFF\xFE", utf16le},
    {"\xFE\xFF", utf16be},
}};

// UTF-8 read as it is, checked on its way: bytes that are no character stop
// the reading at their line, once the text before them is read.
class Utf8Source : public ByteSource {
  public:
    explicit Utf8Source(ByteSource& inner)
        : inner_(inner) {}

    Outcome<std::size_t> read(std::span<char> buffer) override {
        if (failure_) {
            return std::unexpected(*failure_);
        }
        auto got = inner_.read(buffer);
        if (!got) {
            return got;
        }
        const std::string_view piece(buffer.data(), *got);
        const std::size_t whole = check_.check(piece);
        if (whole < piece.size() || (*got == 0 && check_.insideCharacter())) {
            failure_ = invalid(whole < piece.size()
                                   ? tr("bytes that are no character in %1 (give the table's "
                                        "encoding with --encoding, see --help)")
                                   : tr("a character cut off at the end in %1 (give the "
                                        "table's encoding with --encoding, see --help)"),
                               piece.substr(0, whole));
            return whole > 0 ? Outcome<std::size_t>(whole) : std::unexpected(*failure_);
        }
        countLines(piece);
        return got;
    }

  private:
    void countLines(std::string_view text) {
        for (const char* at = text.data();
             const auto* end = static_cast<const char*>(
                 std::memchr(at, '\n', static_cast<std::size_t>(text.data() + text.size() - at)));
             at = end + 1) {
            ++lines_;
        }
    }

    Problem invalid(std::string_view what, std::string_view before) {
        countLines(before);
        return {ExitStatus::BadInput, format(tr("line %1"), {integerText(lines_ + 1)}),
                format(what, {utf8})};
    }

    ByteSource& inner_;
    Utf8Check check_;
    std::size_t lines_ = 0; // line ends given so far
    std::optional<Problem> failure_;
};

// Lines ending in CR alone read as lines ending in LF. A line feed among them
// would come out as a CR: rather than change the table, the reading stops
// there, once the text before it is read.
class CrLineSource : public ByteSource {
  public:
    explicit CrLineSource(ByteSource& inner)
        : inner_(inner) {}

    Outcome<std::size_t> read(std::span<char> buffer) override {
        if (lineFeedSeen_) {
            return problem(ExitStatus::BadInput, format(tr("line %1"), {integerText(lines_ + 1)}),
                           std::string(tr("a line feed in a table whose lines end in CR alone")));
        }
        const auto got = inner_.read(buffer);
        if (!got) {
            return got;
        }
        for (std::size_t i = 0; i < *got; ++i) {
            if (buffer[i] == '\n') {
                lineFeedSeen_ = true;
                return i > 0 ? Outcome<std::size_t>(i) : read(buffer);
            }
            if (buffer[i] == '\r') {
                buffer[i] = '\n';
                ++lines_;
            }
        }
        return got;
    }

  private:
    ByteSource& inner_;
    std::size_t lines_ = 0;
    bool lineFeedSeen_ = false;
};

} // namespace

Outcome<std::unique_ptr<TableText>> TableText::open(ByteSource& file,
                                                    const std::optional<std::string>& given) {
    std::unique_ptr<TableText> table(new TableText);
    auto raw = std::make_unique<PeekableSource>(file);
    const auto start = raw->peek(sniffSize);
    if (!start) {
        return std::unexpected(start.error());
    }
    for (const Mark& mark : byteOrderMarks) {
        if (start->starts_with(mark.bytes) && (!given || sameEncoding(*given, mark.encoding))) {
            raw->skip(mark.bytes.size());
            table->byteOrderMark_ = true;
            table->encoding_ = mark.encoding;
            break;
        }
    }
    if (given) {
        table->encoding_ = *given;
    } else if (!table->byteOrderMark_ && Utf8Check().check(*start) < start->size()) {
        // What a spreadsheet on a Chinese system writes; it holds GBK and GB2312.
        table->encoding_ = gb18030;
    }
    table->sources_.push_back(std::move(raw));
    if (sameEncoding(table->encoding_, utf8)) {
        table->sources_.push_back(std::make_unique<Utf8Source>(*table->sources_.back()));
    } else {
        auto codec = openCodec(table->encoding_, utf8);
        if (!codec && !given) {
            // Some systems lack GB18030 (Wine, trimmed Windows images); their
            // GBK reads what Chinese spreadsheets save but for rare characters.
            return problem(ExitStatus::BadInput, std::string(tr("the table")),
                           std::string(tr("its start is not UTF-8, and GB18030, which it would "
                                          "then be read in, is not available on this system: "
                                          "give --encoding GBK to read it as GBK")));
        }
        if (!codec) {
            return problem(ExitStatus::BadInput, "--encoding " + table->encoding_,
                           std::string(tr("no such encoding is known here")));
        }
        table->sources_.push_back(std::make_unique<DecodingSource>(
            *table->sources_.back(), std::move(codec), table->encoding_));
    }
    table->sources_.push_back(std::make_unique<PeekableSource>(*table->sources_.back()));
    return table;
}

void TableText::readCrAsLineFeed() {
    auto lines = std::make_unique<CrLineSource>(*sources_.back());
    sources_.push_back(std::move(lines));
    sources_.push_back(std::make_unique<PeekableSource>(*sources_.back()));
}

} // namespace evdrive::batch
