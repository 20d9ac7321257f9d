// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The C library's arctangent and tangent in place of the correctly rounded
// ones, for the copy of the core the benchmark compares with
// (bench/CMakeLists.txt): there, evdrive names a namespace of its own.

#include "core/correctly_rounded_trig.h"

#include <cmath>

namespace evdrive {

double correctlyRoundedAtan(double x) {
    return std::atan(x);
}

double correctlyRoundedTan(double x) {
    return std::tan(x);
}

} // namespace evdrive
