// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/sweep.h"
#include "batch/layout/columns.h"
#include "batch/problem.h"

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
    std::optional<std::string> file;   // "-" stands for standard input
    std::optional<std::string> output; // the file to write the table to, whole or not at all
    std::vector<InputOption> inputs;   // in the order given
    std::optional<std::size_t> jobs;   // threads that compute rows; the processors' count without
    std::optional<std::string> encoding;
    std::optional<char> delimiter;
    bool decimalComma = false;            // "0,28" in the table is 0.28, and results are so written
    bool digitGrouping = false;           // "1,500" and "1 500" in the table are 1500
    std::optional<std::size_t> headerRow; // the header's row, from 1
    std::optional<std::string> sheet;     // a workbook's sheet, by name or number from 1
    bool strict = false;                  // a failed calculation makes the run fail
    std::vector<std::string> keptColumns; // header names never taken for mistyped inputs
    bool help = false;
    bool version = false;
};

// The command line after the program's name, or the argument at fault and why.
Outcome<Options> parseOptions(std::span<const std::string_view> args);

// Whether --set or --sweep gives the input of that place in field order.
bool givesInput(std::span<const InputOption> options, std::size_t input);

// A number with a decimal comma as a number reads, or the other way round.
std::string swapPointAndComma(std::string_view text);

} // namespace evdrive::batch
