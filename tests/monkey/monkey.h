// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/monkey/random_text.h"
#include "tests/monkey/typed_texts.h"
#include "ui/main_form.h"

#include <QPointer>
#include <QString>

#include <optional>

class QLineEdit;
class QMessageBox;
class QWidget;

namespace evdrive {

class TireRadiusForm;

namespace monkey {

// A user who types and clicks at random in the calculator and its tire
// window, and answers every message box before doing anything else.
class Monkey {
  public:
    explicit Monkey(Random::result_type seed);
    ~Monkey();

    // Performs one user action, lets the program handle it, and says what it was.
    QString act();

    const TypedTexts& typed() const { return typed_; }

    // How the results of the first calculation whose shown results differ
    // from the core's went wrong; nothing while every run agrees.
    const std::optional<QString>& wrongResults() const { return wrongResults_; }
    int checkedRuns() const { return checkedRuns_; }

  private:
    QString dismiss(QMessageBox* box);
    QString typeIntoField();
    QString fillMainWindow();
    QString fillTireWindow(TireRadiusForm* tire);
    QString copyResult();
    QString pressKey();
    QString closeTireWindow(TireRadiusForm* tire);
    QString clickButton(QWidget* window, const char* button);

    void clickOn(QWidget* widget);
    // Selects the field's text and types over it.
    void replaceText(QLineEdit* field, const QString& text);
    int below(int bound);
    // Checks the results of every calculation the window runs, right after it.
    void watchCalculations(QWidget* window);

    Random random_;
    MainForm main_;
    TypedTexts typed_;
    QPointer<TireRadiusForm> watchedTire_;
    std::optional<QString> wrongResults_;
    int checkedRuns_ = 0;
};

} // namespace monkey
} // namespace evdrive
