// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/table_run.h"

#include "batch/integer_text.h"
#include "batch/layout/input_names.h"
#include "batch/layout/table_layout.h"
#include "batch/run/ordered_work.h"
#include "batch/run/table_work.h"
#include "batch/text/table_output.h"
#include "core/drivetrain_catalogue.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace evdrive::batch {
namespace {

// Computes the items with jobs threads and writes their rows in order, with a
// few items in flight at most.
Outcome<RowTally> writeRows(WorkSource& source, const RowWork& rows, std::size_t jobs,
                            TableOutput& output, const Report* notices) {
    const std::size_t threads = jobs > 1 ? jobs : 0;
    // Enough to keep every thread busy while the oldest item is written;
    // one thread computes each item as it is taken.
    const std::size_t inFlight = threads == 0 ? 1 : 2 * jobs + 1;
    OrderedWork<WorkItem, WorkDone> work(threads, rows);
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
        WorkDone done = work.take();
        if (auto written = output.write(std::move(done.out)); !written) {
            return std::unexpected(written.error());
        }
        tally.append(done.tally);
        if (done.malformed) {
            return std::unexpected(*done.malformed);
        }
    }
    if (const auto started = work.refusedAt(); started && notices) {
        notices->say("--jobs " + integerText(jobs) + ": the system started " +
                     integerText(*started) + (*started == 1 ? " thread" : " threads") +
                     " and no more; the rows were computed by " +
                     (*started == 0 ? std::string("this one") : std::string("those")));
    }
    if (stopped) {
        return std::unexpected(*stopped);
    }
    return tally;
}

// The inputs the calculation reads that neither a column of the table nor an
// option gives, said in one line with the result where every row then stops.
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
    std::string line = "no column or --set gives ";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        line += i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ";
        line += describeInput(missing[i]);
    }
    line += "; every row stops at the " + std::string(drivetrainResults[stop].name);
    notices.say(line);
}

// The table's header past any empty lines: its cells, line and line end; or
// why there is none.
struct Header {
    std::vector<std::string> cells;
    std::size_t line = 1;
    bool crlf = false;
};

Outcome<Header> readHeader(RecordSource& records) {
    for (;;) {
        auto batch = records.nextRecord();
        if (!batch) {
            return std::unexpected(batch.error());
        }
        if (!*batch) {
            return std::unexpected(Problem{ExitStatus::BadInput, records.place(1),
                                           "the input is empty; a header line is expected"});
        }
        const auto cursor = (*batch)->records();
        const auto record = cursor->next();
        if (!record) {
            return std::unexpected(record.error());
        }
        if (*record && !isBlank(**record)) {
            const Record& header = **record;
            return Header{{header.cells.begin(), header.cells.end()}, header.line, header.crlf};
        }
    }
}

} // namespace

Outcome<RowTally> runTable(ByteSource* input, std::span<const InputOption> options,
                           std::FILE* output, const RunSettings& settings) {
    std::unique_ptr<CsvSource> table;
    TableFormat format;
    format.dialect.delimiter = settings.format.delimiter.value_or(',');
    Header header;
    if (input) {
        auto opened = CsvSource::open(*input, settings.format, settings.readSize);
        if (!opened) {
            return std::unexpected(opened.error());
        }
        table = std::move(*opened);
        format = table->format();
        auto read = readHeader(*table);
        if (!read) {
            return std::unexpected(read.error());
        }
        header = std::move(*read);
    } else {
        header.cells = optionsOnlyHeader(options);
    }
    auto layout = layOutTable(header.cells, options, header.line, settings.keptColumns);
    if (!layout) {
        return std::unexpected(layout.error());
    }
    if (settings.notices) {
        noteMissingInputs(input ? &*layout : nullptr, options, *settings.notices);
    }

    // Spreadsheets keep the line ends of a file they open, and take its
    // encoding from its mark.
    const char delimiter = format.dialect.delimiter;
    const TableStyle style{delimiter, header.crlf ? "\r\n" : "\n", settings.decimalComma};
    TableOutput out(output, format.encoding, format.dialect.crAlone);
    if (format.byteOrderMark) {
        if (auto written = out.write("\uFEFF"); !written) {
            return std::unexpected(written.error());
        }
    }
    std::string start;
    if (format.dialect.separatorLine) {
        start = std::string("sep=") + delimiter + std::string(style.lineEnd);
    }
    const VehicleRows headerRows(*layout, options, style);
    headerRows.writeHeader(header.cells, start);
    if (auto written = out.write(std::move(start)); !written) {
        return std::unexpected(written.error());
    }
    const RowWork rows(*layout, options, style, table.get(), header.cells.size());
    WorkSource source(table.get(), headerRows.gridSize(), settings.readSize);
    auto tally =
        writeRows(source, rows, std::max<std::size_t>(settings.jobs, 1), out, settings.notices);
    if (auto flushed = out.flush(); !flushed && tally) {
        return std::unexpected(flushed.error());
    }
    return tally;
}

} // namespace evdrive::batch
