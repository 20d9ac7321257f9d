// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/translation.h"

#include <string>
#include <string_view>

namespace evdrive::batch {

// What --help prints: the options, the columns with their units, and how the
// table is read and written.
std::string helpText();

// What a command started at a terminal without a table says: how to give one.
inline constexpr std::string_view terminalUsage =
    translatable(R"(Usage: evdrive-batch [OPTION]... FILE
       evdrive-batch [OPTION]... < FILE
       evdrive-batch --set NAME=TEXT... [--sweep NAME=FROM:TO:STEP]...
Runs the drive calculation for every vehicle of a CSV table and writes the
results to standard output. It reads no table typed at the keyboard: give a
FILE, redirect or pipe one in, or make one with --set and --sweep.
The options and the table's columns: evdrive-batch --help
)");

} // namespace evdrive::batch
