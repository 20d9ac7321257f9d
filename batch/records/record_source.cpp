// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/record_source.h"

#include <algorithm>

namespace evdrive::batch {

bool isBlank(const Record& record) {
    return std::all_of(record.cells.begin(), record.cells.end(), [](std::string_view cell) {
        return cell.find_first_not_of(" \t") == std::string_view::npos;
    });
}

} // namespace evdrive::batch
