// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_form_description.h"

#include "core/drivetrain_catalogue.h"

namespace evdrive {
namespace {

using K = ControlKind;

// clang-format off
constexpr Control controls[] = {
    {"Label23",  K::Caption, "在下表中输入实际参数：", {8, 16, 137, 17}},

    {"Text1",    K::Field,   "",                 {96, 48, 89, 33}, "无变速器时请填1"},
    {"Label10",  K::Caption, "变速器速比",       {24, 56, 65, 17}},
    {"Text2",    K::Field,   "",                 {96, 96, 89, 33}},
    {"Label3",   K::Caption, "驱动桥速比",       {24, 104, 65, 17}},
    {"Text3",    K::Field,   "",                 {96, 144, 89, 33}, "按CTRL+V可粘贴"},
    {"Label4",   K::Caption, "轮胎滚动半径",     {8, 152, 73, 17}},
    {"Label6",   K::Caption, "m",                {192, 152, 17, 17}},
    {"Command2", K::Button,  "轮胎\n计算",       {208, 144, 33, 33}, "不知道轮胎半径？点此按钮计算"},
    {"Text4",    K::Field,   "",                 {96, 192, 89, 33}},
    {"Label5",   K::Caption, "需求车速",         {40, 200, 49, 17}},
    {"Label7",   K::Caption, "km/h",             {192, 200, 25, 25}},
    {"Text5",    K::Field,   "",                 {96, 240, 89, 33}},
    {"Label14",  K::Caption, "传动系统效率",     {16, 248, 73, 17}},
    {"Text6",    K::Field,   "",                 {96, 288, 89, 33}},
    {"Label15",  K::Caption, "满载总质量",       {24, 296, 65, 17}},
    {"Label17",  K::Caption, "kg",               {192, 296, 17, 17}},

    {"Text7",    K::Field,   "",                 {352, 48, 89, 33}},
    {"Label16",  K::Caption, "滚动阻力系数",     {272, 56, 73, 17}},
    {"Text8",    K::Field,   "",                 {352, 96, 89, 33}},
    {"Label18",  K::Caption, "空气阻力系数",     {272, 104, 73, 17}},
    {"Text9",    K::Field,   "",                 {352, 144, 89, 33}},
    {"Label21",  K::Caption, "车身高度",         {296, 152, 49, 17}},
    {"Label22",  K::Caption, "mm",               {448, 152, 17, 17}},
    {"Text10",   K::Field,   "",                 {352, 192, 89, 33}},
    {"Label19",  K::Caption, "车身宽度",         {296, 200, 49, 17}},
    {"Label20",  K::Caption, "mm",               {448, 200, 25, 17}},
    {"Text11",   K::Field,   "",                 {352, 240, 89, 33}},
    {"Label24",  K::Caption, "电机最大转矩",     {272, 248, 73, 17}},
    {"Label25",  K::Caption, "Nm",               {448, 248, 17, 17}},
    {"Text12",   K::Field,   "",                 {352, 288, 89, 33}},
    {"Label26",  K::Caption, "爬坡度需求",       {288, 296, 65, 17}},
    {"Label30",  K::Caption, "%",                {448, 296, 25, 17}},

    {"Line1",    K::Line,    "",                 {256, 48, 1, 273}},
    {"Line2",    K::Line,    "",                 {8, 328, 473, 1}},

    {"Label2",   K::Caption, "需求车速电机转速：", {72, 352, 113, 17}},
    {"Label1",   K::Result,  "",                 {192, 344, 89, 25}},
    {"Label8",   K::Caption, "rpm",              {288, 352, 25, 17}},
    {"Label11",  K::Caption, "需求车速功率需求：", {72, 400, 113, 17}},
    {"Label12",  K::Result,  "",                 {192, 392, 89, 25}},
    {"Label13",  K::Caption, "kw",               {288, 400, 49, 25}},
    {"Label27",  K::Caption, "车辆的最大爬坡度：", {72, 448, 113, 17}},
    {"Label28",  K::Result,  "",                 {192, 440, 89, 25}},
    {"Label29",  K::Caption, "%",                {288, 448, 17, 17}},

    {"Command1", K::Button,  "开始计算",         {160, 480, 129, 33}},
    {"Label9",   K::Caption, "",                 {304, 528, 145, 17}},
};
// clang-format on

constexpr const char* focusOrder[] = {"Command1", "Text1",  "Text2",  "Text3",   "Text4",
                                      "Text5",    "Text6",  "Text7",  "Text8",   "Text9",
                                      "Text10",   "Text11", "Text12", "Command2"};

// In field order: each field, its caption and, where the window shows one, its unit.
// clang-format off
constexpr FieldLayout fields[] = {
    {"Text1",  "Label10"},
    {"Text2",  "Label3"},
    {"Text3",  "Label4",  "Label6"},
    {"Text4",  "Label5",  "Label7"},
    {"Text5",  "Label14"},
    {"Text6",  "Label15", "Label17"},
    {"Text7",  "Label16"},
    {"Text8",  "Label18"},
    {"Text9",  "Label21", "Label22"},
    {"Text10", "Label19", "Label20"},
    {"Text11", "Label24", "Label25"},
    {"Text12", "Label26", "Label30"},
};

constexpr ResultLayout results[] = {
    {"Label1",  "Label2",  "Label8"},
    {"Label12", "Label11", "Label13"},
    {"Label28", "Label27", "Label29"},
};
// clang-format on

} // namespace

constexpr FormDescription<DrivetrainInputs> mainFormDescription = {
    .objectName = "MainForm",
    .clientSize = {486, 550},
    .controls = controls,
    .focusOrder = focusOrder,
    .inputs = drivetrainInputs,
    .fields = fields,
    .results = results,
};

} // namespace evdrive
