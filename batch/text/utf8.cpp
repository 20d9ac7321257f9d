// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/utf8.h"

namespace evdrive::batch {
namespace {

bool continues(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Where ASCII ends, from at: tables are mostly ASCII, looked at eight bytes
// at a time where they are.
std::size_t pastAscii(std::string_view text, std::size_t at) {
    while (at + 8 <= text.size()) {
        unsigned char any = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            any |= static_cast<unsigned char>(text[at + i]);
        }
        if (any & 0x80) {
            break;
        }
        at += 8;
    }
    return at;
}

} // namespace

Utf8Char decodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    // The second byte's range rules out overlong forms, surrogates and
    // points beyond U+10FFFF.
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return {notACharacter, 1};
    }
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (i == text.size()) {
            return {0, 0};
        }
        const unsigned next = byte(i);
        if (i == 1 ? next < low || next > high : !continues(static_cast<unsigned char>(next))) {
            return {notACharacter, 1};
        }
        point = point << 6 | (next & 0x3F);
    }
    return {point, length};
}

void appendUtf8(std::string& text, char32_t point) {
    const auto unit = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (point < 0x80) {
        unit(point);
    } else if (point < 0x800) {
        unit(0xC0 | point >> 6);
        unit(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        unit(0xE0 | point >> 12);
        unit(0x80 | (point >> 6 & 0x3F));
        unit(0x80 | (point & 0x3F));
    } else {
        unit(0xF0 | point >> 18);
        unit(0x80 | (point >> 12 & 0x3F));
        unit(0x80 | (point >> 6 & 0x3F));
        unit(0x80 | (point & 0x3F));
    }
}

std::size_t Utf8Check::check(std::string_view piece) {
    std::size_t at = 0;
    while (at < piece.size()) {
        if (pending_ == 0) {
            at = pastAscii(piece, at);
            if (at == piece.size()) {
                break;
            }
            const auto lead = static_cast<unsigned char>(piece[at]);
            if (lead < 0x80) {
                ++at;
                continue;
            }
            // The second byte's range rules out overlong forms, surrogates and
            // points beyond U+10FFFF, as decodeUtf8 does.
            low_ = 0x80;
            high_ = 0xBF;
            if (lead >= 0xC2 && lead <= 0xDF) {
                pending_ = 1;
            } else if (lead >= 0xE0 && lead <= 0xEF) {
                pending_ = 2;
                low_ = lead == 0xE0 ? 0xA0 : low_;
                high_ = lead == 0xED ? 0x9F : high_;
            } else if (lead >= 0xF0 && lead <= 0xF4) {
                pending_ = 3;
                low_ = lead == 0xF0 ? 0x90 : low_;
                high_ = lead == 0xF4 ? 0x8F : high_;
            } else {
                return at;
            }
            ++at;
            continue;
        }
        const auto next = static_cast<unsigned char>(piece[at]);
        if (next < low_ || next > high_) {
            pending_ = 0;
            return at;
        }
        low_ = 0x80;
        high_ = 0xBF;
        --pending_;
        ++at;
    }
    return at;
}

std::u32string codePoints(std::string_view text) {
    std::u32string points;
    while (!text.empty()) {
        const Utf8Char next = decodeUtf8(text);
        const bool whole = next.length > 0 && next.point != notACharacter;
        points += whole ? next.point : static_cast<unsigned char>(text[0]);
        text.remove_prefix(whole ? next.length : 1);
    }
    return points;
}

std::string utf8Of(std::u32string_view points) {
    std::string text;
    for (const char32_t point : points) {
        appendUtf8(text, point);
    }
    return text;
}

std::u16string utf16Of(std::string_view text) {
    std::u16string units;
    for (const char32_t point : codePoints(text)) {
        if (point < 0x10000) {
            units += static_cast<char16_t>(point);
        } else {
            units += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string_view characterAt(std::string_view text, std::size_t at) {
    const Utf8Char next = decodeUtf8(text.substr(at));
    return text.substr(at, next.length == 0 ? text.size() - at : next.length);
}

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char32_t point : codePoints(text)) {
        // Hangul Jamo, CJK punctuation to Yi, Hangul, compatibility
        // ideographs, full-width forms and the supplementary ideographs.
        const bool wide =
            (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF) ||
            (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF) ||
            (point >= 0xFF00 && point <= 0xFF60) || (point >= 0xFFE0 && point <= 0xFFE6) ||
            (point >= 0x20000 && point <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

} // namespace evdrive::batch
