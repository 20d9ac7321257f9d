// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace evdrive::batch {

// The decimal digits of a count or line number, whatever the process locale.
std::string integerText(std::uint64_t value);

} // namespace evdrive::batch
