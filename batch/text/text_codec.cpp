// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/text_codec.h"

namespace evdrive::batch {

std::string encodingKey(std::string_view name) {
    std::string plain;
    for (const char c : name) {
        if (c != '-' && c != '_') {
            plain += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
    }
    return plain;
}

bool sameEncoding(std::string_view a, std::string_view b) {
    return encodingKey(a) == encodingKey(b);
}

} // namespace evdrive::batch
