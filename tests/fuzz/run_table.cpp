// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch/records/csv_source.h"
#include "batch/run/table_run.h"
#include "tests/fuzz/fuzz_input.h"

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace evdrive;
using namespace evdrive::batch;
using fuzz::require;

namespace {

struct Run {
    Outcome<RowTally> outcome;
    std::string written;
};

// The table in memory, read in pieces of readSize bytes by so many threads.
Run runInMemory(std::string_view table, std::size_t readSize, std::size_t jobs) {
    std::FILE* input = fmemopen(const_cast<char*>(table.data()), table.size(), "rb");
    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* output = open_memstream(&written, &length);
    FileSource source(input, "standard input", false);
    Run run{runTable(&source, {}, {output}, {.jobs = jobs, .readSize = readSize}), {}};
    std::fclose(input);
    std::fclose(output);
    run.written.assign(written, length);
    std::free(written);
    return run;
}

bool sameOutcome(const Outcome<RowTally>& a, const Outcome<RowTally>& b) {
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return a ? a->rows == b->rows && a->failedByKind == b->failedByKind &&
                   a->firstFailedLine == b->firstFailedLine
             : a.error().message() == b.error().message() && a.error().status == b.error().status;
}

} // namespace

// The first byte sets a read size of 1 to 16 bytes, the rest is a table. The
// run ends in a table written or a malformed line, the same whether the table
// is read whole by one thread or in small pieces by three, and what it wrote
// reads back as CSV whose every row has the header's cells.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t readSize = 1 + data[0] % 16;
    const std::string table(fuzz::asText(data + 1, size - 1));
    const Run whole = runInMemory(table, defaultReadSize, 1);
    require(whole.outcome || whole.outcome.error().status == ExitStatus::BadInput,
            "a table in memory is read and written whole or stops at a malformed line");
    const Run pieces = runInMemory(table, readSize, 3);
    require(sameOutcome(pieces.outcome, whole.outcome) && pieces.written == whole.written,
            "a table read in small pieces by several threads gives what it gives read whole");

    // The written table reads back with the table's own encoding and delimiter,
    // and past the header every row that is not blank has the header's cells.
    std::FILE* input = fmemopen(const_cast<char*>(table.data()), table.size(), "rb");
    FileSource tableSource(input, "table", false);
    const auto found = CsvSource::open(tableSource, {}, readSize);
    std::fclose(input);
    if (!whole.outcome || !found) {
        return 0;
    }
    const TableFormat& format = (*found)->format();
    std::FILE* back = fmemopen(const_cast<char*>(whole.written.data()), whole.written.size(), "rb");
    FileSource source(back, "output", false);
    auto written = CsvSource::open(source, {format.encoding, format.dialect.delimiter}, readSize);
    require(written.has_value(), "what is written opens as a table");
    std::optional<std::size_t> columns;
    for (;;) {
        auto batch = (*written)->next(readSize);
        require(batch.has_value(), "what is written reads back");
        if (!*batch) {
            break;
        }
        const auto cursor = (*batch)->records();
        for (;;) {
            const auto record = cursor->next();
            require(record.has_value(), "what is written reads back as CSV");
            if (!*record) {
                break;
            }
            const auto& cells = (*record)->cells;
            const bool header = std::any_of(cells.begin(), cells.end(), [](std::string_view cell) {
                return cell == "field" || cell == "出错参数";
            });
            if (header && !columns) {
                columns = cells.size();
            } else if (columns && !isBlank(**record)) {
                require(cells.size() == *columns, "every row after the header has its cells");
            }
        }
    }
    std::fclose(back);
    return 0;
}
