// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/drivetrain.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace evdrive::bench {

// Figures of passenger cars and light vans with one or two gears, about one
// in twenty of which fails: an empty or mistyped field, a zero radius, a
// torque no slope can take. No text needs quotes.
std::vector<DrivetrainInputs> randomVehicles(std::size_t count, std::uint64_t seed);

// The vehicles as a CSV table with LF line ends: a column naming each, then
// the twelve inputs under their keys.
void writeVehicleTable(std::FILE* file, const std::vector<DrivetrainInputs>& vehicles);

} // namespace evdrive::bench
