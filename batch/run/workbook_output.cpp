// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/workbook_output.h"

#include <limits>

namespace evdrive::batch {

Outcome<> WorkbookOutput::writeStart(WorkbookRows& rows, std::size_t headerIndex) {
    return writeRows(rows, headerIndex);
}

Outcome<> WorkbookOutput::write(WorkbookRows& rows) {
    if (charts_.wanted()) {
        charts_.add(rows, rowsWritten_);
    }
    return writeRows(rows, std::numeric_limits<std::size_t>::max());
}

Outcome<> WorkbookOutput::writeRows(const WorkbookRows& rows, std::size_t headerIndex) {
    const auto cells = rows.cells();
    const std::string_view texts = rows.texts();
    std::uint32_t first = 0;
    for (std::size_t row = 0; row < rows.rowEnds().size(); ++row) {
        cells_.clear();
        for (const WorkbookRows::Cell& cell : cells.subspan(first, rows.rowEnds()[row] - first)) {
            cells_.push_back({cell.kind, cell.number, texts.substr(cell.textAt, cell.textSize),
                              cell.marked, texts.substr(cell.commentAt, cell.commentSize)});
        }
        first = rows.rowEnds()[row];
        if (auto written =
                writer_.writeRow(cells_, row == headerIndex ? RowStyle::Header : RowStyle::Normal);
            !written) {
            return written;
        }
        ++rowsWritten_;
    }
    return {};
}

} // namespace evdrive::batch
