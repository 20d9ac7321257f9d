// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace evdrive {

// The window icons, from pixels rendered when the program was built: no
// image decoder or SVG renderer is loaded for them before the first frame.
QIcon programIcon();
QIcon tireIcon();

} // namespace evdrive
