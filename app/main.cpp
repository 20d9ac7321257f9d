// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_info.h"
#include "ui/interface_faces.h"
#include "ui/main_form.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("evdrive"));
    QApplication::setApplicationVersion(QString::fromUtf8(evdrive::appinfo::version));
    QApplication::setDesktopFileName(QString::fromUtf8(evdrive::appinfo::appId));
    // The display name is not given to the toolkit, which would append it to
    // every window's title: it is the main window's title instead.
    const QString displayName = QString::fromUtf8(evdrive::appinfo::displayName);

    // The toolkit's own texts (message box buttons, the fields' context menus)
    // in Chinese like the rest of the program, whatever the system language.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitTexts);
    }

    evdrive::useInterfaceFaces();
    // The program ends when its last window closes, the tire window included.
    evdrive::MainForm window(displayName, QString::fromUtf8(evdrive::appinfo::contact));
    window.show();
    return QApplication::exec();
}
