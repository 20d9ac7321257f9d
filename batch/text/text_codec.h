// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <expected>
#include <memory>
#include <string>
#include <string_view>

namespace evdrive::batch {

// The encodings evdrive-batch tells apart by itself; --encoding may name others.
inline constexpr std::string_view utf8 = "UTF-8";
inline constexpr std::string_view utf16le = "UTF-16LE";
inline constexpr std::string_view utf16be = "UTF-16BE";
inline constexpr std::string_view gb18030 = "GB18030";

// A name as encodings are compared: upper case, without dashes and
// underscores, so that "utf8" is "UTF-8".
std::string encodingKey(std::string_view name);

bool sameEncoding(std::string_view a, std::string_view b);

// Converts text from one encoding to another, piece by piece: a character cut
// in two by the end of a piece is left for the next.
class TextCodec {
  public:
    virtual ~TextCodec() = default;

    // Appends the conversion of the whole characters at the start of input to
    // output and returns how many bytes of input they took; or, for bytes that
    // are no character of the encoding, their offset in input.
    virtual std::expected<std::size_t, std::size_t> convert(std::string_view input,
                                                            std::string& output) = 0;
};

// A codec between two encodings by the names the system knows them by; null
// for a name it does not know.
std::unique_ptr<TextCodec> openCodec(std::string_view from, std::string_view to);

} // namespace evdrive::batch
