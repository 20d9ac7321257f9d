// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/sheet_cells.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace evdrive::batch {
namespace {

// The limits of a worksheet.
constexpr std::uint32_t maxRows = 1048576;
constexpr std::uint32_t maxColumns = 16384;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::uint32_t> rowNumberOf(std::string_view digits) {
    std::uint32_t number = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (read.ec != std::errc() || read.ptr != digits.data() + digits.size() || number == 0 ||
        number > maxRows) {
        return std::nullopt;
    }
    return number;
}

// The column of a cell reference ("C5" is 2), from 0.
std::optional<std::uint32_t> columnOf(std::string_view reference) {
    std::uint32_t column = 0;
    std::size_t letters = 0;
    for (; letters < reference.size() && letters < 3; ++letters) {
        const char c = reference[letters];
        if (c < 'A' || c > 'Z') {
            break;
        }
        column = column * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
    }
    if (letters == 0 || column > maxColumns || !rowNumberOf(reference.substr(letters))) {
        return std::nullopt;
    }
    return column - 1;
}

} // namespace

SheetRow SheetCellsParser::takeRow() {
    rowReady_ = false;
    cells_.clear();
    for (const auto& cell : stored_) {
        cells_.push_back(
            {cell.kind, std::string_view(arena_).substr(cell.begin, cell.end - cell.begin)});
    }
    return {rowNumber_, cells_};
}

void SheetCellsParser::start(std::string_view name, const char** attributes) {
    if (inCell_) {
        if (name == "v") {
            collect_ = Collect::Value;
            hasValue_ = true;
        } else if (name == "f") {
            collect_ = Collect::Formula;
            hasFormula_ = true;
        } else if (name == "is") {
            hasInline_ = true;
        } else if (name == "t" && hasInline_ && phonetic_ == 0) {
            collect_ = Collect::InlineText;
        } else if (name == "rPh") {
            ++phonetic_;
        }
    } else if (inRow_) {
        if (name == "c") {
            startCell(attributes);
        }
    } else if (inSheetData_) {
        if (name == "row") {
            startRow(attributes);
        }
    } else if (name == "sheetData") {
        inSheetData_ = true;
    }
}

void SheetCellsParser::end(std::string_view name) {
    if (inCell_) {
        if (name == "c") {
            endCell();
        } else if (name == "rPh") {
            --phonetic_;
        } else if (name == "v" || name == "f" || name == "t") {
            collect_ = Collect::None;
        }
    } else if (inRow_) {
        if (name == "row") {
            endRow();
        }
    } else if (name == "sheetData") {
        inSheetData_ = false;
    }
}

void SheetCellsParser::text(std::string_view text) {
    switch (collect_) {
    case Collect::None:
        break;
    case Collect::Value:
        value_ += text;
        break;
    case Collect::Formula:
        formula_ += text;
        break;
    case Collect::InlineText:
        inline_ += text;
        break;
    }
}

void SheetCellsParser::startRow(const char** attributes) {
    // A row without its number follows the one before.
    std::uint32_t number = rowNumber_ + 1;
    if (const char* given = attribute(attributes, "r")) {
        const auto read = rowNumberOf(given);
        if (!read) {
            fail(format(tr("row number '%1' is no row of a sheet"), {given}));
            return;
        }
        number = *read;
    }
    if (number <= rowNumber_ || number > maxRows) {
        fail(format(tr("row %1 comes after row %2"),
                    {integerText(number), integerText(rowNumber_)}));
        return;
    }
    rowNumber_ = number;
    inRow_ = true;
    column_ = 0;
    arena_.clear();
    stored_.clear();
}

void SheetCellsParser::startCell(const char** attributes) {
    // A cell without its reference follows the one before.
    std::uint32_t column = static_cast<std::uint32_t>(stored_.size());
    if (const char* reference = attribute(attributes, "r")) {
        const auto read = columnOf(reference);
        if (!read) {
            fail(format(tr("cell reference '%1' is no cell of a sheet"), {reference}));
            return;
        }
        column = *read;
    }
    if (column < stored_.size() || column >= maxColumns) {
        fail(format(tr("cell %1 comes after cell %2"),
                    {columnLetters(column) + integerText(rowNumber_),
                     columnLetters(static_cast<std::uint32_t>(stored_.size() - 1)) +
                         integerText(rowNumber_)}));
        return;
    }
    while (stored_.size() < column) {
        stored_.push_back({SheetCellKind::Empty, arena_.size(), arena_.size()});
    }
    column_ = column;
    const char* type = attribute(attributes, "t");
    const std::string_view typeName = type != nullptr ? type : "n";
    type_ = typeName == "s"           ? CellType::SharedString
            : typeName == "inlineStr" ? CellType::InlineString
            : typeName == "str"       ? CellType::FormulaString
            // An ISO 8601 date as text, written by few programs.
            : typeName == "d" ? CellType::FormulaString
            : typeName == "b" ? CellType::Boolean
            : typeName == "e" ? CellType::Error
                              : CellType::Number;
    inCell_ = true;
    hasValue_ = hasFormula_ = hasInline_ = false;
    phonetic_ = 0;
    value_.clear();
    formula_.clear();
    inline_.clear();
}

void SheetCellsParser::endCell() {
    inCell_ = false;
    collect_ = Collect::None;
    if (type_ == CellType::InlineString) {
        store(hasInline_ ? SheetCellKind::Text : SheetCellKind::Empty, inline_);
        return;
    }
    // Some programs write an empty value for a formula they did not compute;
    // only a string result can be empty.
    if (!hasValue_ || (type_ != CellType::FormulaString && trimmed(value_).empty())) {
        store(hasFormula_ ? SheetCellKind::UncomputedFormula : SheetCellKind::Empty, formula_);
        return;
    }
    switch (type_) {
    case CellType::Number:
        storeNumber();
        break;
    case CellType::SharedString: {
        std::size_t index = 0;
        const std::string_view digits = trimmed(value_);
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (read.ec != std::errc() || read.ptr != digits.data() + digits.size() ||
            index >= strings_.size()) {
            fail(format(tr("cell %1 names shared string '%2', which the workbook does not have"),
                        {cellName(), value_}));
            return;
        }
        store(SheetCellKind::Text, strings_[index]);
        break;
    }
    case CellType::FormulaString:
    case CellType::InlineString:
        store(SheetCellKind::Text, value_);
        break;
    case CellType::Boolean: {
        const std::string_view value = trimmed(value_);
        if (value != "0" && value != "1") {
            fail(format(tr("cell %1 holds '%2', which is no truth value"), {cellName(), value_}));
            return;
        }
        store(SheetCellKind::Boolean, value == "1" ? "TRUE" : "FALSE");
        break;
    }
    case CellType::Error:
        store(SheetCellKind::Error, value_);
        break;
    }
}

void SheetCellsParser::storeNumber() {
    const std::string_view digits = trimmed(value_);
    double value = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (read.ec != std::errc() || read.ptr != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        fail(format(tr("cell %1 holds '%2', which is no number"), {cellName(), value_}));
        return;
    }
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    store(SheetCellKind::Number, std::string_view(text, written.ptr));
}

void SheetCellsParser::store(SheetCellKind kind, std::string_view text) {
    const std::size_t begin = arena_.size();
    arena_ += text;
    stored_.push_back({kind, begin, arena_.size()});
}

void SheetCellsParser::endRow() {
    inRow_ = false;
    while (!stored_.empty() && stored_.back().kind == SheetCellKind::Empty) {
        stored_.pop_back();
    }
    rowReady_ = true;
    suspend();
}

std::string SheetCellsParser::cellName() const {
    return columnLetters(column_) + integerText(rowNumber_);
}

} // namespace evdrive::batch
