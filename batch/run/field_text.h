// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace evdrive::batch {

// How a table writes its numbers, beyond what the window reads.
struct NumberStyle {
    bool decimalComma = false;  // "0,28" is 0.28; a point is then no decimal point
    bool digitGrouping = false; // "1,500" and "1 500" are 1500 ("1.500" with decimal commas)
};

// The text the calculation reads for a cell of an input, as the window would
// read its field: the cell itself, or where the table writes a number in a
// way of its own, that number as the window writes it. A decimal comma
// becomes a point; with digit grouping, groups of exactly three digits after
// a first of one to three, the same separator between each, are joined; and
// a percentage, "92%", is the fraction 0.92 in an input that is no
// percentage, by moving its decimal point in the text, never by dividing, so
// that "92%" and "0.92" are the same double. What is no number stays as it
// is, for the calculation to say so. storage may hold the text returned.
std::string_view readFieldText(std::string_view cell, std::size_t input, NumberStyle style,
                               std::string& storage);

// Inline, as most cells end in a digit and need nothing.
inline std::string_view fieldText(std::string_view cell, std::size_t input, NumberStyle style,
                                  std::string& storage) {
    const char last = cell.empty() ? '0' : cell.back();
    if (!style.decimalComma && !style.digitGrouping && last != '%' && last != ' ' && last != '\t') {
        return cell;
    }
    return readFieldText(cell, input, style, storage);
}

// Whether a cell that is no number would be one with digit grouping.
bool readsWithDigitGrouping(std::string_view cell, bool decimalComma);

// Whether a cell holds a comma that can only be a decimal comma: one with
// other than three digits after it.
bool holdsDecimalComma(std::string_view cell);

} // namespace evdrive::batch
