// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/interface_faces.h"

#include <QApplication>
#include <QFont>

namespace evdrive {
namespace {

// The classic Song face. Few Linux machines have it, so Song-style CJK faces
// follow; the Ming face comes first for its half-width Latin letters and
// digits, which the captions' widths count on ("mm" in 17 pixels).
QFont songFont(qreal pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    // Hinting this face's intricate glyphs costs a fifth of the start-up, and
    // at these sizes, antialiased, it changes no more than a shade here and
    // there of the strokes.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

void useInterfaceFaces() {
    QApplication::setFont(songFont(9));
    // Results are read-only line edits, so they take the fields' face.
    QApplication::setFont(songFont(15.75), "QLineEdit");
}

} // namespace evdrive
