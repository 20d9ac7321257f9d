#pragma once

#include <QIcon>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <initializer_list>
#include <span>

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

// Gives window its fixed client size and the classic Chinese interface font,
// which the layout's captions are measured for, and creates the controls as
// its children, named and placed as listed.
void buildWindow(QWidget* window, QSize clientSize, std::span<const Control> controls);

// Sets the Tab order to the named controls, in the order given; the window
// opens with the focus on the first of them.
void setFocusChain(QWidget* window, std::initializer_list<const char*> names);

// What a screen reader announces for a result besides the result itself: its
// caption, without the closing colon, and its unit ("需求车速电机转速, rpm").
void describeResult(QWidget* window, const char* result, const char* caption, const char* unit);

// Loads a window icon drawn as SVG, with its 48-pixel bitmap for the sizes it
// was drawn for; the SVG keeps it sharp on high-density screens.
QIcon loadWindowIcon(const QString& baseName);

// The named child of window; the tables guarantee that it exists.
template <class T>
T* control(const QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(child);
    return child;
}

} // namespace evdrive
