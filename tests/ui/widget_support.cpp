// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/widget_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace evdrive::test {

void typeFields(QWidget* window, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
        auto* field = find<QLineEdit>(window, qPrintable(QStringLiteral("Text%1").arg(i + 1)));
        field->clear();
        // Qt Test types ASCII key by key; other text arrives as an input method would send it.
        const bool ascii = std::all_of(texts[i].begin(), texts[i].end(),
                                       [](QChar c) { return c.unicode() < 128; });
        if (ascii) {
            QTest::keyClicks(field, texts[i]);
        } else {
            field->insert(texts[i]);
        }
    }
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(find<QPushButton>(window, button), Qt::LeftButton);
}

QString result(const QWidget* window, const char* label) {
    return find<ResultLabel>(window, label)->result();
}

QMessageBox* messageBox(const QWidget* window) {
    return window->findChild<QMessageBox*>();
}

QList<TireRadiusForm*> tireWindows() {
    QList<TireRadiusForm*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* tire = qobject_cast<TireRadiusForm*>(widget)) {
            windows.append(tire);
        }
    }
    return windows;
}

QStringList focusThroughTab(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

bool showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace evdrive::test
