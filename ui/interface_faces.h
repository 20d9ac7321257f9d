// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace evdrive {

// Makes the classic Chinese interface faces the application's: the Song face
// at 9 points for every control, at 15.75 points for fields and results. To
// be called before the first window is made: a widget made earlier keeps the
// default face for the children made in it, and a field lays out its text in
// the application's face as it is made, so a face set afterwards would leave
// the default face loaded for that alone.
void useInterfaceFaces();

} // namespace evdrive
