// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLabel>
#include <QWidget>

// The floors that evdrive's start-up is measured against: an empty window of
// the calculator's size, the toolkit's own floor, and with --chinese-label the
// same window showing a single Chinese label in the default face, the floor of
// any window that shows Chinese text at all.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(486, 550);
    if (QApplication::arguments().contains(QStringLiteral("--chinese-label"))) {
        (new QLabel(QStringLiteral("在下表中输入实际参数："), &window))->move(8, 16);
    }
    window.show();
    return QApplication::exec();
}
