// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/options.h"
#include "batch/record_blocks.h"

#include <cstdio>
#include <span>
#include <string>

namespace evdrive::batch {

struct RunOutcome {
    enum class Kind {
        Done,        // every row written, whatever their calculations gave
        Malformed,   // the rows before the malformed line are written
        ReadFailed,  // the rows of the records read are written
        WriteFailed, // output stopped at the failed write
    };
    Kind kind = Kind::Done;
    std::string message; // what went wrong, "line 7: …" for a malformed line
};

// Streams the table from input, read in pieces of readSize bytes, or the one
// the options make when input is null, to output with the results of each row.
RunOutcome runTable(std::FILE* input, std::span<const InputOption> options, std::FILE* output,
                    std::size_t readSize = defaultReadSize);

} // namespace evdrive::batch
