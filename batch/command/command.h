// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/records/csv_blocks.h"

#include <cstddef>
#include <cstdio>
#include <span>
#include <string_view>

namespace evdrive::batch {

struct Streams {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

// The whole of evdrive-batch: args are the command line after the program's
// name; tables are read in pieces of readSize bytes. Returns the exit status.
int runCommand(std::span<const std::string_view> args, std::string_view version,
               const Streams& streams, std::size_t readSize = defaultReadSize);

} // namespace evdrive::batch
