// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/decoding_source.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <algorithm>

namespace evdrive::batch {

DecodingSource::DecodingSource(ByteSource& inner, std::unique_ptr<TextCodec> codec,
                               std::string encoding)
    : inner_(inner)
    , codec_(std::move(codec))
    , encoding_(std::move(encoding)) {}

Problem DecodingSource::invalid(std::string_view what, std::size_t lines) const {
    return {ExitStatus::BadInput, format(tr("line %1"), {integerText(lines + 1)}),
            format(what, {encoding_})};
}

// Text that converts before bad bytes is read first, so that the rows before
// their line are written.
Outcome<std::size_t> DecodingSource::read(std::span<char> buffer) {
    while (given_ == decoded_.size()) {
        if (failure_) {
            return std::unexpected(*failure_);
        }
        if (ended_) {
            return 0;
        }
        decoded_.clear();
        given_ = 0;
        const auto got = readOnto(inner_, raw_, buffer.size());
        if (!got) {
            return std::unexpected(got.error());
        }
        ended_ = *got == 0;
        const auto taken = codec_->convert(raw_, decoded_);
        const auto linesBefore = [&] {
            return lines_ +
                   static_cast<std::size_t>(std::count(decoded_.begin(), decoded_.end(), '\n'));
        };
        if (!taken) {
            failure_ = invalid(tr("bytes that are no character in %1 (give the table's encoding "
                                  "with --encoding, see --help)"),
                               linesBefore());
        } else if (ended_ && *taken < raw_.size()) {
            failure_ = invalid(tr("a character cut off at the end in %1 (give the table's "
                                  "encoding with --encoding, see --help)"),
                               linesBefore());
        } else {
            raw_.erase(0, *taken);
        }
    }
    const std::size_t given = std::min(buffer.size(), decoded_.size() - given_);
    const auto from = decoded_.begin() + static_cast<std::ptrdiff_t>(given_);
    std::copy_n(from, given, buffer.begin());
    lines_ +=
        static_cast<std::size_t>(std::count(from, from + static_cast<std::ptrdiff_t>(given), '\n'));
    given_ += given;
    return given;
}

} // namespace evdrive::batch
