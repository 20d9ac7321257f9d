// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <cstdio>
#include <string_view>

namespace evdrive::batch {

// Whether the stream is a terminal, a console on Windows: a table is then
// not piped or redirected in but would have to be typed.
bool isTerminal(std::FILE* stream);

// Writes text for the user to read: on Windows to a console as a console
// shows it, elsewhere as it is. Whether all of it was written.
bool writeText(std::FILE* stream, std::string_view text);

// The one way evdrive-batch speaks to its user: a line on standard error,
// after the program's name.
class Report {
  public:
    explicit Report(std::FILE* stream)
        : stream_(stream) {}

    void say(std::string_view message) const;
    // Says what went wrong, and gives the exit status it calls for.
    int fail(const Problem& problem) const;

  private:
    std::FILE* stream_;
};

} // namespace evdrive::batch
