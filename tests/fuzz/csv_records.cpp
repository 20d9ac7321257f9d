// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch/records/csv_records.h"

#include "batch/records/csv_blocks.h"
#include "tests/fuzz/fuzz_input.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace evdrive;
using namespace evdrive::batch;
using fuzz::require;

namespace {

struct Row {
    std::vector<std::string> cells;
    std::size_t line;

    bool operator==(const Row&) const = default;
};

// What a reading of a table comes to: its records, and where it stopped
// short, if it did.
struct Reading {
    std::vector<Row> rows;
    std::optional<std::size_t> malformedAt;
    std::optional<std::size_t> openQuoteAt;

    bool operator==(const Reading&) const = default;
};

// Straight from RFC 4180, with what evdrive-batch allows besides: a line
// feed alone ends a line, a CR anywhere but before one is text, and so is a
// quote in a cell that does not start with one. Text after a closing quote,
// but a delimiter or a line end, is malformed.
Reading referenceReading(std::string_view text, char delimiter) {
    Reading reading;
    std::size_t at = 0;
    std::size_t line = 1;
    while (at < text.size()) {
        Row row{{}, line};
        bool recordEnded = false;
        while (!recordEnded) {
            std::string cell;
            if (at < text.size() && text[at] == '"') {
                const std::size_t quoteLine = line;
                ++at;
                for (;;) {
                    if (at == text.size()) {
                        reading.openQuoteAt = quoteLine;
                        return reading;
                    }
                    if (text[at] == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                        cell += '"';
                        at += 2;
                    } else if (text[at] == '"') {
                        ++at;
                        break;
                    } else {
                        line += text[at] == '\n';
                        cell += text[at++];
                    }
                }
                if (at == text.size()) {
                    recordEnded = true;
                } else if (text[at] == delimiter) {
                    ++at;
                } else if (text[at] == '\n' || text.substr(at, 2) == "\r\n") {
                    at += text[at] == '\r' ? 2 : 1;
                    ++line;
                    recordEnded = true;
                } else {
                    reading.malformedAt = quoteLine;
                    return reading;
                }
            } else {
                while (at < text.size() && text[at] != delimiter && text[at] != '\n') {
                    cell += text[at++];
                }
                if (at < text.size() && text[at] == '\n') {
                    if (!cell.empty() && cell.back() == '\r') {
                        cell.pop_back();
                    }
                    ++line;
                    recordEnded = true;
                } else if (at == text.size()) {
                    recordEnded = true;
                }
                ++at;
            }
            row.cells.push_back(std::move(cell));
        }
        reading.rows.push_back(std::move(row));
    }
    return reading;
}

// The reading evdrive-batch does: blocks cut from pieces of readSize bytes,
// their records read one by one.
Reading batchReading(std::string_view text, char delimiter, std::size_t readSize) {
    std::FILE* input = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
    FileSource source(input, "standard input", false);
    CsvBlocks blocks(source, delimiter, readSize);
    CsvRecords records(delimiter);
    Reading reading;
    for (bool small = false;; small = !small) {
        auto block = small ? blocks.nextRecord() : blocks.next(readSize);
        require(block.has_value(), "a table in memory reads");
        if (!*block) {
            break;
        }
        records.reset((*block)->text, (*block)->firstLine);
        for (CsvRecords::Status status; (status = records.next()) != CsvRecords::Status::End;) {
            if (status == CsvRecords::Status::Malformed) {
                reading.malformedAt = records.faultLine();
            } else if (status == CsvRecords::Status::OpenQuote) {
                reading.openQuoteAt = records.faultLine();
            } else {
                const Record& record = records.record();
                reading.rows.push_back({{record.cells.begin(), record.cells.end()}, record.line});
                continue;
            }
            std::fclose(input);
            return reading;
        }
    }
    std::fclose(input);
    return reading;
}

} // namespace

// The first byte sets the delimiter and a read size of 1 to 16 bytes, the
// rest is a table. Read with the machine of evdrive-batch, cut into blocks
// of any size, it gives the cells, lines and verdict of the reference.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char delimiter = ",;\t"[data[0] % 3];
    const std::size_t readSize = 1 + data[0] / 3 % 16;
    const std::string table(fuzz::asText(data + 1, size - 1));
    require(batchReading(table, delimiter, readSize) == referenceReading(table, delimiter),
            "the records are those of the reference reading");
    return 0;
}
