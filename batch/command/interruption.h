// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <string>

namespace evdrive::batch {

// What stops a run from outside, Ctrl-C, SIGTERM or SIGHUP (on Windows Ctrl+C,
// Ctrl+Break and the console closing), does while one of these lives: it
// removes the temporary file of -o, so that FILE stays as it was, says on
// standard error where the run stopped, and ends the program as such a
// stopped program ends: by the signal, which a shell reports as 128 + its
// number, 130 for Ctrl-C; on Windows with status 130. One at a time.
class Interruption {
  public:
    // Without a temporary file the output went to standard output: the
    // message says where it stopped, by line (or row, for a table the options
    // make) as progress gives it.
    Interruption(std::FILE* messages, const std::string& temporaryPath, const std::string& output,
                 bool byRow);
    ~Interruption();

    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    // The line (or row) the rows written so far end on.
    std::atomic<std::size_t>& progress();
};

} // namespace evdrive::batch
