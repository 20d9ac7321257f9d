// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/byte_source.h"
#include "batch/options.h"
#include "batch/problem.h"
#include "batch/record_blocks.h"
#include "batch/row_tally.h"

#include <cstddef>
#include <cstdio>
#include <span>

namespace evdrive::batch {

// How a run uses the machine: the threads that compute rows, and the size of
// the pieces the table is read in.
struct RunSettings {
    std::size_t jobs = 1;
    std::size_t readSize = defaultReadSize;
};

// Streams the table from input, or the one the options make when input is
// null, to output with the results of each row, in the order of the table
// however many threads compute them. Memory stays within a few blocks of the
// table however long it is. Stops at the first malformed line, a failed read
// or a failed write, with every row before it written and none after it.
Outcome<RowTally> runTable(ByteSource* input, std::span<const InputOption> options,
                           std::FILE* output, const RunSettings& settings);

} // namespace evdrive::batch
