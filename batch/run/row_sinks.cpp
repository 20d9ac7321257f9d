// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/row_sinks.h"

#include "batch/command/options.h"
#include "batch/records/csv_text.h"
#include "core/number_text.h"

#include <algorithm>
#include <optional>

namespace evdrive::batch {

void CsvRows::separate() {
    if (rowStarted_) {
        text_ += style_.delimiter;
    }
    rowStarted_ = true;
}

void CsvRows::cell(std::string_view text, CellKind) {
    separate();
    appendCell(text_, text, style_.delimiter);
}

void CsvRows::number(double value) {
    separate();
    NumberText number;
    const std::string_view text = formatGeneral(value, number);
    if (style_.decimalComma) {
        std::replace(number.begin(), number.begin() + text.size(), '.', ',');
        appendCell(text_, text, style_.delimiter);
    } else {
        // Digits, a point, a sign and an E: never quoted.
        text_ += text;
    }
}

void CsvRows::text(std::string_view value) {
    separate();
    if (!value.empty()) {
        appendCell(text_, value, style_.delimiter);
    }
}

void CsvRows::echo(std::string_view raw, std::size_t emptyCells) {
    separate();
    text_ += raw;
    text_.append(emptyCells, style_.delimiter);
}

void CsvRows::asItCame(const Record& record) {
    if (record.kinds.empty()) {
        separate();
        text_ += record.raw;
    } else {
        for (std::size_t column = 0; column < record.cells.size(); ++column) {
            cell(record.cells[column], record.kind(column));
        }
    }
    endRow();
}

void CsvRows::endRow() {
    text_ += style_.lineEnd;
    rowStarted_ = false;
}

namespace {

std::optional<double> untypedNumber(std::string_view text, bool decimalComma) {
    const std::size_t digits = text.find_first_not_of(" \t+-");
    if (digits != std::string_view::npos && text[digits] == '0' && digits + 1 < text.size() &&
        text[digits + 1] >= '0' && text[digits + 1] <= '9') {
        return std::nullopt;
    }
    const auto number = decimalComma ? parseStrict(swapPointAndComma(text)) : parseStrict(text);
    return number ? std::optional<double>(*number) : std::nullopt;
}

} // namespace

void WorkbookRows::add(Kind kind, double number, std::string_view text) {
    cells_.push_back({kind, false, number, static_cast<std::uint32_t>(texts_.size()),
                      static_cast<std::uint32_t>(text.size()), 0, 0});
    texts_ += text;
}

void WorkbookRows::cell(std::string_view text, CellKind kind) {
    if (text.empty()) {
        add(Kind::Empty, 0, {});
        return;
    }
    switch (kind) {
    case CellKind::Number:
        if (const auto number = parseStrict(text)) {
            add(Kind::Number, *number, {});
            return;
        }
        break;
    case CellKind::Untyped:
        if (const auto number = untypedNumber(text, decimalComma_)) {
            add(Kind::Number, *number, {});
            return;
        }
        break;
    case CellKind::UncomputedFormula:
        add(Kind::Text, 0, "=" + std::string(text));
        return;
    case CellKind::Boolean:
        add(Kind::Boolean, text == "TRUE" ? 1 : 0, {});
        return;
    case CellKind::Text:
    case CellKind::Error:
        break;
    }
    add(Kind::Text, 0, text);
}

void WorkbookRows::number(double value) {
    add(Kind::Number, roundTrip15(value).value_or(value), {});
}

void WorkbookRows::text(std::string_view value) {
    add(value.empty() ? Kind::Empty : Kind::Text, 0, value);
}

void WorkbookRows::mark(std::string_view message) {
    Cell& blamed = cells_.back();
    blamed.marked = true;
    blamed.commentAt = static_cast<std::uint32_t>(texts_.size());
    blamed.commentSize = static_cast<std::uint32_t>(message.size());
    texts_ += message;
}

void WorkbookRows::vehicle(std::size_t line, std::string_view label, std::uint64_t from,
                           std::uint64_t to) {
    vehicles_.push_back({static_cast<std::uint32_t>(rowEnds_.size()), line, from, to,
                         static_cast<std::uint32_t>(texts_.size()),
                         static_cast<std::uint32_t>(label.size())});
    texts_ += label;
}

void WorkbookRows::asItCame(const Record& record) {
    for (std::size_t column = 0; column < record.cells.size(); ++column) {
        cell(record.cells[column], record.kind(column));
    }
    endRow();
}

void WorkbookRows::endRow() {
    rowEnds_.push_back(static_cast<std::uint32_t>(cells_.size()));
}

} // namespace evdrive::batch
