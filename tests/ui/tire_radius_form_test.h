// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace evdrive::test {

class TireRadiusFormTest : public QObject {
    Q_OBJECT

  private slots:
    void commonSizeIsCopiedAndTheWindowCloses();
    void copyWithoutResultKeepsTheClipboardAndTheWindow();
    void failedCalculationClearsTheResult_data();
    void failedCalculationClearsTheResult();
    void focusStartsOnStartButtonAndTabsThroughTheSize();
    void pastedRadiusFeedsTheMainCalculation();
};

} // namespace evdrive::test
