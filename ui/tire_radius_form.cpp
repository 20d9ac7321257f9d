// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tire_radius_form.h"

#include "ui/tire_radius_form_description.h"
#include "ui/window_icon.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <array>

namespace evdrive {

TireRadiusForm::TireRadiusForm(QWidget* parent)
    : QWidget(parent)
    , form_(this, tireRadiusFormDescription)
    , radius_(form_.control<ResultLabel>("Label3")) {
    setWindowTitle(QStringLiteral("轮胎半径计算"));
    setWindowIcon(tireIcon());
    connect(form_.control<QPushButton>("Command1"), &QPushButton::clicked, this,
            &TireRadiusForm::calculate);
    connect(form_.control<QPushButton>("Command2"), &QPushButton::clicked, this,
            &TireRadiusForm::copyResult);
}

// A failed calculation leaves no radius of earlier figures to be copied.
void TireRadiusForm::calculate() {
    const Outcome radius = computeTireRadius(form_.read());
    form_.showResults(std::array{radius ? std::optional(*radius) : std::nullopt});
    if (!radius) {
        form_.report(radius.error());
    }
}

void TireRadiusForm::copyResult() {
    const QString radius = radius_->result();
    if (radius.isEmpty()) {
        // The clipboard may hold something the user still needs.
        showFailure(this,
                    QStringLiteral("还没有计算结果可复制。\n请先输入轮胎型号并点击“开始计算”。"));
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(radius);
    if (clipboard->text() != radius) {
        showFailure(this, QStringLiteral("无法写入剪贴板，结果未能复制。\n"
                                         "可点击结果，选中后按 Ctrl+C 复制，或稍后再试。"));
        return;
    }
    close();
}

} // namespace evdrive
