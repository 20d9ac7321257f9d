// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

struct WorkbookCell {
    enum class Kind : std::uint8_t { Empty, Number, Text, Boolean };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string_view text = {};
    // A marked cell is filled in light red and carries comment as its note.
    bool marked = false;
    std::string_view comment = {};
};

enum class RowStyle {
    Normal,
    Header, // bold, the rows below it scroll under it, the columns as wide as its texts
};

// One line of a chart: the rows of one vehicle in the data sheet, from 0.
struct ChartSeries {
    std::string name;
    std::uint32_t firstRow = 0;
    std::uint32_t lastRow = 0;
};

// A scatter chart with lines of the data sheet's columns (from 0): y over x,
// one series for each vehicle. A chart takes at most 255 series.
struct Chart {
    std::string title;
    std::string xTitle;
    std::string yTitle;
    std::uint16_t xColumn = 0;
    std::uint16_t yColumn = 0;
    std::vector<ChartSeries> series;
};

// A sheet after the data sheet holding charts, one below the other.
struct ChartSheet {
    std::string name;
    std::vector<Chart> charts;
};

// Writes an .xlsx workbook with one data sheet, row by row in constant
// memory, and optionally a sheet of charts of its columns. The file is
// written by close(); failures name it and are IoFailure, but for what no
// workbook holds (a row beyond 1048576, a text beyond 32767 characters),
// BadInput.
//
// Notes are the one thing held until close(), some 400 bytes each: the first
// maxNotes marked cells get theirs, later ones their fill alone.
class WorkbookWriter {
  public:
    static constexpr std::uint32_t maxNotes = 65536;

    // Writes the workbook at path, which messages call name. sheetName is
    // made a valid sheet name: characters a sheet name cannot hold become
    // '_', and it is cut to 31 characters; an empty one is "results". The
    // file is created at once, so that a path that cannot be written fails
    // before any row is computed.
    static Outcome<std::unique_ptr<WorkbookWriter>>
    create(const std::string& path, std::string name, std::string_view sheetName);
    ~WorkbookWriter();

    const std::string& sheetName() const { return sheetName_; }

    // The next row of the data sheet.
    Outcome<> writeRow(std::span<const WorkbookCell> cells, RowStyle style = RowStyle::Normal);

    Outcome<> addChartSheet(const ChartSheet& sheet);

    // Writes the file; nothing is written after a failure.
    Outcome<> close();

    // How many marked cells got no note, past maxNotes.
    std::uint64_t notesLeftOut() const { return notesLeftOut_; }

  private:
    struct Library;
    WorkbookWriter(std::string name, std::string sheetName, std::unique_ptr<Library> library);
    Problem failure(int error) const;

    std::string name_;
    std::string sheetName_;
    std::unique_ptr<Library> library_;
    std::uint32_t row_ = 0;
    std::uint32_t notes_ = 0;
    std::uint64_t notesLeftOut_ = 0;
    std::string text_; // a cell's text with its terminating NUL
};

} // namespace evdrive::batch
