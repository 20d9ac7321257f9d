// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace evdrive::batch {

// Appends a cell to a CSV line, quoted only when it holds the delimiter, a
// quote or a line break, its quotes doubled.
void appendCell(std::string& line, std::string_view text, char delimiter);

} // namespace evdrive::batch
