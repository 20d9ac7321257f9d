// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/failure_message.h"

#include <QMessageBox>

namespace evdrive {

void showFailure(QWidget* window, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), message,
                                QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

} // namespace evdrive
