#include "core/tire_radius.h"

#include "core/checked_run.h"

namespace evdrive {

std::expected<std::string, TireRadiusFailure>
computeTireRadiusOrBlame(const TireDesignation& tire) {
    using In = TireDesignation;
    CheckedRun run(tire);
    const double width = run.read(&In::sectionWidth);
    const double aspect = run.read(&In::aspectRatio);
    // Width in mm times aspect ratio in % gives the sidewall height in metres after / 100000.
    const double sidewall = run.round15(run.divide(run.multiply(aspect, width), 100000));
    const double rim = run.read(&In::rimDiameter);
    // 0.0127 m is half an inch: the rim radius from its diameter in inches.
    const double rimRadius = run.round15(run.multiply(rim, 0.0127));
    const double radius = run.add(rimRadius, sidewall);
    if (run.failed()) {
        return std::unexpected(TireRadiusFailure{*run.error(), run.blamedInput()});
    }
    return formatFixed4(radius);
}

std::expected<std::string, CalcError> computeTireRadius(const TireDesignation& tire) {
    auto radius = computeTireRadiusOrBlame(tire);
    if (!radius) {
        return std::unexpected(radius.error().error);
    }
    return std::move(*radius);
}

} // namespace evdrive
