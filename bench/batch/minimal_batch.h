// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

namespace evdrive::bench {

// The least a program must do to give evdrive-batch's output for a table
// without quotes, headed by the inputs' keys: split lines at commas, read the
// fields with std::from_chars, run the same checked steps with the same
// 15-digit roundings and write the results with std::to_chars. One thread,
// nothing shared with evdrive's own code. False when the input is no such table.
bool minimalBatch(std::FILE* in, std::FILE* out);

} // namespace evdrive::bench
