// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/text_codec.h"
#include "batch/text/utf8.h"

#include <array>
#include <optional>
#include <string>
#include <windows.h>

namespace evdrive::batch {
namespace {

// How the bytes of an encoding make characters. The system's converter reads
// and writes code pages, but neither says where a character cut off by the
// end of a piece begins nor which bytes it could not convert; that much is
// found from the encoding's structure here. UTF-16 is no code page to the
// converter and is read and written here.
enum class Layout {
    singleByte,
    doubleByte, // lead bytes as the code page names them
    utf8,
    gb18030,
    utf16le,
    utf16be,
    utf16, // its byte-order mark first, little-endian without one
};

struct Encoding {
    Layout layout;
    UINT codePage = 0;
    std::array<bool, 256> leadBytes{};
};

constexpr UINT gb18030CodePage = 54936;

std::optional<UINT> number(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    UINT value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<UINT>(c - '0');
    }
    return value;
}

// The code page of a name as iconv knows it, as far as Windows has one.
// GBK and GB2312 are read as code page 936, Windows' GBK, which is what a
// spreadsheet writes there as "ANSI" text (and what iconv's GBK is, the euro
// sign at 0x80 included); GB18030, which holds them, as 54936.
std::optional<UINT> codePageNamed(const std::string& name) {
    struct Known {
        std::string_view name;
        UINT codePage;
    };
    static constexpr Known known[] = {
        {"UTF8", CP_UTF8},    {"GB18030", gb18030CodePage},
        {"GBK", 936},         {"GB2312", 936},
        {"EUCCN", 936},       {"BIG5", 950},
        {"SHIFTJIS", 932},    {"SJIS", 932},
        {"EUCJP", 20932},     {"EUCKR", 949},
        {"UHC", 949},         {"KOI8R", 20866},
        {"KOI8U", 21866},     {"ASCII", 20127},
        {"USASCII", 20127},   {"LATIN1", 28591},
        {"ISO885913", 28603}, {"ISO885915", 28605},
    };
    for (const Known& entry : known) {
        if (name == entry.name) {
            return entry.codePage;
        }
    }
    const std::string_view rest = name;
    if (rest.starts_with("ISO8859") && rest.size() == 8 && rest[7] >= '1' && rest[7] <= '9') {
        return 28590 + static_cast<UINT>(rest[7] - '0');
    }
    for (const std::string_view prefix : {"CP", "WINDOWS", "IBM"}) {
        if (rest.starts_with(prefix)) {
            return number(rest.substr(prefix.size()));
        }
    }
    return std::nullopt;
}

std::optional<Encoding> encodingNamed(std::string_view name) {
    const std::string plain = encodingKey(name);
    if (plain == "UTF16LE") {
        return Encoding{Layout::utf16le};
    }
    if (plain == "UTF16BE") {
        return Encoding{Layout::utf16be};
    }
    if (plain == "UTF16") {
        return Encoding{Layout::utf16};
    }
    // The numbers below 37 and CP_SYMBOL stand for the system's own code
    // pages or for none.
    const auto codePage = codePageNamed(plain);
    if (!codePage || *codePage < 37 || *codePage == CP_SYMBOL || !IsValidCodePage(*codePage)) {
        return std::nullopt;
    }
    if (*codePage == CP_UTF8) {
        return Encoding{Layout::utf8, CP_UTF8};
    }
    if (*codePage == gb18030CodePage) {
        return Encoding{Layout::gb18030, gb18030CodePage};
    }
    // Stateful code pages and those of longer characters (UTF-7, ISO-2022,
    // HZ, ISCII) cannot be cut into characters by their bytes alone.
    CPINFO info;
    if (!GetCPInfo(*codePage, &info) || info.MaxCharSize > 2) {
        return std::nullopt;
    }
    Encoding encoding{info.MaxCharSize == 1 ? Layout::singleByte : Layout::doubleByte, *codePage};
    for (int byte = 0; byte < 256; ++byte) {
        encoding.leadBytes[static_cast<std::size_t>(byte)] =
            IsDBCSLeadByteEx(*codePage, static_cast<BYTE>(byte)) != 0;
    }
    return encoding;
}

bool isHighSurrogate(unsigned unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(unsigned unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

unsigned unitAt(std::string_view text, std::size_t at, bool bigEndian) {
    const auto first = static_cast<unsigned char>(text[at]);
    const auto second = static_cast<unsigned char>(text[at + 1]);
    return bigEndian ? (first << 8) | second : (second << 8) | first;
}

// The length of the character text starts with, as far as the encoding's
// structure tells: bytes that make no character are left to the converter to
// reject. 0 where text ends before the character does.
std::size_t characterLength(const Encoding& encoding, std::string_view text) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    switch (encoding.layout) {
    case Layout::singleByte:
        return 1;
    case Layout::doubleByte:
        return !encoding.leadBytes[byte(0)] ? 1 : text.size() < 2 ? 0 : 2;
    case Layout::utf8: {
        // Bytes that are no character go to the converter, which rejects them.
        const Utf8Char next = decodeUtf8(text);
        return next.point == notACharacter ? 1 : next.length;
    }
    case Layout::gb18030: {
        // One byte up to 0x80; a lead of 0x81-0xFE and then another byte, or
        // a digit, a byte of 0x81-0xFE and a digit.
        if (byte(0) < 0x81 || byte(0) == 0xFF) {
            return 1;
        }
        if (text.size() < 2) {
            return 0;
        }
        if (byte(1) < 0x30 || byte(1) > 0x39) {
            return 2;
        }
        if (text.size() < 3) {
            return 0;
        }
        if (byte(2) < 0x81 || byte(2) == 0xFF) {
            return 3;
        }
        return text.size() < 4 ? 0 : 4;
    }
    case Layout::utf16le:
    case Layout::utf16be:
    case Layout::utf16: {
        if (text.size() < 2) {
            return 0;
        }
        const bool bigEndian = encoding.layout == Layout::utf16be;
        if (!isHighSurrogate(unitAt(text, 0, bigEndian))) {
            return 2;
        }
        if (text.size() < 4) {
            return 0;
        }
        return isLowSurrogate(unitAt(text, 2, bigEndian)) ? 4 : 2;
    }
    }
    return 1;
}

// Whole characters of the encoding to UTF-16; false for bytes that are none.
bool decode(const Encoding& encoding, std::string_view bytes, std::wstring& units) {
    if (encoding.layout == Layout::utf16le || encoding.layout == Layout::utf16be ||
        encoding.layout == Layout::utf16) {
        const bool bigEndian = encoding.layout == Layout::utf16be;
        for (std::size_t at = 0; at < bytes.size(); at += 2) {
            const unsigned unit = unitAt(bytes, at, bigEndian);
            // A pair's high half comes with its low half; a half alone is no character.
            if (isLowSurrogate(unit) ||
                (isHighSurrogate(unit) &&
                 (at + 2 == bytes.size() || !isLowSurrogate(unitAt(bytes, at + 2, bigEndian))))) {
                return false;
            }
            units += static_cast<wchar_t>(unit);
            if (isHighSurrogate(unit)) {
                at += 2;
                units += static_cast<wchar_t>(unitAt(bytes, at, bigEndian));
            }
        }
        return true;
    }
    // No character takes fewer units than bytes.
    const std::size_t old = units.size();
    int got = 0;
    units.resize_and_overwrite(old + bytes.size(), [&](wchar_t* data, std::size_t) {
        got = MultiByteToWideChar(encoding.codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                  static_cast<int>(bytes.size()), data + old,
                                  static_cast<int>(bytes.size()));
        return old + static_cast<std::size_t>(got);
    });
    return got > 0;
}

// UTF-16 to the encoding; false for a character it cannot hold.
bool encode(const Encoding& encoding, std::wstring_view units, std::string& bytes) {
    if (encoding.layout == Layout::utf16le || encoding.layout == Layout::utf16be ||
        encoding.layout == Layout::utf16) {
        const bool bigEndian = encoding.layout == Layout::utf16be;
        for (const wchar_t unit : units) {
            const auto high = static_cast<char>(static_cast<unsigned>(unit) >> 8);
            const auto low = static_cast<char>(static_cast<unsigned>(unit) & 0xFF);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        return true;
    }
    // UTF-8 and GB18030 hold every character and say when a unit is no
    // character; other code pages say when they put their default character
    // in, and must not put a look-alike instead.
    const bool unicode = encoding.layout == Layout::utf8 || encoding.layout == Layout::gb18030;
    const DWORD flags = unicode ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL defaulted = FALSE;
    // At most four bytes for a unit.
    const std::size_t room = 4 * units.size();
    const std::size_t old = bytes.size();
    int got = 0;
    bytes.resize_and_overwrite(old + room, [&](char* data, std::size_t) {
        got = WideCharToMultiByte(encoding.codePage, flags, units.data(),
                                  static_cast<int>(units.size()), data + old,
                                  static_cast<int>(room), nullptr, unicode ? nullptr : &defaulted);
        return old + static_cast<std::size_t>(got);
    });
    return got > 0 && !defaulted;
}

// The system's converter, by way of UTF-16.
class WindowsCodec : public TextCodec {
  public:
    WindowsCodec(Encoding from, Encoding to)
        : from_(from)
        , to_(to) {}

    std::expected<std::size_t, std::size_t> convert(std::string_view input,
                                                    std::string& output) override {
        std::size_t done = 0;
        if (from_.layout == Layout::utf16 && !started_) {
            if (input.size() < 2) {
                return 0;
            }
            if (input.starts_with("\xFE\xFF")) {
                from_.layout = Layout::utf16be;
                done = 2;
            } else if (input.starts_with("\xFF\xFE")) {
                done = 2;
            }
        }
        if (to_.layout == Layout::utf16 && !started_) {
            output += "\xFF\xFE";
        }
        started_ = true;
        while (done < input.size()) {
            const std::string_view rest = input.substr(done);
            std::size_t whole = 0;
            while (whole < rest.size() && whole < pieceSize) {
                const std::size_t length = characterLength(from_, rest.substr(whole));
                if (length == 0) {
                    break;
                }
                whole += length;
            }
            if (whole == 0) {
                break; // a character the input breaks off
            }
            if (!convertWhole(rest.substr(0, whole), output)) {
                return std::unexpected(done + convertUntilFailure(rest.substr(0, whole), output));
            }
            done += whole;
        }
        return done;
    }

  private:
    // Within the int lengths the converter takes.
    static constexpr std::size_t pieceSize = std::size_t{1} << 20;

    bool convertWhole(std::string_view bytes, std::string& output) {
        units_.clear();
        const std::size_t old = output.size();
        if (decode(from_, bytes, units_) && encode(to_, units_, output)) {
            return true;
        }
        output.resize(old);
        return false;
    }

    // Converts character by character up to the one that fails, and returns its offset.
    std::size_t convertUntilFailure(std::string_view bytes, std::string& output) {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const std::size_t length = characterLength(from_, bytes.substr(at));
            if (!convertWhole(bytes.substr(at, length), output)) {
                break;
            }
            at += length;
        }
        return at;
    }

    Encoding from_;
    Encoding to_;
    bool started_ = false;
    std::wstring units_;
};

} // namespace

std::unique_ptr<TextCodec> openCodec(std::string_view from, std::string_view to) {
    const auto source = encodingNamed(from);
    const auto target = encodingNamed(to);
    if (!source || !target) {
        return nullptr;
    }
    return std::make_unique<WindowsCodec>(*source, *target);
}

} // namespace evdrive::batch
