// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_icon.h"

#include "resources/icon_pixels.h"

#include <QImage>
#include <QPixmap>

namespace evdrive {
namespace {

QIcon fromImages(const std::array<IconImage, std::size(iconSizes)>& images) {
    QIcon icon;
    for (const IconImage& image : images) {
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.pixels), image.size,
                                      image.size, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

} // namespace

QIcon programIcon() {
    return fromImages(programIconImages);
}

QIcon tireIcon() {
    return fromImages(tireIconImages);
}

} // namespace evdrive
