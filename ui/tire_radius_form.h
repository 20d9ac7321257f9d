// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tire_radius.h"
#include "ui/form.h"

#include <QWidget>

#include <expected>

namespace evdrive {

// Turns a tire size such as 195 / 70 R 15 into the rolling radius and hands
// it to the calculator window through the clipboard.
class TireRadiusForm : public QWidget {
    Q_OBJECT

  public:
    using Outcome = std::expected<std::string, TireFailure>;

    explicit TireRadiusForm(QWidget* parent = nullptr);

  private:
    void calculate();
    void copyResult();

    Form<TireDesignation> form_;
    ResultLabel* radius_;
};

} // namespace evdrive
