// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/report.h"

#include "batch/translation.h"

#include <string>

namespace evdrive::batch {

void Report::say(std::string_view message) const {
    std::string line = "evdrive-batch: ";
    line += message;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stream_);
    std::fflush(stream_);
}

int Report::fail(const Problem& problem) const {
    say(format(tr("%1: %2"), {problem.where, problem.what}));
    return static_cast<int>(problem.status);
}

} // namespace evdrive::batch
