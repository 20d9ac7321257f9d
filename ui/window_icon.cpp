#include "ui/window_icon.h"

namespace evdrive {

QIcon loadWindowIcon(const QString& baseName) {
    QIcon icon(QStringLiteral(":/icons/%1.svg").arg(baseName));
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(baseName), QSize(48, 48));
    return icon;
}

} // namespace evdrive
