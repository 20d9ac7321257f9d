// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tire_radius.h"

#include "core/checked.h"
#include "core/tire_catalogue.h"

namespace evdrive {

using In = TireDesignation;

std::expected<std::string, TireFailure> computeTireRadius(const TireDesignation& tire) {
    std::array<std::string_view, tireInputs.size()> texts;
    for (std::size_t i = 0; i < tireInputs.size(); ++i) {
        texts[i] = tire.*tireInputs[i].member;
    }
    CheckedRun<tireInputs> run(texts);
    const Checked width = run.read<&In::sectionWidth>();
    const Checked aspect = run.read<&In::aspectRatio>();
    // Width in mm times aspect ratio in % gives the sidewall height in metres after / 100000.
    const Checked sidewall = run.round15(aspect * width / 100000);
    const Checked rim = run.read<&In::rimDiameter>();
    // 0.0127 m is half an inch: the rim radius from its diameter in inches.
    const Checked rimRadius = run.round15(rim * 0.0127);
    const Checked radius = rimRadius + sidewall;
    if (const auto failure = run.failure()) {
        return std::unexpected(describeFailure(*failure, tireInputs));
    }
    return formatFixed4(radius.value());
}

} // namespace evdrive
