// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/monkey/typed_texts.h"

#include <QString>
#include <QWidget>

#include <optional>

namespace evdrive::monkey {

// The first rule of the windows that their present state breaks, described for
// the log, or nothing when all hold: fields hold what was typed, results are
// empty or numbers, one tire window at most, one message box at most.
std::optional<QString> brokenRule(const TypedTexts& typed);

// How the results a window shows after its calculation ran differ from what
// the calculation makes of the window's field texts, or nothing when they
// agree. The fields are fed to the inputs in field order, as the windows'
// layouts give them.
std::optional<QString> wrongResults(const QWidget* window);

} // namespace evdrive::monkey
