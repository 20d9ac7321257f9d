// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/records/csv_blocks.h"

#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

struct CommandRun {
    std::string out;
    std::string err;
    int status;
};

// Runs evdrive-batch in this process with the given arguments and standard
// input, read in pieces of readSize bytes.
CommandRun runBatch(const std::vector<std::string_view>& args, std::string_view input,
                    std::size_t readSize = defaultReadSize);

} // namespace evdrive::batch
