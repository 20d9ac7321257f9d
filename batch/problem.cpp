// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/problem.h"

#include <cstdio>
#include <cstdlib>

namespace evdrive::batch {

void impossible(std::string_view what) {
    const std::string line = "evdrive-batch: internal error: " + std::string(what) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::abort();
}

} // namespace evdrive::batch
