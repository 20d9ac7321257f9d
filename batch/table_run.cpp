// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/table_run.h"

#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "batch/integer_text.h"
#include "batch/table_layout.h"
#include "batch/vehicle_rows.h"

#include <cstring>
#include <vector>

namespace evdrive::batch {
namespace {

using Kind = RunOutcome::Kind;

RunOutcome malformed(std::size_t line, const std::string& reason) {
    return {Kind::Malformed, "line " + integerText(line) + ": " + reason};
}

// What a reader's status other than a record means for the run.
RunOutcome endOfRecords(const CsvReader& reader, CsvReader::Status status) {
    switch (status) {
    case CsvReader::Status::OpenQuote:
        return malformed(reader.line(), "a quoted cell opens here and is never closed");
    case CsvReader::Status::ReadFailed:
        return {Kind::ReadFailed, std::strerror(reader.error())};
    default:
        return {};
    }
}

RunOutcome finish(CsvWriter& writer, RunOutcome outcome) {
    if (!writer.flush() && outcome.kind == Kind::Done) {
        return {Kind::WriteFailed, std::strerror(writer.error())};
    }
    return outcome;
}

RunOutcome runOptionsOnly(std::span<const InputOption> options, std::FILE* output) {
    const std::vector<std::string> header = optionsOnlyHeader(options);
    const auto layout = layOutTable(header, options);
    CsvWriter writer(output, "\n");
    VehicleRows rows(*layout, options, writer);
    rows.writeHeader(header);
    rows.writeRecord({});
    return finish(writer, {});
}

} // namespace

RunOutcome runTable(std::FILE* input, std::span<const InputOption> options, std::FILE* output,
                    std::size_t readSize) {
    if (!input) {
        return runOptionsOnly(options, output);
    }
    CsvReader reader(input, readSize);
    const CsvReader::Status headerStatus = reader.next();
    if (headerStatus == CsvReader::Status::End) {
        return malformed(reader.line(), "the input is empty; a header line is expected");
    }
    if (headerStatus != CsvReader::Status::Record) {
        return endOfRecords(reader, headerStatus);
    }
    const std::vector<std::string> header(reader.cells().begin(), reader.cells().end());
    const auto layout = layOutTable(header, options);
    if (!layout) {
        return malformed(reader.line(), layout.error());
    }

    // Spreadsheets take a file for UTF-8 only with the mark, and keep its line ends.
    CsvWriter writer(output, reader.endedInCrlf() ? "\r\n" : "\n");
    if (reader.hadByteOrderMark()) {
        writer.raw(byteOrderMark);
    }
    VehicleRows rows(*layout, options, writer);
    rows.writeHeader(header);
    for (;;) {
        const CsvReader::Status status = reader.next();
        if (status != CsvReader::Status::Record) {
            return finish(writer, endOfRecords(reader, status));
        }
        const auto cells = reader.cells();
        if (cells.size() > header.size()) {
            return finish(writer, malformed(reader.line(), integerText(cells.size()) +
                                                               " cells, more than the header's " +
                                                               integerText(header.size())));
        }
        rows.writeRecord(cells);
        if (writer.error() != 0) {
            return finish(writer, {});
        }
    }
}

} // namespace evdrive::batch
