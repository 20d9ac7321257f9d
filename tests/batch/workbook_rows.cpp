// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/batch/workbook_rows.h"

#include <cstdio>

namespace evdrive::batch {

std::vector<std::string> describeRows(WorkbookReader& reader) {
    constexpr const char* kinds[] = {"E", "N", "T", "B", "X", "F"};
    std::vector<std::string> rows;
    for (;;) {
        const auto row = reader.next();
        if (!row) {
            rows.push_back(row.error().message());
            return rows;
        }
        if (!*row) {
            return rows;
        }
        std::string text = std::to_string((*row)->number) + ":";
        for (const SheetCell& cell : (*row)->cells) {
            text += std::string(" ") + kinds[static_cast<int>(cell.kind)] + "'";
            text += cell.text;
            text += "'";
        }
        rows.push_back(text);
    }
}

std::string fileBytes(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            bytes.append(buffer, got);
        }
        std::fclose(file);
    }
    return bytes;
}

} // namespace evdrive::batch
