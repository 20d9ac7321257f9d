// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/columns.h"
#include "batch/problem.h"
#include "batch/sweep.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// An input that --set or --sweep gives every row.
struct InputOption {
    std::string argument; // "--sweep finalDriveRatio=6:10:0.5", whichever way it was spelt
    InputName input;
    std::string text;           // with --set
    std::optional<Sweep> sweep; // with --sweep
};

struct Options {
    std::optional<std::string> file; // "-" stands for standard input
    std::vector<InputOption> inputs; // in the order given
    std::optional<std::size_t> jobs; // threads that compute rows; the processors' count without
    bool help = false;
    bool version = false;
};

// The command line after the program's name, or the argument at fault and why.
Outcome<Options> parseOptions(std::span<const std::string_view> args);

} // namespace evdrive::batch
