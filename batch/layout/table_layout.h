// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/layout/columns.h"
#include "batch/command/options.h"
#include "batch/problem.h"

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace evdrive::batch {

// Where each input of a table comes from, and how the written table names it.
struct TableLayout {
    static constexpr std::size_t none = std::numeric_limits<std::size_t>::max();

    std::vector<std::size_t> inputOfColumn;            // per header column: its input, or none
    std::array<std::size_t, inputCount> columnOfInput; // per input: its header column, or none
    // Inputs that options give and the header does not hold, written after
    // the header's columns in the order the options give them.
    std::vector<std::size_t> addedInputs;
    // How the table names each input: as its column or option does, else as
    // the result columns are named.
    std::array<Naming, inputCount> naming;
    // The naming of the first input the header names, or else the first option
    // names, or else keys: a table headed in Chinese gets Chinese
    // result columns.
    Naming resultNaming;
};

// The layout of a table with this header, on the given line; or what is
// wrong with the header. Kept columns are never taken for mistyped inputs.
Outcome<TableLayout> layOutTable(std::span<const std::string> header,
                                 std::span<const InputOption> options, std::size_t line,
                                 std::span<const std::string> keptColumns = {});

// The header of a table made from options alone: the twelve inputs in field order.
std::vector<std::string> optionsOnlyHeader(std::span<const InputOption> options);

} // namespace evdrive::batch
