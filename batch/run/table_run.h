// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/options.h"
#include "batch/problem.h"
#include "batch/records/csv_source.h"
#include "batch/report.h"
#include "batch/run/field_text.h"
#include "batch/run/row_tally.h"
#include "batch/text/byte_source.h"

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace evdrive::batch {

// How a run reads its table and uses the machine.
struct RunSettings {
    std::size_t jobs = 1; // threads that compute rows
    std::size_t readSize = defaultReadSize;
    FormatChoice format{}; // what the command line says of the table's format
    NumberStyle numbers{};
    std::optional<std::size_t> headerRow = std::nullopt; // from 1, where the command line gives it
    std::optional<std::string> sheet = std::nullopt;     // a workbook's sheet, by name or number
    // The table's path, where it is a named file, and its name in messages.
    std::string inputPath{};
    std::string inputName{};
    std::span<const std::string> keptColumns{};
    const Report* notices = nullptr;              // says what the table lacks, before the rows
    std::atomic<std::size_t>* progress = nullptr; // the line the rows written end on
};

// Where a run writes its table: a CSV table to a stream, or a workbook to a
// path, which messages call name.
struct TableDestination {
    std::FILE* stream = nullptr;
    std::string workbookPath{};
    std::string name{};
};

// Streams the table from input, a CSV table or a workbook's sheet, or the one
// the options make when input is null, to output with the results of each
// row, in the order of the table however many threads compute them: as CSV
// in the table's own encoding, delimiter and line ends (a workbook's as
// UTF-8), or as a workbook. Memory stays within a few batches of the table
// however long it is. Stops at the first malformed line, a failed read or a
// failed write, with every row before it written and none after it.
Outcome<RowTally> runTable(ByteSource* input, std::span<const InputOption> options,
                           const TableDestination& output, const RunSettings& settings);

} // namespace evdrive::batch
