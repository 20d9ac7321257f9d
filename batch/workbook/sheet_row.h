// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace evdrive::batch {

enum class SheetCellKind { Empty, Number, Text, Boolean, Error, UncomputedFormula };

// A cell as the workbook stores it:
// - Number: the shortest text that reads back as the same double ("0.28",
//   "1500", "1e-07"), the form core's parseStrict reads;
// - Text: the text of a shared or inline string, rich text's runs joined, or
//   a formula's string result;
// - Boolean: "TRUE" or "FALSE"; Error: the error as stored ("#DIV/0!");
// - UncomputedFormula: a formula the writing program stored no value for;
//   the text is the formula, without '=' (empty for a shared formula's copies).
// A formula with a stored value is that value's kind.
struct SheetCell {
    SheetCellKind kind = SheetCellKind::Empty;
    std::string_view text;
};

// A row of the sheet: its 1-based number, and its cells from column A, those
// the file skips Empty, without trailing Empty cells.
struct SheetRow {
    std::uint32_t number = 0;
    std::span<const SheetCell> cells;
};

// A column's letters, from 0: "A", "Z", "AA".
inline std::string columnLetters(std::uint32_t column) {
    std::string name;
    for (std::uint32_t rest = column + 1; rest > 0; rest = (rest - 1) / 26) {
        name.insert(name.begin(), static_cast<char>('A' + (rest - 1) % 26));
    }
    return name;
}

} // namespace evdrive::batch
