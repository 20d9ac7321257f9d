// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace evdrive::test {

// The lines of a manual page's roff source as text, near enough to what the
// page shows to find words in: comments, request names and font changes
// dropped, the words of a font macro joined as it sets them (".BR grossMass
// \", \" 满载总质量 \" (kg)\"" reads "grossMass, 满载总质量 (kg)"), "\-" a
// hyphen, "\[md]" a middle dot. Other special characters are dropped.
QStringList roffText(const QString& source);

} // namespace evdrive::test
