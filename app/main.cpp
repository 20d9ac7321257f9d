#include "ui/app_info.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("evdrive"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(evdrive::appinfo::displayName));
    QApplication::setApplicationVersion(QString::fromUtf8(evdrive::appinfo::version));

    // The program ends when its last window closes, the tire window included.
    evdrive::MainForm window;
    window.show();
    return QApplication::exec();
}
