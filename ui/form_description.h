// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <span>
#include <string>

namespace evdrive {

enum class ControlKind {
    Caption, // static text in the window's default font
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

// A field and the input of the calculation that it feeds.
template <class Inputs>
struct FieldBinding {
    const char* field;
    std::string Inputs::*input;
    // The caption that names the field, for screen readers and failure
    // messages; with part, the field holds that part of what the caption names.
    const char* caption;
    const char* hint; // what to type there, "以 kg 为单位的质量，例如 1500"
    const char* part = nullptr;
};

// A result label and the result text of the calculation's outcome that it shows.
template <class Outcome>
struct ResultBinding {
    const char* label;
    std::optional<std::string> (*text)(const Outcome&);
    const char* caption; // the control that names it
    const char* unit;    // the control that gives its unit
};

// All of a fixed-layout window that is data: its controls, where they stand,
// the order Tab visits them in (the first has the focus when the window
// opens), and how its fields and results meet the calculation.
template <class Inputs, class Outcome>
struct FormDescription {
    const char* objectName;
    QSize clientSize;
    std::span<const Control> controls;
    std::span<const char* const> focusOrder;
    std::span<const FieldBinding<Inputs>> fields;
    std::span<const ResultBinding<Outcome>> results;
};

} // namespace evdrive
