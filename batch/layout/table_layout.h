// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/command/options.h"
#include "batch/layout/columns.h"
#include "batch/layout/input_names.h"
#include "batch/problem.h"

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// Where each input of a table comes from, where each added column goes, and
// how the written table names them.
struct TableLayout {
    static constexpr std::size_t none = std::numeric_limits<std::size_t>::max();

    std::vector<std::size_t> inputOfColumn;            // per header column: its input, or none
    std::array<std::size_t, inputCount> columnOfInput; // per input: its header column, or none
    // Per header column: the added column an earlier run wrote there, which
    // this run computes again in its place; or none.
    std::vector<std::size_t> addedOfColumn;
    // Inputs that options give and the header does not hold, written after
    // the header's columns in the order the options give them.
    std::vector<std::size_t> addedInputs;
    // The added columns the header does not hold, written after those.
    std::vector<std::size_t> appendedColumns;
    // How the table names each input, in the field column and the messages:
    // its header cell, or as its option names it, or as the results are named.
    std::array<std::string, inputCount> inputNames;
    // The naming of the first input the header names, or else the first option
    // names, or else keys: a table headed in Chinese gets Chinese result
    // columns, with their units given as its inputs give theirs.
    Naming resultNaming = Naming::Key;
    UnitStyle resultUnits = UnitStyle::None;
    // Header columns that are the table's own: their place and cell, and for
    // a cell that names a quantity the calculation does not take, what it is.
    struct OwnColumn {
        std::size_t column;
        std::string cell;
        std::string_view otherQuantity;
        std::size_t nearInput; // of such a cell, the input it is not
    };
    std::vector<OwnColumn> ownColumns;

    // The name of an added column as this table writes it.
    std::string addedName(std::size_t added) const;
};

// The layout of a table with this header, at the given place; or what is
// wrong with the header. Kept columns are never taken for mistyped inputs.
Outcome<TableLayout> layOutTable(std::span<const std::string> header,
                                 std::span<const InputOption> options, std::string_view place,
                                 std::span<const std::string> keptColumns = {});

// Whether a header cell names an input, rightly or not: the header is the
// first row that holds one.
bool namesAnInput(std::string_view cell);

// The header of a table made from options alone: the twelve inputs in field order.
std::vector<std::string> optionsOnlyHeader(std::span<const InputOption> options);

} // namespace evdrive::batch
