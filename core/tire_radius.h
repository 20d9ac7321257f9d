// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"

#include <expected>
#include <string>

namespace evdrive {

// A tire size such as 195 / 70 R 15, as the texts of its three fields.
struct TireDesignation {
    std::string sectionWidth; // mm
    std::string aspectRatio;  // sidewall height in % of the width
    std::string rimDiameter;  // inch
};

using TireFailure = CalcFailure<TireDesignation>;

// The unloaded tire's radius in metres, rim radius plus sidewall height, with
// four decimals ("0.3270"), or why it could not be computed.
std::expected<std::string, TireFailure> computeTireRadius(const TireDesignation& tire);

} // namespace evdrive
