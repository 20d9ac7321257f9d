// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch/workbook/sheet_cells.h"
#include "core/number_text.h"
#include "tests/fuzz/fuzz_input.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace evdrive;
using namespace evdrive::batch;
using fuzz::require;

namespace {

// The rows of a worksheet's XML fed in pieces of pieceSize bytes, as the
// workbook reader feeds what it unpacks; the rows described, then the end:
// "ok" or "failed".
std::vector<std::string> readRows(std::string_view sheet, std::size_t pieceSize) {
    const SharedStrings strings;
    SheetCellsParser parser(strings);
    std::vector<std::string> rows;
    std::uint32_t lastRow = 0;
    bool suspended = false;
    bool last = false;
    for (;;) {
        XmlParser::Status status = XmlParser::Status::Done;
        if (suspended) {
            status = parser.resume();
        } else {
            last = sheet.empty();
            const std::size_t size = std::min(pieceSize, sheet.size());
            std::copy_n(sheet.data(), size, parser.buffer(size).data());
            sheet.remove_prefix(size);
            status = parser.parse(size, last);
        }
        if (status == XmlParser::Status::Failed) {
            rows.emplace_back("failed");
            return rows;
        }
        suspended = status == XmlParser::Status::Suspended;
        if (parser.rowReady()) {
            const SheetRow row = parser.takeRow();
            require(row.number > lastRow, "rows come in ascending order");
            lastRow = row.number;
            require(row.cells.empty() || row.cells.back().kind != SheetCellKind::Empty,
                    "no row ends in an empty cell");
            std::string text = std::to_string(row.number);
            for (const SheetCell& cell : row.cells) {
                if (cell.kind == SheetCellKind::Number) {
                    require(parseStrict(cell.text).has_value(), "a number's text reads as one");
                }
                text += "|" + std::to_string(static_cast<int>(cell.kind)) + std::string(cell.text);
            }
            rows.push_back(text);
        }
        if (status == XmlParser::Status::Done && last) {
            rows.emplace_back("ok");
            return rows;
        }
    }
}

} // namespace

// The first byte sets a piece size of 1 to 16 bytes, the rest is a sheet's
// XML. Its rows are in order and well-formed, and the same whatever the
// pieces it comes in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t pieceSize = 1 + data[0] % 16;
    const std::string_view sheet = fuzz::asText(data + 1, size - 1);
    require(readRows(sheet, pieceSize) == readRows(sheet, 1 << 16),
            "the rows are the same in any pieces");
    return 0;
}
