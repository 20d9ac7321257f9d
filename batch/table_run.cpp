// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_run.h"

#include "batch/csv_records.h"
#include "batch/integer_text.h"
#include "batch/ordered_work.h"
#include "batch/table_layout.h"
#include "batch/vehicle_rows.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace evdrive::batch {
namespace {

// The rows of one stretch of the table: a block of records, each once for
// each point of the sweeps' grid, or for a record with a large grid, part of
// its grid.
struct WorkItem {
    std::shared_ptr<const TableBlock> block; // null for the one record options make
    std::uint64_t gridFrom = 0;
    std::uint64_t gridTo = 0;
};

struct WorkDone {
    std::string out;
    RowTally tally;
    std::optional<Problem> malformed; // the rows before it are in out
};

// About as many rows as a block of a table without sweeps makes.
constexpr std::uint64_t rowsPerItem = 8192;

Problem malformedLine(std::size_t line, std::string what) {
    return {ExitStatus::BadInput, "line " + integerText(line), std::move(what)};
}

// What a run shares among its threads; each item gets rows of its own.
class Rows {
  public:
    Rows(const TableLayout& layout, std::span<const InputOption> options, TableStyle style,
         std::size_t headerSize)
        : layout_(layout)
        , options_(options)
        , style_(style)
        , headerSize_(headerSize) {}

    WorkDone operator()(const WorkItem& item) const {
        WorkDone done;
        VehicleRows rows(layout_, options_, style_);
        if (!item.block) {
            rows.writeRecord({{}, {}, false, 1}, item.gridFrom, item.gridTo, done.out, done.tally);
            return done;
        }
        done.out.reserve(item.block->text.size() * 2);
        CsvRecords records(style_.delimiter);
        records.reset(item.block->text, item.block->firstLine);
        for (CsvRecords::Status status; (status = records.next()) != CsvRecords::Status::End;) {
            if (status == CsvRecords::Status::OpenQuote) {
                done.malformed =
                    malformedLine(records.line(), "a quoted cell opens here and is never closed");
                break;
            }
            const CsvRecord record = records.record();
            if (record.cells.size() > headerSize_) {
                done.malformed = malformedLine(record.line, integerText(record.cells.size()) +
                                                                " cells, more than the header's " +
                                                                integerText(headerSize_));
                break;
            }
            rows.writeRecord(record, item.gridFrom, item.gridTo, done.out, done.tally);
        }
        return done;
    }

  private:
    const TableLayout& layout_;
    std::span<const InputOption> options_;
    TableStyle style_;
    std::size_t headerSize_;
};

// Hands the table's blocks out as work: large grids are cut into parts of
// one record each.
class WorkSource {
  public:
    WorkSource(RecordBlocks* blocks, std::uint64_t gridSize, std::size_t readSize)
        : blocks_(blocks)
        , gridSize_(gridSize)
        , blockBytes_(std::max<std::uint64_t>(readSize / std::min(gridSize, rowsPerItem), 1)) {}

    Outcome<std::optional<WorkItem>> next() {
        if (!started_ || gridNext_ == gridSize_) {
            if (!blocks_) {
                if (started_) {
                    return std::nullopt;
                }
            } else {
                auto block =
                    gridSize_ > rowsPerItem ? blocks_->nextRecord() : blocks_->next(blockBytes_);
                if (!block) {
                    return std::unexpected(block.error());
                }
                if (!*block) {
                    return std::nullopt;
                }
                block_ = std::make_shared<const TableBlock>(std::move(**block));
            }
            started_ = true;
            gridNext_ = 0;
        }
        const std::uint64_t from = gridNext_;
        gridNext_ = gridSize_ > rowsPerItem ? std::min(gridSize_, from + rowsPerItem) : gridSize_;
        return WorkItem{block_, from, gridNext_};
    }

  private:
    RecordBlocks* blocks_; // null for a table of options alone
    std::uint64_t gridSize_;
    std::uint64_t blockBytes_;
    std::shared_ptr<const TableBlock> block_;
    bool started_ = false;
    std::uint64_t gridNext_ = 0;
};

Outcome<> writeOut(std::FILE* output, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), output) != text.size()) {
        return problem(ExitStatus::IoFailure, "standard output",
                       std::strerror(errno != 0 ? errno : EIO));
    }
    return {};
}

// Computes the items with jobs threads and writes their rows in order, with a
// few items in flight at most.
Outcome<RowTally> writeRows(WorkSource& source, const Rows& rows, std::size_t jobs,
                            std::FILE* output) {
    const std::size_t threads = jobs > 1 ? jobs : 0;
    const std::size_t inFlight = 2 * jobs + 1;
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
        const WorkDone done = work.take();
        if (auto written = writeOut(output, done.out); !written) {
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

} // namespace

Outcome<RowTally> runTable(ByteSource* input, std::span<const InputOption> options,
                           std::FILE* output, const RunSettings& settings) {
    std::vector<std::string> header;
    std::size_t headerLine = 1;
    TableStyle style;
    std::optional<RecordBlocks> blocks;
    if (input) {
        blocks.emplace(*input, style.delimiter, settings.readSize);
        // The first record, past any empty lines.
        CsvRecords records(style.delimiter);
        std::optional<TableBlock> first;
        CsvRecords::Status status = CsvRecords::Status::End;
        while (status == CsvRecords::Status::End) {
            auto block = blocks->nextRecord();
            if (!block) {
                return std::unexpected(block.error());
            }
            if (!*block) {
                return std::unexpected(
                    malformedLine(1, "the input is empty; a header line is expected"));
            }
            first = std::move(**block);
            records.reset(first->text, first->firstLine);
            status = records.next();
        }
        if (status == CsvRecords::Status::OpenQuote) {
            return std::unexpected(
                malformedLine(records.line(), "a quoted cell opens here and is never closed"));
        }
        const CsvRecord record = records.record();
        header.assign(record.cells.begin(), record.cells.end());
        // Spreadsheets keep the line ends of a file they open.
        style.lineEnd = records.endedInCrlf() ? "\r\n" : "\n";
        headerLine = record.line;
    } else {
        header = optionsOnlyHeader(options);
    }
    auto layout = layOutTable(header, options, headerLine);
    if (!layout) {
        return std::unexpected(layout.error());
    }

    std::string start;
    // Spreadsheets take a file for UTF-8 only with the mark.
    if (blocks && blocks->hadByteOrderMark()) {
        start = byteOrderMark;
    }
    VehicleRows(*layout, options, style).writeHeader(header, start);
    if (auto written = writeOut(output, start); !written) {
        return std::unexpected(written.error());
    }
    const Rows rows(*layout, options, style, header.size());
    WorkSource source(blocks ? &*blocks : nullptr, VehicleRows(*layout, options, style).gridSize(),
                      settings.readSize);
    auto tally = writeRows(source, rows, std::max<std::size_t>(settings.jobs, 1), output);
    if (std::fflush(output) != 0 && tally) {
        return problem(ExitStatus::IoFailure, "standard output", std::strerror(errno));
    }
    return tally;
}

} // namespace evdrive::batch
