// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch/csv_reader.h"
#include "batch/table_run.h"
#include "tests/fuzz/fuzz_input.h"

#include <cstdlib>

using namespace evdrive;
using namespace evdrive::batch;
using fuzz::require;

// Any bytes as a table: the run ends in a table written or a malformed line,
// and what it wrote reads back as CSV whose every row has the header's cells.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* input = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* output = open_memstream(&written, &length);
    const RunOutcome outcome = runTable(input, {}, output);
    std::fclose(input);
    std::fclose(output);
    require(outcome.kind == RunOutcome::Kind::Done || outcome.kind == RunOutcome::Kind::Malformed,
            "a table in memory is read and written whole or stops at a malformed line");

    std::FILE* back = fmemopen(written, length, "rb");
    CsvReader reader(back);
    CsvReader::Status status = reader.next();
    const std::size_t columns = status == CsvReader::Status::Record ? reader.cells().size() : 0;
    for (; status == CsvReader::Status::Record; status = reader.next()) {
        require(reader.cells().size() == columns, "every row written has the header's cells");
    }
    require(status == CsvReader::Status::End, "what is written reads back as CSV");
    std::fclose(back);
    std::free(written);
    return 0;
}
