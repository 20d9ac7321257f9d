#pragma once

#include "ui/result_label.h"
#include "ui/tire_window.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace evdrive::test {

template <class T>
T* find(const QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1StringView(name));
}

// Types texts into the fields Text1, Text2, … as a user would.
void typeFields(QWidget* window, const QStringList& texts);
void click(QWidget* window, const char* button);
QString result(const QWidget* window, const char* label);

// The message box shown over window, if any, closed by the test instead of the user.
QMessageBox* messageBox(const QWidget* window);
void dismissMessageBoxes(const QWidget* window);

// The tire windows that are open.
QList<TireRadiusForm*> tireWindows();

// The names of the controls that hold the focus, starting with the current
// one, as Tab is pressed count - 1 times.
QStringList focusThroughTab(int count);

// Shows window and waits until it has the keyboard focus.
bool showActive(QWidget* window);

} // namespace evdrive::test
