// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/workbook/shared_strings.h"
#include "batch/workbook/sheet_row.h"
#include "batch/workbook/xml_parser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace evdrive::batch {

// Reads a worksheet's XML into rows, suspending the parser at the end of each
// row: memory holds one row however long the sheet.
class SheetCellsParser : public XmlParser {
  public:
    explicit SheetCellsParser(const SharedStrings& strings)
        : strings_(strings) {}

    // The row read last, when the parser stopped at its end; valid until the
    // parser goes on.
    bool rowReady() const { return rowReady_; }
    SheetRow takeRow();

  protected:
    void start(std::string_view name, const char** attributes) override;
    void end(std::string_view name) override;
    void text(std::string_view text) override;

  private:
    enum class CellType { Number, SharedString, InlineString, FormulaString, Boolean, Error };
    enum class Collect { None, Value, Formula, InlineText };
    struct StoredCell {
        SheetCellKind kind;
        std::size_t begin;
        std::size_t end;
    };

    void startRow(const char** attributes);
    void startCell(const char** attributes);
    void endCell();
    void endRow();
    void store(SheetCellKind kind, std::string_view text);
    void storeNumber();
    std::string cellName() const;

    const SharedStrings& strings_;
    bool inSheetData_ = false;
    bool inRow_ = false;
    bool inCell_ = false;
    bool rowReady_ = false;
    std::uint32_t rowNumber_ = 0;
    std::uint32_t column_ = 0; // of the cell being read, from 0

    CellType type_ = CellType::Number;
    Collect collect_ = Collect::None;
    bool hasValue_ = false;
    bool hasFormula_ = false;
    bool hasInline_ = false;
    int phonetic_ = 0;
    std::string value_;
    std::string formula_;
    std::string inline_;

    std::string arena_; // the texts of the row's cells
    std::vector<StoredCell> stored_;
    std::vector<SheetCell> cells_;
};

} // namespace evdrive::batch
