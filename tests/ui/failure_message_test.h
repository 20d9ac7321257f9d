// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace evdrive::test {

class FailureMessageTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCauseHasAMessageOfItsOwn_data();
    void everyCauseHasAMessageOfItsOwn();
};

} // namespace evdrive::test
