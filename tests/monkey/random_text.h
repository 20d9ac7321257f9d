// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <random>

namespace evdrive::monkey {

using Random = std::mt19937_64;

// What a user might type into a field: a plausible figure, a number near or
// beyond the double range, blanks, Chinese words, nothing, or garbage.
QString randomFieldText(Random& random);

// A figure that the main window's field number (from 1, in field order) reads
// without failing, near the typical figure or straining the formulas.
QString plausibleFigure(Random& random, int field);

// Likewise for the tire window's field number (from 1).
QString plausibleTirePart(Random& random, int field);

} // namespace evdrive::monkey
