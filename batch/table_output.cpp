// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_output.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace evdrive::batch {

TableOutput::TableOutput(std::FILE* file, const TableFormat& format)
    : file_(file)
    , crAlone_(format.crAlone)
    , encoding_(format.encoding)
    , codec_(sameEncoding(format.encoding, utf8) ? nullptr : openCodec(utf8, format.encoding)) {}

Outcome<> TableOutput::write(std::string text) {
    if (crAlone_) {
        std::replace(text.begin(), text.end(), '\n', '\r');
    }
    if (codec_) {
        // What the table held converts back; a name an option gives in
        // Chinese may not, in an encoding without Chinese.
        std::string encoded;
        if (const auto converted = codec_->convert(text, encoded); !converted) {
            // The character, whole: its lead byte and those that continue it.
            const std::size_t at = converted.error();
            std::size_t end = at + 1;
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
                ++end;
            }
            return problem(ExitStatus::BadInput, "standard output",
                           "the character " + text.substr(at, end - at) + " cannot be written in " +
                               encoding_);
        }
        text.swap(encoded);
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        return problem(ExitStatus::IoFailure, "standard output",
                       std::strerror(errno != 0 ? errno : EIO));
    }
    return {};
}

Outcome<> TableOutput::flush() {
    if (std::fflush(file_) != 0) {
        return problem(ExitStatus::IoFailure, "standard output", std::strerror(errno));
    }
    return {};
}

} // namespace evdrive::batch
