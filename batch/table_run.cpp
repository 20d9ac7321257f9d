// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_run.h"

#include "batch/csv_records.h"
#include "batch/input_names.h"
#include "batch/ordered_work.h"
#include "batch/table_layout.h"
#include "batch/table_output.h"
#include "batch/table_work.h"
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
                            TableOutput& output) {
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
    if (stopped) {
        return std::unexpected(*stopped);
    }
    return tally;
}

// The inputs the calculation reads that neither a column of the table nor an
// option gives, said in one line with the result where every row then stops.
void noteMissingInputs(const TableLayout* layout, std::span<const InputOption> options,
                       std::FILE* notices) {
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
    std::string line = "evdrive-batch: no column or --set gives ";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        line += i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ";
        line += describeInput(missing[i]);
    }
    line += "; every row stops at the " + std::string(drivetrainResults[stop].name) + "\n";
    std::fwrite(line.data(), 1, line.size(), notices);
    std::fflush(notices);
}

// The table's header past any empty lines and a first line "sep=;": its
// cells, line and line end; or why there is none.
struct Header {
    std::vector<std::string> cells;
    std::size_t line = 1;
    bool crlf = false;
};

Outcome<Header> readHeader(RecordBlocks& blocks, const TableFormat& format) {
    CsvRecords records(format.delimiter);
    std::optional<TableBlock> block;
    bool separatorSeen = !format.separatorLine;
    for (;;) {
        auto next = blocks.nextRecord();
        if (!next) {
            return std::unexpected(next.error());
        }
        if (!*next) {
            return std::unexpected(
                malformedLine(1, "the input is empty; a header line is expected"));
        }
        block = std::move(**next);
        records.reset(block->text, block->firstLine);
        const CsvRecords::Status status = records.next();
        if (status == CsvRecords::Status::OpenQuote) {
            return std::unexpected(unclosedQuote(records.line()));
        }
        if (status == CsvRecords::Status::Record && !separatorSeen) {
            separatorSeen = true;
        } else if (status == CsvRecords::Status::Record) {
            break;
        }
    }
    const CsvRecord record = records.record();
    return Header{{record.cells.begin(), record.cells.end()}, record.line, records.endedInCrlf()};
}

} // namespace

Outcome<RowTally> runTable(ByteSource* input, std::span<const InputOption> options,
                           std::FILE* output, const RunSettings& settings) {
    std::unique_ptr<TableInput> table;
    TableFormat format;
    format.delimiter = settings.format.delimiter.value_or(',');
    Header header;
    std::optional<RecordBlocks> blocks;
    if (input) {
        auto opened = TableInput::open(*input, settings.format);
        if (!opened) {
            return std::unexpected(opened.error());
        }
        table = std::move(*opened);
        format = table->format();
        blocks.emplace(table->text(), format.delimiter, settings.readSize);
        auto read = readHeader(*blocks, format);
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
        noteMissingInputs(input ? &*layout : nullptr, options, settings.notices);
    }

    // Spreadsheets keep the line ends of a file they open, and take its
    // encoding from its mark.
    const TableStyle style{format.delimiter, header.crlf ? "\r\n" : "\n", settings.decimalComma};
    TableOutput out(output, format);
    if (format.byteOrderMark) {
        if (auto written = out.write("\uFEFF"); !written) {
            return std::unexpected(written.error());
        }
    }
    std::string start;
    if (format.separatorLine) {
        start = std::string("sep=") + format.delimiter + std::string(style.lineEnd);
    }
    const VehicleRows headerRows(*layout, options, style);
    headerRows.writeHeader(header.cells, start);
    if (auto written = out.write(std::move(start)); !written) {
        return std::unexpected(written.error());
    }
    const RowWork rows(*layout, options, style, header.cells.size());
    WorkSource source(blocks ? &*blocks : nullptr, headerRows.gridSize(), settings.readSize);
    auto tally = writeRows(source, rows, std::max<std::size_t>(settings.jobs, 1), out);
    if (auto flushed = out.flush(); !flushed && tally) {
        return std::unexpected(flushed.error());
    }
    return tally;
}

} // namespace evdrive::batch
