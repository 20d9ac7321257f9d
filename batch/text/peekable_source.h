// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/text/byte_source.h"

#include <optional>
#include <string>
#include <string_view>

namespace evdrive::batch {

// A source whose start can be looked at before it is read: the byte-order
// mark, the encoding, the delimiter and the line ends are told from it.
class PeekableSource : public ByteSource {
  public:
    explicit PeekableSource(ByteSource& inner)
        : inner_(inner) {}

    // At least size bytes from what is left to read, fewer only where the input ends first.
    Outcome<std::string_view> peek(std::size_t size);
    void skip(std::size_t bytes) { kept_.erase(0, bytes); }

    Outcome<std::size_t> read(std::span<char> buffer) override;

  private:
    ByteSource& inner_;
    std::string kept_;
    bool ended_ = false;
    std::optional<Problem> failure_;
};

} // namespace evdrive::batch
