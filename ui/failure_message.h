#pragma once

#include "core/number_text.h"

#include <QString>

#include <optional>

class QWidget;

namespace evdrive {

// An input that a failure blames, as the user knows it.
struct BlamedField {
    QString caption; // the field's caption, "满载总质量"
    QString hint;    // what to type there, "以 kg 为单位，例如 1500"
    QString text;    // what the field holds
};

struct Failure {
    CalcError error;
    std::optional<BlamedField> field = std::nullopt;
    // The grade formula itself failed: the torque does not suit the other figures.
    bool inGradeFormula = false;
};

// The message that tells the user what went wrong and what to fix.
QString describeFailure(const Failure& failure);

// Shows the message in a modal box over window without waiting for it to
// close, so that the window's new figures stay visible beside it.
void showFailure(QWidget* window, const QString& message);

} // namespace evdrive
