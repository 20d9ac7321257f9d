// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/quantity.h"
#include "core/tire_radius.h"

#include <array>

namespace evdrive {

// The three parts of a tire size such as 195 / 70 R 15, in field order.
inline constexpr std::array<InputQuantity<TireDesignation>, 3> tireInputs = {{
    {&TireDesignation::sectionWidth, "sectionWidth", "断面宽度", "mm",
     "以 mm 为单位的断面宽度，例如 195", "195", "section width"},
    {&TireDesignation::aspectRatio, "aspectRatio", "扁平比", "%", "以 % 为单位的扁平比，例如 70",
     "70", "sidewall height in % of the width"},
    {&TireDesignation::rimDiameter, "rimDiameter", "轮辋直径", "inch",
     "以英寸为单位的轮辋直径，例如 15", "15", "rim diameter"},
}};

} // namespace evdrive
