// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"

#include <QList>
#include <QString>

class QWidget;

namespace evdrive {

// An input a failure blames, as the user knows it: the name of its field and
// what to type there.
struct BlamedInput {
    QString name; // "满载总质量"
    QString hint; // "以 kg 为单位的质量，例如 1500"
};

// The message that tells the user what went wrong and what to fix, given the
// inputs the failure blames.
QString describeFailure(CalcError kind, FailureCause cause, const QList<BlamedInput>& blamed);

// Shows the message in a modal box over window, titled as the window, without
// waiting for it to close, so that the window's new figures stay visible beside it.
void showFailure(QWidget* window, const QString& message);

} // namespace evdrive
