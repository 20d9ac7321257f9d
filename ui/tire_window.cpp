// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tire_window.h"

#include "ui/window_icon.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

namespace evdrive {
namespace {

using K = ControlKind;

// Label4 reaches past the right edge of the window; its text ends before it.
// clang-format off
constexpr Control controls[] = {
    {"Label1",   K::Caption, "在此处输入轮胎型号：",  {8, 16, 129, 17}},
    {"Label4",   K::Caption, "如： 195 / 70 R 15 LT", {32, 40, 241, 17}},
    {"Label31",  K::Caption, "轮胎型号",              {8, 80, 49, 17}},
    {"Text1",    K::Field,   "",                      {64, 72, 57, 33}},
    {"Label32",  K::Caption, "/",                     {128, 80, 9, 17}},
    {"Text2",    K::Field,   "",                      {144, 72, 33, 33}},
    {"Label33",  K::Caption, "R",                     {184, 80, 9, 25}},
    {"Text3",    K::Field,   "",                      {200, 72, 33, 33}},
    {"Label34",  K::Caption, "LT",                    {240, 80, 17, 17}},
    {"Command1", K::Button,  "开始计算",              {104, 120, 89, 33}},
    {"Label2",   K::Caption, "轮胎滚动半径：",        {8, 176, 89, 25}},
    {"Label3",   K::Result,  "",                      {96, 168, 73, 25}},
    {"Label5",   K::Caption, "m",                     {176, 176, 17, 17}},
    {"Command2", K::Button,  "复制结果",              {192, 168, 65, 25}},
};
// clang-format on

constexpr const char* focusOrder[] = {"Command1", "Text1", "Text2", "Text3", "Command2"};

using In = TireDesignation;

// Each field is named by the caption of the size and the part it holds.
constexpr FieldBinding<In> fields[] = {
    {"Text1", &In::sectionWidth, "Label31", "以 mm 为单位的断面宽度，例如 195", "断面宽度"},
    {"Text2", &In::aspectRatio, "Label31", "以 % 为单位的扁平比，例如 70", "扁平比"},
    {"Text3", &In::rimDiameter, "Label31", "以英寸为单位的轮辋直径，例如 15", "轮辋直径"},
};

using Out = TireRadiusForm::Outcome;

constexpr ResultBinding<Out> results[] = {
    {"Label3", [](const Out& radius) { return radius ? std::optional(*radius) : std::nullopt; },
     "Label2", "Label5"},
};

constexpr FormDescription<In, Out> tireForm = {
    .objectName = "TireRadiusForm",
    .clientSize = {265, 224},
    .controls = controls,
    .focusOrder = focusOrder,
    .fields = fields,
    .results = results,
};

} // namespace

TireRadiusForm::TireRadiusForm(QWidget* parent)
    : QWidget(parent)
    , form_(this, tireForm)
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
    form_.showResults(radius);
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
