#pragma once

#include "core/number_text.h"

#include <expected>
#include <string>

namespace evdrive {

// A tire size such as 195 / 70 R 15, as the texts of its three fields.
struct TireDesignation {
    std::string sectionWidth; // mm
    std::string aspectRatio;  // sidewall height in % of the width
    std::string rimDiameter;  // inch
};

struct TireRadiusFailure {
    CalcError error;
    // The field whose text did not convert; null for a failure of the arithmetic.
    std::string TireDesignation::*blamedInput = nullptr;
};

// The unloaded tire's radius in metres, rim radius plus sidewall height, with
// four decimals ("0.3270"), or the failure with the field to blame.
std::expected<std::string, TireRadiusFailure> computeTireRadiusOrBlame(const TireDesignation& tire);

// The same radius, or only the kind of failure.
std::expected<std::string, CalcError> computeTireRadius(const TireDesignation& tire);

} // namespace evdrive
