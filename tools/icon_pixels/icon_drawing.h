// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace evdrive {

// A drawing as the toolkit renders an SVG icon: premultiplied ARGB,
// transparent where nothing is drawn.
inline QImage renderDrawing(QSvgRenderer& drawing, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    return image;
}

} // namespace evdrive
