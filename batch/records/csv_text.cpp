// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/csv_text.h"

namespace evdrive::batch {

void appendCell(std::string& line, std::string_view text, char delimiter) {
    // One pass over the text: find_first_of would search the four characters
    // for each of its characters, which costs more than the rest of writing it.
    bool quote = false;
    for (const char c : text) {
        quote = quote || c == delimiter || c == '"' || c == '\n' || c == '\r';
    }
    if (!quote) {
        line += text;
        return;
    }
    line += '"';
    for (std::size_t at; (at = text.find('"')) != std::string_view::npos;) {
        line.append(text.substr(0, at + 1));
        line += '"';
        text.remove_prefix(at + 1);
    }
    line += text;
    line += '"';
}

} // namespace evdrive::batch
