// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drivetrain.h"
#include "ui/form.h"

#include <QPointer>
#include <QWidget>

namespace evdrive {

class TireRadiusForm;

// The calculator window: twelve vehicle and drivetrain figures in, motor rpm,
// power demand and maximum grade out. Its title and the maintainer's address
// it shows are the application's.
class MainForm : public QWidget {
    Q_OBJECT

  public:
    MainForm(const QString& title, const QString& contact, QWidget* parent = nullptr);

  private:
    void calculate();
    void openTireWindow();

    Form<DrivetrainInputs> form_;
    QPointer<TireRadiusForm> tireWindow_;
};

} // namespace evdrive
