// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace evdrive {

// The arctangent and the tangent of a double, correctly rounded (to nearest,
// ties to even) for every finite argument: the same bits from every compiler,
// processor and C library. Each is a double-double evaluation with a proven
// error bound, and, where that bound leaves the rounding open, a 288-bit
// fixed-point one.
double correctlyRoundedAtan(double x);
double correctlyRoundedTan(double x);

// The two evaluations on their own, for tests and measurements. The fast one
// gives no result where it cannot decide the rounding.
namespace trig_stages {

std::optional<double> fastAtan(double x);
std::optional<double> fastTan(double x);
double accurateAtan(double x);
double accurateTan(double x);

} // namespace trig_stages

} // namespace evdrive
