// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/peekable_source.h"

#include <algorithm>

namespace evdrive::batch {

// The bytes may come a few at a time through a pipe. A failed read ends the
// look at what was read before it; the failure comes when that is read.
Outcome<std::string_view> PeekableSource::peek(std::size_t size) {
    while (kept_.size() < size && !ended_ && !failure_) {
        const auto got = readOnto(inner_, kept_, size - kept_.size());
        if (!got) {
            if (kept_.empty()) {
                return std::unexpected(got.error());
            }
            failure_ = got.error();
            break;
        }
        ended_ = *got == 0;
    }
    return kept_;
}

Outcome<std::size_t> PeekableSource::read(std::span<char> buffer) {
    if (kept_.empty() && failure_) {
        return std::unexpected(*failure_);
    }
    if (kept_.empty()) {
        return inner_.read(buffer);
    }
    const std::size_t given = std::min(buffer.size(), kept_.size());
    std::copy_n(kept_.begin(), given, buffer.begin());
    kept_.erase(0, given);
    return given;
}

} // namespace evdrive::batch
