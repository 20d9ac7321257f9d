// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace evdrive::test {

// The captions and units the main window and the manual pages show are the
// catalogue's, however each writes them.
class CatalogueDriftTest : public QObject {
    Q_OBJECT

  private slots:
    void mainWindowShowsTheCataloguesCaptionsAndUnits_data();
    void mainWindowShowsTheCataloguesCaptionsAndUnits();
    void manualPagesListEveryInputAndResult_data();
    void manualPagesListEveryInputAndResult();
    void batchPagesListEveryWordForAnInput_data();
    void batchPagesListEveryWordForAnInput();
};

} // namespace evdrive::test
