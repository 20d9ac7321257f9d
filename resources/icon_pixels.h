// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace evdrive {

// The sizes of a window icon that the program carries: those a window manager
// asks an icon drawn as SVG for, and 48, the size its bitmap is drawn at.
inline constexpr int iconSizes[] = {16, 32, 48, 64, 128};

// One size of a window icon: size × size premultiplied ARGB pixels
// (0xAARRGGBB), row by row.
struct IconImage {
    int size;
    const std::uint32_t* pixels;
};

// Rendered from resources/icons when the program is built.
extern const std::array<IconImage, std::size(iconSizes)> programIconImages;
extern const std::array<IconImage, std::size(iconSizes)> tireIconImages;

} // namespace evdrive
