// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/record_source.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <algorithm>

namespace evdrive::batch {

bool isBlank(const Record& record) {
    return std::all_of(record.cells.begin(), record.cells.end(), [](std::string_view cell) {
        return cell.find_first_not_of(" \t") == std::string_view::npos;
    });
}

std::optional<std::string> RecordSource::beyondHeader(const Record& record,
                                                      std::size_t headerSize) const {
    return format(tr("%1 cells, more than the header's %2"),
                  {integerText(record.cells.size()), integerText(headerSize)});
}

} // namespace evdrive::batch
