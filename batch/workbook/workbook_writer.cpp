// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/workbook_writer.h"

#include "batch/integer_text.h"
#include "batch/translation.h"
#include "batch/workbook/sheet_row.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <xlsxwriter.h>

namespace evdrive::batch {
namespace {

// The light red of a cell that went wrong.
constexpr lxw_color_t markedFill = 0xFFC7CE;
// Column widths in characters of the default font: room on both sides of the
// header's text, within reason.
constexpr double widthPadding = 2;
constexpr double minimumWidth = 8.43;
constexpr double maximumWidth = 60;
// A chart is the default 480 by 288 pixels scaled by this; the next one starts
// this many rows of 20 pixels below it.
constexpr double chartScale = 1.5;
constexpr lxw_row_t chartRows = 23;
constexpr std::size_t maxSheetNameLength = 31;

// The width of text in characters of the default font: two for each Chinese
// character, which takes three bytes in UTF-8 or more; one for each other.
double textWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        width += (byte & 0xC0) != 0x80;
        width += byte >= 0xE0;
    }
    return static_cast<double>(width);
}

std::string validSheetName(std::string_view wanted) {
    std::string name;
    std::size_t characters = 0;
    for (const char c : wanted) {
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (!continuation && ++characters > maxSheetNameLength) {
            break;
        }
        name += std::string_view("[]:*?/\\").find(c) != std::string_view::npos ? '_' : c;
    }
    if (name.starts_with('\'')) {
        name.front() = '_';
    }
    if (name.ends_with('\'')) {
        name.back() = '_';
    }
    return name.empty() ? "results" : name;
}

} // namespace

struct WorkbookWriter::Library {
    lxw_workbook* workbook = nullptr;
    lxw_worksheet* sheet = nullptr;
    lxw_format* bold = nullptr;
    lxw_format* marked = nullptr;
    lxw_format* boldMarked = nullptr;

    ~Library() {
        if (workbook != nullptr) {
            lxw_workbook_free(workbook);
        }
    }

    lxw_format* fill(lxw_format* format) const {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, markedFill);
        return format;
    }
};

WorkbookWriter::WorkbookWriter(std::string name, std::string sheetName,
                               std::unique_ptr<Library> library)
    : name_(std::move(name))
    , sheetName_(std::move(sheetName))
    , library_(std::move(library)) {}

WorkbookWriter::~WorkbookWriter() = default;

Outcome<std::unique_ptr<WorkbookWriter>>
WorkbookWriter::create(const std::string& path, std::string name, std::string_view sheetName) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return problem(ExitStatus::IoFailure, name, std::string(errorText(errno)));
    }
    std::fclose(file);

    auto library = std::make_unique<Library>();
    // Rows go to a temporary file as they come, and are packed by close().
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    library->workbook = workbook_new_opt(path.c_str(), &options);
    if (library->workbook == nullptr) {
        return problem(ExitStatus::IoFailure, name, std::string(tr("no memory for a workbook")));
    }
    std::string sheet = validSheetName(sheetName);
    library->sheet = workbook_add_worksheet(library->workbook, sheet.c_str());
    if (library->sheet == nullptr) {
        return problem(ExitStatus::IoFailure, name,
                       std::string(tr("no temporary file for the sheet")));
    }
    library->bold = workbook_add_format(library->workbook);
    format_set_bold(library->bold);
    library->marked = library->fill(workbook_add_format(library->workbook));
    library->boldMarked = library->fill(workbook_add_format(library->workbook));
    format_set_bold(library->boldMarked);
    return std::unique_ptr<WorkbookWriter>(
        new WorkbookWriter(std::move(name), std::move(sheet), std::move(library)));
}

Outcome<> WorkbookWriter::writeRow(std::span<const WorkbookCell> cells, RowStyle style) {
    lxw_worksheet* sheet = library_->sheet;
    const bool header = style == RowStyle::Header;
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const WorkbookCell& cell = cells[index];
        const auto column = static_cast<lxw_col_t>(std::min<std::size_t>(index, LXW_COL_MAX));
        lxw_format* format = cell.marked ? (header ? library_->boldMarked : library_->marked)
                                         : (header ? library_->bold : nullptr);
        lxw_error error = LXW_NO_ERROR;
        switch (cell.kind) {
        case WorkbookCell::Kind::Empty:
            if (format != nullptr) {
                error = worksheet_write_blank(sheet, row_, column, format);
            }
            break;
        case WorkbookCell::Kind::Number:
            // The library prints the number with "%.16G" in the C locale,
            // which evdrive-batch never leaves: the 15 digits of a result
            // come back as the same double; a number that needs 17 may
            // come back one unit in the last place apart.
            error = worksheet_write_number(sheet, row_, column, cell.number, format);
            break;
        case WorkbookCell::Kind::Text:
            text_.assign(cell.text);
            error = worksheet_write_string(sheet, row_, column, text_.c_str(), format);
            break;
        case WorkbookCell::Kind::Boolean:
            error = worksheet_write_boolean(sheet, row_, column, cell.number != 0, format);
            break;
        }
        if (error == LXW_NO_ERROR && cell.marked && !cell.comment.empty()) {
            if (notes_ == maxNotes) {
                ++notesLeftOut_;
            } else {
                ++notes_;
                text_.assign(cell.comment);
                error = worksheet_write_comment(sheet, row_, column, text_.c_str());
            }
        }
        if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED) {
            return std::unexpected(Problem{
                ExitStatus::BadInput, name_,
                batch::format(tr("cell %1 would hold a text longer than a cell holds (32767 "
                                 "characters)"),
                              {columnLetters(column) + integerText(row_ + 1)})});
        }
        if (error != LXW_NO_ERROR) {
            return std::unexpected(failure(error));
        }
        if (header) {
            const double width = textWidth(cell.text) + widthPadding;
            worksheet_set_column(sheet, column, column,
                                 std::clamp(width, minimumWidth, maximumWidth), nullptr);
        }
    }
    if (header) {
        worksheet_freeze_panes(sheet, row_ + 1, 0);
    }
    if (row_ >= LXW_ROW_MAX) {
        return std::unexpected(failure(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE));
    }
    ++row_;
    return {};
}

Outcome<> WorkbookWriter::addChartSheet(const ChartSheet& chartSheet) {
    const std::string name = validSheetName(chartSheet.name);
    lxw_worksheet* sheet = workbook_add_worksheet(library_->workbook, name.c_str());
    if (sheet == nullptr) {
        return problem(ExitStatus::BadInput, name_,
                       format(tr("the workbook has a sheet named '%1' already"), {name}));
    }
    lxw_row_t top = 0;
    for (const Chart& wanted : chartSheet.charts) {
        lxw_chart* chart =
            workbook_add_chart(library_->workbook, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
        chart_title_set_name(chart, wanted.title.c_str());
        chart_axis_set_name(chart->x_axis, wanted.xTitle.c_str());
        chart_axis_set_name(chart->y_axis, wanted.yTitle.c_str());
        for (const ChartSeries& wantedSeries : wanted.series) {
            lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
            chart_series_set_categories(series, sheetName_.c_str(), wantedSeries.firstRow,
                                        wanted.xColumn, wantedSeries.lastRow, wanted.xColumn);
            chart_series_set_values(series, sheetName_.c_str(), wantedSeries.firstRow,
                                    wanted.yColumn, wantedSeries.lastRow, wanted.yColumn);
            chart_series_set_name(series, wantedSeries.name.c_str());
        }
        lxw_chart_options options{};
        options.x_scale = chartScale;
        options.y_scale = chartScale;
        if (const lxw_error error = worksheet_insert_chart_opt(sheet, top, 0, chart, &options);
            error != LXW_NO_ERROR) {
            return std::unexpected(failure(error));
        }
        top += chartRows;
    }
    return {};
}

Outcome<> WorkbookWriter::close() {
    const lxw_error error = workbook_close(library_->workbook);
    library_->workbook = nullptr;
    if (error != LXW_NO_ERROR) {
        return std::unexpected(failure(error));
    }
    return {};
}

Problem WorkbookWriter::failure(int error) const {
    switch (error) {
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        return {ExitStatus::BadInput, name_,
                std::string(tr("more rows or columns than a worksheet holds (1048576 rows of "
                               "16384 columns)"))};
    case LXW_ERROR_CREATING_XLSX_FILE:
        return {ExitStatus::IoFailure, name_, std::string(errorText(errno))};
    default:
        return {ExitStatus::IoFailure, name_,
                format(tr("the workbook could not be written: %1"),
                       {lxw_strerror(static_cast<lxw_error>(error))})};
    }
}

} // namespace evdrive::batch
