// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/table_run.h"

#include "batch/integer_text.h"
#include "batch/layout/input_names.h"
#include "batch/layout/table_layout.h"
#include "batch/records/kept_records.h"
#include "batch/run/ordered_work.h"
#include "batch/run/table_work.h"
#include "batch/text/peekable_source.h"
#include "batch/text/table_output.h"
#include "batch/translation.h"
#include "batch/workbook/table_kind.h"
#include "core/drivetrain_catalogue.h"

#if EVDRIVE_WORKBOOKS
#include "batch/records/sheet_source.h"
#include "batch/run/sweep_charts.h"
#include "batch/run/workbook_output.h"
#include "batch/workbook/workbook_reader.h"
#include "batch/workbook/workbook_writer.h"
#endif

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace evdrive::batch {
namespace {

// Enough of the start to tell a table from a workbook or another file.
constexpr std::size_t kindLookSize = 4096;

// The CSV table's rows, in its encoding and line ends.
class CsvOutput {
  public:
    explicit CsvOutput(TableOutput& out)
        : out_(out) {}

    Outcome<> writeStart(CsvRows& rows, std::size_t) { return out_.write(std::move(rows.text())); }
    Outcome<> write(CsvRows& rows) { return out_.write(std::move(rows.text())); }

  private:
    TableOutput& out_;
};

// Computes the items with jobs threads and writes their rows in order, with a
// few items in flight at most.
template <class Rows, class Output>
Outcome<RowTally> writeRows(WorkSource& source, const RowWork<Rows>& rows, std::size_t jobs,
                            Output& output, const RunSettings& settings) {
    const std::size_t threads = jobs > 1 ? jobs : 0;
    // Enough to keep every thread busy while the oldest item is written;
    // one thread computes each item as it is taken.
    const std::size_t inFlight = threads == 0 ? 1 : 2 * jobs + 1;
    OrderedWork<WorkItem, WorkDone<Rows>> work(threads, rows);
    RowTally tally;
    std::optional<Problem> stopped;
    bool more = true;
    for (;;) {
        while (more && work.pending() < inFlight) {
            auto item = source.next();
            if (item && *item) {
                work.push(std::move(**item));
                continue;
            }
            if (!item) {
                stopped = item.error();
            }
            more = false;
        }
        if (work.pending() == 0) {
            break;
        }
        WorkDone<Rows> done = work.take();
        if (auto written = output.write(done.rows); !written) {
            return std::unexpected(written.error());
        }
        tally.append(done.tally);
        if (settings.progress && done.lastLine > 0) {
            settings.progress->store(done.lastLine);
        }
        if (done.malformed) {
            return std::unexpected(*done.malformed);
        }
    }
    if (const auto started = work.refusedAt(); started && settings.notices) {
        settings.notices->say(format(*started == 0
                                         ? tr("--jobs %1: the system started no thread; the rows "
                                              "were computed by the program's own")
                                         : tr("--jobs %1: the system started %2 threads and no "
                                              "more; the rows were computed by those"),
                                     {integerText(jobs), integerText(*started)}));
    }
    if (stopped) {
        return std::unexpected(*stopped);
    }
    return tally;
}

// The inputs the calculation reads that neither a column of the table nor an
// option gives, said with the result where every row then stops; and so that
// the user sees which column was meant, the columns kept as the table's own,
// a column that names a quantity the calculation does not take with what it is.
void noteMissingInputs(const TableLayout* layout, std::span<const InputOption> options,
                       const Report& notices) {
    std::vector<std::size_t> missing;
    std::size_t stop = drivetrainResultCount;
    for (std::size_t index = 0; index < inputCount; ++index) {
        if (givesInput(options, index) ||
            (layout && layout->columnOfInput[index] != TableLayout::none)) {
            continue;
        }
        // A vehicle of ones runs through; without this input it stops where it is first needed.
        DrivetrainCells ones;
        ones.fill("1");
        ones[index] = {};
        const DrivetrainFigures figures = computeDrivetrainFigures(ones);
        if (figures.failure) {
            missing.push_back(index);
            stop = std::min(stop, figures.reached);
        }
    }
    if (missing.empty()) {
        return;
    }
    std::string inputs;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        inputs = i == 0 ? describeInput(missing[i])
                        : format(i + 1 == missing.size() ? tr("%1 or %2") : tr("%1, %2"),
                                 {inputs, describeInput(missing[i])});
    }
    const auto& stopsAt = drivetrainResults[stop];
    notices.say(
        format(tr("no column or --set gives %1; every row stops at the %2"),
               {inputs, spokenLanguage() == Language::Chinese ? stopsAt.caption : stopsAt.name}));
    if (!layout || layout->ownColumns.empty()) {
        return;
    }
    std::string own;
    for (const TableLayout::OwnColumn& column : layout->ownColumns) {
        const std::string named =
            format(tr("%1 '%2'"), {integerText(column.column + 1), column.cell});
        own = own.empty() ? named : format(tr("%1, %2"), {own, named});
        if (!column.otherQuantity.empty() &&
            std::find(missing.begin(), missing.end(), column.nearInput) != missing.end()) {
            notices.say(format(tr("column %1 '%2' is %3; the calculation needs %4"),
                               {integerText(column.column + 1), column.cell, column.otherQuantity,
                                describeInput(column.nearInput)}));
        }
    }
    notices.say(format(tr("the table's own columns: %1"), {own}));
}

// The start of a table: the rows above its header, the header, and rows
// after it that were read looking for it.
struct Head {
    std::vector<std::shared_ptr<const KeptRecord>> above;
    std::shared_ptr<const KeptRecord> header;
    std::vector<std::shared_ptr<const KeptRecord>> after;
};

// How far down a header is looked for: below a title and a few notes.
constexpr std::size_t headerSearchRows = 20;

bool namesAnyInput(const Record& record) {
    return std::any_of(record.cells.begin(), record.cells.end(), namesAnInput);
}

// The header is the row given, or the first in which a cell names an input;
// failing that, with options that give the inputs, the first that is not blank.
Outcome<Head> readHead(RecordSource& records, std::span<const InputOption> options,
                       std::optional<std::size_t> headerRow) {
    std::vector<std::shared_ptr<const KeptRecord>> rows;
    Head head;
    while (rows.size() < headerRow.value_or(headerSearchRows)) {
        auto batch = records.nextRecord();
        if (!batch) {
            return std::unexpected(batch.error());
        }
        if (!*batch) {
            break;
        }
        const auto cursor = (*batch)->records();
        const auto record = cursor->next();
        if (!record) {
            return std::unexpected(record.error());
        }
        rows.push_back(std::make_shared<const KeptRecord>(**record));
        if (!headerRow && !isBlank(**record) && namesAnyInput(**record)) {
            head.header = rows.back();
            rows.pop_back();
            head.above = std::move(rows);
            return head;
        }
    }
    if (rows.empty()) {
        return std::unexpected(
            Problem{ExitStatus::BadInput, records.place(1),
                    std::string(tr("the input is empty; a header line is expected"))});
    }
    if (headerRow && rows.size() < *headerRow) {
        return problem(
            ExitStatus::BadInput, "--header-row " + integerText(*headerRow),
            format(rows.size() == 1 ? tr("the table has %1 row") : tr("the table has %1 rows"),
                   {integerText(rows.size())}));
    }
    auto header = headerRow ? rows.end() - 1
                            : std::find_if(rows.begin(), rows.end(),
                                           [](const auto& row) { return !isBlank(row->view()); });
    if (!headerRow && (options.empty() || header == rows.end())) {
        const std::string_view pattern =
            rows.size() == headerSearchRows
                ? tr("none of the first %1 rows names one of the twelve inputs, and no --set or "
                     "--sweep gives one; --header-row N says which row is the header (see --help)")
            : rows.size() == 1
                ? tr("the table's one row names none of the twelve inputs, and no --set or "
                     "--sweep gives one; --header-row N says which row is the header (see --help)")
                : tr("none of the table's %1 rows names one of the twelve inputs, and no --set or "
                     "--sweep gives one; --header-row N says which row is the header (see --help)");
        return problem(ExitStatus::BadInput, records.place(rows.front()->view().line),
                       format(pattern, {integerText(rows.size())}));
    }
    head.header = *header;
    head.above.assign(rows.begin(), header);
    head.after.assign(header + 1, rows.end());
    return head;
}

// The rows above the header as they came, the header, then the rows of the
// table with their results.
template <class Rows, class Output>
Outcome<RowTally> writeTable(const Head& head, std::span<const std::string> header,
                             const TableLayout& layout, std::span<const InputOption> options,
                             const RowSettings& rowSettings, RecordSource* table, Output& out,
                             const RunSettings& settings) {
    Rows start(rowSettings.style);
    for (const auto& row : head.above) {
        start.asItCame(row->view());
    }
    const VehicleRows<Rows> headerRows(layout, options, rowSettings.numbers,
                                       rowSettings.commaDelimited);
    headerRows.writeHeader(header, start);
    if (auto written = out.writeStart(start, head.above.size()); !written) {
        return std::unexpected(written.error());
    }
    const RowWork<Rows> rows(layout, options, rowSettings, table, header.size());
    WorkSource source(table, headerRows.gridSize(), settings.readSize);
    source.readFirst(head.after);
    return writeRows(source, rows, std::max<std::size_t>(settings.jobs, 1), out, settings);
}

// A CSV table to a stream, in the table's encoding and with its mark and "sep=" line.
Outcome<RowTally> writeCsv(const Head& head, std::span<const std::string> header,
                           const TableLayout& layout, std::span<const InputOption> options,
                           const RowSettings& rowSettings, const TableFormat& format,
                           RecordSource* table, std::FILE* stream, const RunSettings& settings) {
    TableOutput text(stream, format.encoding, format.dialect.crAlone);
    std::string start;
    if (format.byteOrderMark) {
        start += "\uFEFF";
    }
    if (format.dialect.separatorLine) {
        start += "sep=" + std::string(1, rowSettings.style.delimiter) +
                 std::string(rowSettings.style.lineEnd);
    }
    if (auto written = text.write(std::move(start)); !written) {
        return std::unexpected(written.error());
    }
    CsvOutput out(text);
    auto tally =
        writeTable<CsvRows>(head, header, layout, options, rowSettings, table, out, settings);
    if (auto flushed = text.flush(); !flushed && tally) {
        return std::unexpected(flushed.error());
    }
    return tally;
}

#if EVDRIVE_WORKBOOKS
// The table opened as a workbook's sheet: a named file where it lies; standard
// input or a pipe, whose bytes come once, whole, as a zip's directory is at
// its end.
Outcome<std::unique_ptr<RecordSource>> openSheet(PeekableSource& input, const RunSettings& settings,
                                                 std::string& sheetName) {
    std::error_code notAFile;
    const bool whereItLies = !settings.inputPath.empty() &&
                             std::filesystem::is_regular_file(settings.inputPath, notAFile);
    auto reader = !whereItLies ? [&]() -> Outcome<std::unique_ptr<WorkbookReader>> {
        std::string bytes;
        for (;;) {
            auto read = readOnto(input, bytes, std::size_t{1} << 20);
            if (!read) {
                return std::unexpected(read.error());
            }
            if (*read == 0) {
                return WorkbookReader::openBytes(std::move(bytes), settings.inputName,
                                                 settings.sheet);
            }
        }
    }()
        : WorkbookReader::openFile(settings.inputPath, settings.sheet);
    if (!reader) {
        return std::unexpected(reader.error());
    }
    sheetName = (*reader)->sheetName();
    return std::make_unique<SheetSource>(std::move(*reader));
}

// A workbook of one data sheet and, with sweeps, a sheet of their charts.
Outcome<RowTally> writeWorkbook(const Head& head, std::span<const std::string> header,
                                const TableLayout& layout, std::span<const InputOption> options,
                                const RowSettings& rowSettings, RecordSource* table,
                                const TableDestination& output, std::string_view sheetName,
                                const RunSettings& settings) {
    auto writer = WorkbookWriter::create(output.workbookPath, output.name, sheetName);
    if (!writer) {
        return std::unexpected(writer.error());
    }
    SweepCharts charts(layout, options, header.size(), table != nullptr);
    WorkbookOutput out(**writer, charts);
    auto tally =
        writeTable<WorkbookRows>(head, header, layout, options, rowSettings, table, out, settings);
    if (!tally) {
        return tally;
    }
    if (charts.wanted()) {
        const auto made = charts.charts((*writer)->sheetName());
        if (made.sheet) {
            if (auto added = (*writer)->addChartSheet(*made.sheet); !added) {
                return std::unexpected(added.error());
            }
        } else if (!made.notice.empty() && settings.notices) {
            settings.notices->say(made.notice);
        }
    }
    if (auto closed = (*writer)->close(); !closed) {
        return std::unexpected(closed.error());
    }
    if (const std::uint64_t left = (*writer)->notesLeftOut(); left > 0 && settings.notices) {
        settings.notices->say(format(tr("%1 marked cells have no note, past the %2 a workbook "
                                        "is given; their rows' cause column says what is wrong"),
                                     {integerText(left), integerText(WorkbookWriter::maxNotes)}));
    }
    return tally;
}
#endif

// The stem of a file's name, for the sheet that holds its table.
std::string fileStem(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == 0 || dot == std::string_view::npos ? name : name.substr(0, dot));
}

} // namespace

Outcome<RowTally> runTable(ByteSource* input, std::span<const InputOption> options,
                           const TableDestination& output, const RunSettings& settings) {
    std::optional<PeekableSource> peekable;
    std::unique_ptr<RecordSource> table;
    TableFormat tableFormat;
    tableFormat.dialect.delimiter = settings.format.delimiter.value_or(',');
    std::string sheetName;
    Head head;
    std::vector<std::string> header;
    std::size_t headerLine = 1;
    bool crlf = false;
    if (input) {
        peekable.emplace(*input);
        const auto start = peekable->peek(kindLookSize);
        if (!start) {
            return std::unexpected(start.error());
        }
        const TableKind kind = classifyStart(*start, settings.inputName);
        if (auto readable = readableTable(kind, settings.inputName); !readable) {
            return std::unexpected(readable.error());
        }
        if (kind == TableKind::Text) {
            if (settings.sheet) {
                return problem(
                    ExitStatus::BadInput, "--sheet " + *settings.sheet,
                    format(tr("%1 is a CSV table, which has no sheets"), {settings.inputName}));
            }
            auto opened = CsvSource::open(*peekable, settings.format, settings.readSize);
            if (!opened) {
                return std::unexpected(opened.error());
            }
            tableFormat = (*opened)->format();
            table = std::move(*opened);
        } else {
#if EVDRIVE_WORKBOOKS
            auto opened = openSheet(*peekable, settings, sheetName);
            if (!opened) {
                return std::unexpected(opened.error());
            }
            table = std::move(*opened);
#endif
        }
        auto read = readHead(*table, options, settings.headerRow);
        if (!read) {
            return std::unexpected(read.error());
        }
        head = std::move(*read);
        header = head.header->cells();
        headerLine = head.header->view().line;
        crlf = head.header->view().crlf;
    } else {
        header = optionsOnlyHeader(options);
    }
    const std::string place = table ? table->place(headerLine) : std::string(tr("the options"));
    auto layout = layOutTable(header, options, place, settings.keptColumns);
    if (!layout) {
        return std::unexpected(layout.error());
    }
    if (settings.notices) {
        noteMissingInputs(input ? &*layout : nullptr, options, *settings.notices);
    }

    // Spreadsheets keep the line ends of a file they open, and take its
    // encoding from its mark.
    const char delimiter = tableFormat.dialect.delimiter;
    const RowSettings rowSettings{{delimiter, crlf ? "\r\n" : "\n", settings.numbers.decimalComma},
                                  settings.numbers,
                                  delimiter == ','};
    Outcome<RowTally> tally;
    if (output.workbookPath.empty()) {
        tally = writeCsv(head, header, *layout, options, rowSettings, tableFormat, table.get(),
                         output.stream, settings);
    } else {
#if EVDRIVE_WORKBOOKS
        tally = writeWorkbook(
            head, header, *layout, options, rowSettings, table.get(), output,
            sheetName.empty()
                ? fileStem(!settings.inputPath.empty() ? settings.inputPath : output.name)
                : sheetName,
            settings);
#endif
    }
    if (tally) {
        tally->sheetRows = !sheetName.empty();
    }
    return tally;
}

} // namespace evdrive::batch
