#include "ui/app_info.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("evdrive"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(evdrive::appinfo::displayName));
    QApplication::setApplicationVersion(QString::fromUtf8(evdrive::appinfo::version));
    QApplication::setDesktopFileName(QString::fromUtf8(evdrive::appinfo::appId));

    // The toolkit's own texts (message box buttons, the fields' context menus)
    // in Chinese like the rest of the program, whatever the system language.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitTexts);
    }

    // The program ends when its last window closes, the tire window included.
    evdrive::MainForm window;
    window.show();
    return QApplication::exec();
}
