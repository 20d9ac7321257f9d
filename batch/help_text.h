// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace evdrive::batch {

// What --help prints: the options, the columns with their units, and how the
// table is read and written.
std::string helpText();

// What standard input at a terminal gets in place of a table: how to give one.
std::string_view shortUsage();

} // namespace evdrive::batch
