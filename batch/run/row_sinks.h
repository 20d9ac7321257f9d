// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/records/record_source.h"
#include "batch/workbook/workbook_writer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// How the written table lays out its cells and lines.
struct TableStyle {
    char delimiter = ',';
    std::string_view lineEnd = "\n";
    bool decimalComma = false; // results written with a decimal comma
};

// The rows of the written table as a CSV table's text: cells quoted only
// where they must be, results in the window's text form.
class CsvRows {
  public:
    explicit CsvRows(const TableStyle& style)
        : style_(style) {}

    // Whether a cell can be given the failure's message: not in CSV.
    static constexpr bool marksCells = false;

    // A cell of the table, as the table held it.
    void cell(std::string_view text, CellKind kind);
    void number(double value);
    // An added cell of text, as error, cause, field and note are.
    void text(std::string_view value);
    void mark(std::string_view) {}
    // The rows of a vehicle's sweep follow, for a chart: not in CSV.
    void vehicle(std::size_t, std::string_view, std::uint64_t, std::uint64_t) {}
    // A plain record's own text standing for its cells, and empty cells after them.
    void echo(std::string_view raw, std::size_t emptyCells);
    // A record as it came: its own text, or where it has none, its cells.
    void asItCame(const Record& record);
    void endRow();

    std::string& text() { return text_; }

  private:
    void separate();

    TableStyle style_;
    std::string text_;
    bool rowStarted_ = false;
};

// The rows of the written table as a workbook's cells: numbers as numbers,
// text as text, a cell to blame marked with what is wrong.
class WorkbookRows {
  public:
    explicit WorkbookRows(const TableStyle& style)
        : decimalComma_(style.decimalComma) {}

    static constexpr bool marksCells = true;

    using Kind = WorkbookCell::Kind;
    struct Cell {
        Kind kind;
        bool marked;
        double number;
        std::uint32_t textAt; // in texts()
        std::uint32_t textSize;
        std::uint32_t commentAt;
        std::uint32_t commentSize;
    };

    // A cell a CSV table held is a number where it reads as one, as a
    // spreadsheet opening the table would take it, but that a code such as
    // "007" keeps its zeros.
    void cell(std::string_view text, CellKind kind);
    // The double the 15 digits of the window's text form stand for, so that a
    // workbook and a CSV table of the same results agree.
    void number(double value);
    void text(std::string_view value);
    // The cell written last is to blame, for the reason message gives.
    void mark(std::string_view message);
    // The rows that follow are the sweep's grid points from to to (excluded)
    // of the vehicle on line, which label names where the table names it.
    void vehicle(std::size_t line, std::string_view label, std::uint64_t from, std::uint64_t to);
    void echo(std::string_view, std::size_t) {}
    void asItCame(const Record& record);
    void endRow();

    std::span<const Cell> cells() const { return cells_; }
    // Where each row's cells end.
    std::span<const std::uint32_t> rowEnds() const { return rowEnds_; }
    std::string_view texts() const { return texts_; }

    struct Vehicle {
        std::uint32_t row; // the first of its rows, in rowEnds()
        std::size_t line;
        std::uint64_t from;
        std::uint64_t to;
        std::uint32_t labelAt; // in texts()
        std::uint32_t labelSize;
    };
    std::span<const Vehicle> vehicles() const { return vehicles_; }

  private:
    void add(Kind kind, double number, std::string_view text);

    std::vector<Cell> cells_;
    std::vector<std::uint32_t> rowEnds_;
    std::vector<Vehicle> vehicles_;
    std::string texts_;
    bool decimalComma_;
};

} // namespace evdrive::batch
