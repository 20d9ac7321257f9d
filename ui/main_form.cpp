// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_form.h"

#include "core/drivetrain_catalogue.h"
#include "ui/main_form_description.h"
#include "ui/tire_radius_form.h"
#include "ui/window_icon.h"

#include <QPushButton>

#include <algorithm>
#include <array>

namespace evdrive {
namespace {

// The results' texts in the catalogue's order, which is the window's.
std::array<std::optional<std::string>, drivetrainResultCount>
resultTexts(const DrivetrainResults& results) {
    std::array<std::optional<std::string>, drivetrainResultCount> texts;
    std::ranges::transform(drivetrainResults, texts.begin(),
                           [&](const auto& result) { return results.*result.member; });
    return texts;
}

} // namespace

MainForm::MainForm(const QString& title, const QString& contact, QWidget* parent)
    : QWidget(parent)
    , form_(this, mainFormDescription) {
    setWindowTitle(title);
    setWindowIcon(programIcon());
    form_.control<QLabel>("Label9")->setText(contact);
    connect(form_.control<QPushButton>("Command1"), &QPushButton::clicked, this,
            &MainForm::calculate);
    connect(form_.control<QPushButton>("Command2"), &QPushButton::clicked, this,
            &MainForm::openTireWindow);
}

void MainForm::calculate() {
    const DrivetrainResults results = computeDrivetrain(form_.read());
    form_.showResults(resultTexts(results));
    if (results.error) {
        form_.report(*results.error);
    }
}

void MainForm::openTireWindow() {
    if (!tireWindow_) {
        // A window of its own rather than a child: it outlives this one when
        // the user closes this first.
        tireWindow_ = new TireRadiusForm;
        tireWindow_->setAttribute(Qt::WA_DeleteOnClose);
        tireWindow_->show();
        return;
    }
    tireWindow_->showNormal();
    tireWindow_->raise();
    tireWindow_->activateWindow();
}

} // namespace evdrive
