// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace evdrive::batch {

// What --help prints: the options, the columns with their units, and how the
// table is read and written.
std::string helpText();

} // namespace evdrive::batch
