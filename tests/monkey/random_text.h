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

// A figure that the main window's field number (1 to 12) reads without failing.
QString plausibleFigure(Random& random, int field);

// A tire size part that the tire window's field number (1 to 3) reads without failing.
QString plausibleTirePart(Random& random, int field);

} // namespace evdrive::monkey
