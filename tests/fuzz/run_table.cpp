// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch/csv_reader.h"
#include "batch/table_run.h"
#include "tests/fuzz/fuzz_input.h"

#include <cstdlib>
#include <string>

using namespace evdrive;
using namespace evdrive::batch;
using fuzz::require;

namespace {

struct Run {
    RunOutcome outcome;
    std::string written;
};

Run runInMemory(std::string_view table, std::size_t readSize) {
    std::FILE* input = fmemopen(const_cast<char*>(table.data()), table.size(), "rb");
    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* output = open_memstream(&written, &length);
    Run run{runTable(input, {}, output, readSize), {}};
    std::fclose(input);
    std::fclose(output);
    run.written.assign(written, length);
    std::free(written);
    return run;
}

} // namespace

// The first byte sets a read size of 1 to 16 bytes, the rest is a table. The
// run ends in a table written or a malformed line, the same whether the table
// is read in one piece or in small ones, and what it wrote reads back as CSV
// whose every row has the header's cells.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t readSize = 1 + data[0] % 16;
    const std::string table(fuzz::asText(data + 1, size - 1));
    const Run whole = runInMemory(table, defaultReadSize);
    require(whole.outcome.kind == RunOutcome::Kind::Done ||
                whole.outcome.kind == RunOutcome::Kind::Malformed,
            "a table in memory is read and written whole or stops at a malformed line");
    const Run pieces = runInMemory(table, readSize);
    require(pieces.outcome.kind == whole.outcome.kind &&
                pieces.outcome.message == whole.outcome.message && pieces.written == whole.written,
            "a table read in small pieces gives what it gives read whole");

    std::FILE* back = fmemopen(const_cast<char*>(whole.written.data()), whole.written.size(), "rb");
    CsvReader reader(back, readSize);
    CsvReader::Status status = reader.next();
    const std::size_t columns = status == CsvReader::Status::Record ? reader.cells().size() : 0;
    for (; status == CsvReader::Status::Record; status = reader.next()) {
        require(reader.cells().size() == columns, "every row written has the header's cells");
    }
    require(status == CsvReader::Status::End, "what is written reads back as CSV");
    std::fclose(back);
    return 0;
}
