// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tire_radius_form_description.h"

#include "core/tire_catalogue.h"

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

// Each field holds a part of the size that Label31 names.
constexpr FieldLayout fields[] = {
    {"Text1", "Label31", nullptr, true},
    {"Text2", "Label31", nullptr, true},
    {"Text3", "Label31", nullptr, true},
};

constexpr ResultLayout results[] = {
    {"Label3", "Label2", "Label5"},
};

} // namespace

constexpr FormDescription<TireDesignation> tireRadiusFormDescription = {
    .objectName = "TireRadiusForm",
    .clientSize = {265, 224},
    .controls = controls,
    .focusOrder = focusOrder,
    .inputs = tireInputs,
    .fields = fields,
    .results = results,
};

} // namespace evdrive
