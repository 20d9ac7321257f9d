// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace evdrive::batch {

// UTF-8 as the Unicode standard has it: no overlong forms, no surrogates,
// nothing beyond U+10FFFF. Every reading, writing and counting of UTF-8 in
// evdrive-batch goes through here.

// The character at the start of text. length 0 where text ends inside it;
// for bytes that start no character, point is notACharacter and length 1.
struct Utf8Char {
    char32_t point;
    std::size_t length;
};

inline constexpr char32_t notACharacter = 0xFFFFFFFF;

Utf8Char decodeUtf8(std::string_view text);

void appendUtf8(std::string& text, char32_t point);

// Checks UTF-8 that comes in pieces, a piece perhaps ending inside a character.
class Utf8Check {
  public:
    // How many bytes at the start of piece are characters, whole or begun:
    // up to the first byte that is none, or all of them.
    std::size_t check(std::string_view piece);
    // Whether the last piece ended inside a character.
    bool insideCharacter() const { return pending_ > 0; }

  private:
    unsigned pending_ = 0; // continuation bytes still to come
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
};

// The code points of text; a byte that is no character stands for itself.
std::u32string codePoints(std::string_view text);
std::string utf8Of(std::u32string_view points);
// UTF-16, as Windows takes file names and console text.
std::u16string utf16Of(std::string_view text);

// The character that starts at offset at, whole, for a message.
std::string_view characterAt(std::string_view text, std::size_t at);

// Terminal columns: two for a wide East Asian character, one for any other.
std::size_t displayWidth(std::string_view text);

} // namespace evdrive::batch
