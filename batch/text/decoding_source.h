// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/text/byte_source.h"
#include "batch/text/text_codec.h"

#include <memory>
#include <optional>
#include <string>

namespace evdrive::batch {

// A table in another encoding read as UTF-8. Bytes that are no character of
// the encoding stop the reading at their line.
class DecodingSource : public ByteSource {
  public:
    DecodingSource(ByteSource& inner, std::unique_ptr<TextCodec> codec, std::string encoding);

    Outcome<std::size_t> read(std::span<char> buffer) override;

  private:
    Problem invalid(std::string_view what, std::size_t lines) const;

    ByteSource& inner_;
    std::unique_ptr<TextCodec> codec_;
    std::string encoding_;
    std::string raw_;     // read, not yet converted: a character cut off
    std::string decoded_; // converted, not yet read
    std::size_t given_ = 0;
    std::size_t lines_ = 0; // line ends given so far
    bool ended_ = false;
    std::optional<Problem> failure_;
};

} // namespace evdrive::batch
