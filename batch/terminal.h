// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

namespace evdrive::batch {

// Whether the stream is a terminal, a console on Windows: a table is then
// not piped or redirected in but would have to be typed.
bool isTerminal(std::FILE* stream);

} // namespace evdrive::batch
