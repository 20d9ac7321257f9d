#pragma once

#include "ui/control_table.h"
#include "ui/failure_message.h"

#include <QLineEdit>

#include <optional>
#include <string>

namespace evdrive {

// Helpers over a window's table of input fields, where each row names a
// field, the member of Inputs it fills and a hint of what to type there.

template <class Inputs, class Row, std::size_t N>
Inputs readFields(const QWidget* window, const Row (&rows)[N]) {
    Inputs values;
    for (const Row& row : rows) {
        values.*row.member = control<QLineEdit>(window, row.field)->text().toStdString();
    }
    return values;
}

// The field that a failure blames, named as a screen reader names it.
template <class Inputs, class Row, std::size_t N>
std::optional<BlamedField> blamedField(const QWidget* window, const Row (&rows)[N],
                                       std::string Inputs::*blamed) {
    for (const Row& row : rows) {
        if (row.member == blamed) {
            const auto* field = control<QLineEdit>(window, row.field);
            return BlamedField{field->accessibleName(), QString::fromUtf8(row.hint), field->text()};
        }
    }
    return std::nullopt;
}

} // namespace evdrive
