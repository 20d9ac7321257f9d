#pragma once

#include <QIcon>
#include <QString>

namespace evdrive {

// Loads a window icon drawn as SVG, with its 48-pixel bitmap for the sizes it
// was drawn for; the SVG keeps it sharp on high-density screens.
QIcon loadWindowIcon(const QString& baseName);

} // namespace evdrive
