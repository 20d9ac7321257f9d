// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/result_label.h"
#include "ui/tire_radius_form.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace evdrive::test {

inline const QString mainTitle = QStringLiteral("电动汽车驱动系统计算器");
inline const QString contact = QStringLiteral("evdrive@example.org");

// A two-speed compact car at 72 km/h: twelve different figures, so that two
// fields fed into each other's inputs change the results or the message.
inline const QStringList workedRun = {"1.2",   "7.8",  "0.315", "72",   "0.92", "1620",
                                      "0.012", "0.32", "1480",  "1760", "230",  "25"};
// As an independent step-by-step evaluation of the textbook formulas gives them.
inline const QStringList workedResults = {"5674.87684729064", "8.58297813135984",
                                          "41.5936346102543"};

template <class T>
T* find(const QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1StringView(name));
}

// Types texts into the fields Text1, Text2, … as a user would.
void typeFields(QWidget* window, const QStringList& texts);
void click(QWidget* window, const char* button);
QString result(const QWidget* window, const char* label);

// The message box shown over window, if any.
QMessageBox* messageBox(const QWidget* window);

// The tire windows that are open.
QList<TireRadiusForm*> tireWindows();

// The names of the controls that hold the focus, starting with the current
// one, as Tab is pressed count - 1 times.
QStringList focusThroughTab(int count);

// Shows window and waits until it has the keyboard focus.
bool showActive(QWidget* window);

} // namespace evdrive::test
