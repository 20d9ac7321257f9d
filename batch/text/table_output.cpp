// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/table_output.h"

#include "batch/text/utf8.h"
#include "batch/translation.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace evdrive::batch {

TableOutput::TableOutput(std::FILE* file, std::string encoding, bool crAlone)
    : file_(file)
    , crAlone_(crAlone)
    , encoding_(std::move(encoding))
    , codec_(sameEncoding(encoding_, utf8) ? nullptr : openCodec(utf8, encoding_)) {}

Outcome<> TableOutput::write(std::string text) {
    if (crAlone_) {
        std::replace(text.begin(), text.end(), '\n', '\r');
    }
    if (codec_) {
        // What the table held converts back; a name an option gives in
        // Chinese may not, in an encoding without Chinese.
        std::string encoded;
        if (const auto converted = codec_->convert(text, encoded); !converted) {
            return problem(ExitStatus::BadInput, std::string(tr("standard output")),
                           format(tr("the character %1 cannot be written in %2"),
                                  {characterAt(text, converted.error()), encoding_}));
        }
        text.swap(encoded);
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        return problem(ExitStatus::IoFailure, std::string(tr("standard output")),
                       std::string(errorText(errno != 0 ? errno : EIO)));
    }
    return {};
}

Outcome<> TableOutput::flush() {
    if (std::fflush(file_) != 0) {
        return problem(ExitStatus::IoFailure, std::string(tr("standard output")),
                       std::string(errorText(errno)));
    }
    return {};
}

} // namespace evdrive::batch
