// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/field_text.h"

#include "batch/command/options.h"
#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace evdrive::batch {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The separators of digit groups: besides the other of point and comma, the
// blanks spreadsheets put between groups, the no-break space and the narrow one.
constexpr std::array<std::string_view, 3> blankSeparators = {" ", "\u00A0", "\u202F"};

// text as a plain number with a point, its digit groups joined; nullopt where
// it holds no such groups.
std::optional<std::string> ungrouped(std::string_view text, bool decimalComma) {
    text = trimmed(text);
    std::string plain;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        plain += text.front();
        text.remove_prefix(1);
    }
    std::size_t first = 0;
    while (first < text.size() && isDigit(text[first])) {
        ++first;
    }
    if (first == 0 || first > 3 || text.front() == '0') {
        return std::nullopt;
    }
    plain += text.substr(0, first);
    text.remove_prefix(first);
    const std::string_view point = decimalComma ? "," : ".";
    std::string_view separator;
    for (const std::string_view candidate : blankSeparators) {
        if (text.starts_with(candidate)) {
            separator = candidate;
        }
    }
    if (separator.empty() && !text.empty() && text.front() == (decimalComma ? '.' : ',')) {
        separator = text.substr(0, 1);
    }
    if (separator.empty()) {
        return std::nullopt;
    }
    while (text.starts_with(separator)) {
        text.remove_prefix(separator.size());
        if (text.size() < 3 || !isDigit(text[0]) || !isDigit(text[1]) || !isDigit(text[2]) ||
            (text.size() > 3 && isDigit(text[3]))) {
            return std::nullopt;
        }
        plain += text.substr(0, 3);
        text.remove_prefix(3);
    }
    if (text.starts_with(point)) {
        text.remove_prefix(1);
        if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) {
            return std::nullopt;
        }
        plain += '.';
        plain += text;
        text = {};
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return plain;
}

// A number as parseStrict reads it, its decimal point moved two places to
// the left: "92" is "0.92", "1.5e3" is "0.015e3".
std::string hundredth(std::string_view number) {
    std::string moved;
    if (number.front() == '+' || number.front() == '-') {
        moved += number.front();
        number.remove_prefix(1);
    }
    const std::size_t point = number.find('.');
    const std::size_t digitsEnd = number.find_first_of("eE");
    const std::string_view whole = number.substr(0, std::min(point, digitsEnd));
    const std::string_view fraction =
        point < digitsEnd ? number.substr(point + 1, digitsEnd - point - 1) : std::string_view();
    const std::string padded =
        std::string(whole.size() < 2 ? 2 - whole.size() : 0, '0') + std::string(whole);
    moved += padded.size() > 2 ? padded.substr(0, padded.size() - 2) : "0";
    moved += '.';
    moved += padded.substr(padded.size() - 2);
    moved += fraction;
    if (digitsEnd != std::string_view::npos) {
        moved += number.substr(digitsEnd);
    }
    return moved;
}

} // namespace

std::string_view readFieldText(std::string_view cell, std::size_t input, NumberStyle style,
                               std::string& storage) {
    const std::string_view text = trimmed(cell);
    const bool percent = text.ends_with('%');
    if (!percent && !style.decimalComma && !style.digitGrouping) {
        return cell;
    }
    std::string_view number = percent ? trimmed(text.substr(0, text.size() - 1)) : cell;
    std::optional<std::string> grouped;
    if (style.digitGrouping) {
        grouped = ungrouped(number, style.decimalComma);
    }
    if (grouped) {
        storage = std::move(*grouped);
    } else if (style.decimalComma) {
        storage = swapPointAndComma(number);
    } else {
        storage = number;
    }
    if (!percent) {
        return storage;
    }
    // The window's field of a percentage takes the figure itself.
    if (drivetrainInputs[input].unit == "%") {
        return storage;
    }
    if (const auto read = parseStrict(storage); !read && read.error() == CalcError::TypeMismatch) {
        storage = cell;
        return storage;
    }
    storage = hundredth(trimmed(storage));
    return storage;
}

bool readsWithDigitGrouping(std::string_view cell, bool decimalComma) {
    const auto plain = ungrouped(cell, decimalComma);
    return plain && parseStrict(*plain).has_value();
}

bool holdsDecimalComma(std::string_view cell) {
    for (std::size_t at = cell.find(','); at != std::string_view::npos;
         at = cell.find(',', at + 1)) {
        std::size_t digits = 0;
        while (at + 1 + digits < cell.size() && isDigit(cell[at + 1 + digits])) {
            ++digits;
        }
        if (digits > 0 && digits != 3) {
            return true;
        }
    }
    return false;
}

} // namespace evdrive::batch
