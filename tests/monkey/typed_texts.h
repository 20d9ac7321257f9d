// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <utility>
#include <vector>

namespace evdrive::monkey {

// What the monkey typed into each field, the only text a field may hold. A
// field it never typed into, such as one of a freshly opened window, is empty.
class TypedTexts {
  public:
    QString& of(QLineEdit* field);
    QString of(const QLineEdit* field) const;

  private:
    // Guarded: a closed window's fields go, and a new one may take their address.
    std::vector<std::pair<QPointer<QLineEdit>, QString>> texts_;
};

} // namespace evdrive::monkey
