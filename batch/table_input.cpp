// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_input.h"

#include "batch/decoding_source.h"
#include "batch/integer_text.h"
#include "batch/peekable_source.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace evdrive::batch {
namespace {

// Enough of the start to tell the encoding, and the header's delimiter and line end.
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

// Whether text is UTF-8, a character cut off by its end aside.
bool isUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if (at + i == text.size()) {
                return true;
            }
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

// Lines ending in CR alone read as lines ending in LF. A line feed among them
// would come out as a CR: rather than change the table, the reading stops
// there, once the text before it is read.
class CrLineSource : public ByteSource {
  public:
    explicit CrLineSource(ByteSource& inner)
        : inner_(inner) {}

    Outcome<std::size_t> read(std::span<char> buffer) override {
        if (lineFeedSeen_) {
            return problem(ExitStatus::BadInput, "line " + integerText(lines_ + 1),
                           "a line feed in a table whose lines end in CR alone");
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

// The first line of text and its end, outside quoted cells, and the
// delimiter it holds most of there: a quote opens a cell at the line's start
// or after any of the delimiters a table may have.
struct FirstLine {
    std::string_view text;
    std::string_view end; // "\n", "\r\n", "\r", or empty where the text ends first
    char delimiter = ','; // a comma where the line holds none
};

FirstLine firstLine(std::string_view text) {
    constexpr std::array<char, 3> delimiters = {',', ';', '\t'};
    std::array<std::size_t, 3> counts{};
    FirstLine line{text, {}};
    bool quoted = false;
    bool cellStart = true;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            quoted = quoted || cellStart ? !quoted : false;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            const bool crlf = c == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
            line = {text.substr(0, at), text.substr(at, crlf ? 2 : 1)};
            break;
        }
        const auto delimiter = std::find(delimiters.begin(), delimiters.end(), c);
        cellStart = !quoted && delimiter != delimiters.end();
        if (cellStart) {
            ++counts[static_cast<std::size_t>(delimiter - delimiters.begin())];
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    if (*most > 0) {
        line.delimiter = delimiters[static_cast<std::size_t>(most - counts.begin())];
    }
    return line;
}

} // namespace

Outcome<std::unique_ptr<TableInput>> TableInput::open(ByteSource& file,
                                                      const FormatChoice& choice) {
    std::unique_ptr<TableInput> input(new TableInput);
    if (auto found = input->findEncoding(file, choice.encoding); !found) {
        return std::unexpected(found.error());
    }
    if (auto found = input->findLayout(choice.delimiter); !found) {
        return std::unexpected(found.error());
    }
    return input;
}

Outcome<> TableInput::findEncoding(ByteSource& file, const std::optional<std::string>& given) {
    auto raw = std::make_unique<PeekableSource>(file);
    const auto start = raw->peek(sniffSize);
    if (!start) {
        return std::unexpected(start.error());
    }
    for (const Mark& mark : byteOrderMarks) {
        if (start->starts_with(mark.bytes) && (!given || sameEncoding(*given, mark.encoding))) {
            raw->skip(mark.bytes.size());
            format_.byteOrderMark = true;
            format_.encoding = mark.encoding;
            break;
        }
    }
    if (given) {
        format_.encoding = *given;
    } else if (!format_.byteOrderMark && !isUtf8(*start)) {
        // What a spreadsheet on a Chinese system writes; it holds GBK and GB2312.
        format_.encoding = gb18030;
    }
    sources_.push_back(std::move(raw));
    if (sameEncoding(format_.encoding, utf8)) {
        return {};
    }
    auto codec = openCodec(format_.encoding, utf8);
    if (!codec && !given) {
        // Some systems lack GB18030 (Wine, trimmed Windows images); their GBK
        // reads what Chinese spreadsheets save but for rare characters.
        return problem(ExitStatus::BadInput, "the table",
                       "its start is not UTF-8, and GB18030, which it would then be read in, is "
                       "not available on this system: give --encoding GBK to read it as GBK");
    }
    if (!codec) {
        return problem(ExitStatus::BadInput, "--encoding " + format_.encoding,
                       "no such encoding is known here");
    }
    sources_.push_back(
        std::make_unique<DecodingSource>(*sources_.back(), std::move(codec), format_.encoding));
    return {};
}

Outcome<> TableInput::findLayout(std::optional<char> given) {
    auto text = std::make_unique<PeekableSource>(*sources_.back());
    auto start = text->peek(sniffSize);
    if (!start) {
        return std::unexpected(start.error());
    }
    FirstLine line = firstLine(*start);
    format_.delimiter = line.delimiter;
    if (line.text.size() == 5 && line.text.starts_with("sep=") && line.text[4] != '"') {
        format_.separatorLine = true;
        format_.delimiter = line.text[4];
        line = firstLine(start->substr(line.text.size() + line.end.size()));
    }
    format_.delimiter = given.value_or(format_.delimiter);
    // A CR at the very end of the look may be the first half of a CRLF.
    const bool lookEnded = start->size() < sniffSize;
    format_.crAlone =
        line.end == "\r" && (lookEnded || line.text.end() + 1 < start->data() + start->size());
    sources_.push_back(std::move(text));
    if (format_.crAlone) {
        sources_.push_back(std::make_unique<CrLineSource>(*sources_.back()));
    }
    return {};
}

} // namespace evdrive::batch
