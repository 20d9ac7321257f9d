// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace evdrive {

// Shows the message in a modal box over window, titled as the window, without
// waiting for it to close, so that the window's new figures stay visible beside it.
void showFailure(QWidget* window, const QString& message);

} // namespace evdrive
