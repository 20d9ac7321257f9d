// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/quantity.h"

#include <QRect>
#include <QSize>

#include <span>

namespace evdrive {

enum class ControlKind {
    Caption, // static text in the window's default font, at the top left of its rectangle
    Field,   // single-line entry for a number
    Result,  // a result on a green background
    Button,
    Line // 1-pixel grey separator, vertical or horizontal by its geometry
};

// One control of a fixed-layout window. Geometry is left, top, width, height
// in pixels of the client area.
struct Control {
    const char* name;
    ControlKind kind;
    const char* text; // UTF-8
    QRect geometry;
    const char* toolTip = nullptr;
};

// Where the window shows an input: its field, the caption beside it and the
// unit after it, if the window shows one. What the field is called, and what
// to type there, the catalogue of the calculation's inputs says.
struct FieldLayout {
    const char* field;
    const char* caption;
    const char* unit = nullptr;
    // The field holds a part of what the caption names, and is called by
    // both: "轮胎型号（断面宽度）".
    bool part = false;
};

// Where the window shows a result: the control that holds it, its caption
// and its unit.
struct ResultLayout {
    const char* label;
    const char* caption;
    const char* unit;
};

// All of a fixed-layout window that is data: its controls, where they stand,
// the order Tab visits them in (the first has the focus when the window
// opens), the fields of the calculation's inputs in their catalogue's order,
// and the controls of its results in the order the calculation gives them.
template <class Inputs>
struct FormDescription {
    const char* objectName;
    QSize clientSize;
    std::span<const Control> controls;
    std::span<const char* const> focusOrder;
    std::span<const InputQuantity<Inputs>> inputs;
    std::span<const FieldLayout> fields;
    std::span<const ResultLayout> results;
};

} // namespace evdrive
