// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/result_text.h"

#include <QLineEdit>

namespace evdrive {

// Shows a result on a green background. The control holds the whole result:
// its tooltip, a screen reader and every way of copying get all of it, and
// what is selected is always all of it. It draws the longest form of the
// result that fits, the last digit kept fading out where digits were given up.
// The user cannot edit it. Its context menu gives 复制 and 全选 each its access key.
class ResultLabel : public QLineEdit {
    Q_OBJECT

  public:
    explicit ResultLabel(QWidget* parent = nullptr);

    // An empty result clears the control.
    void setResult(const QString& result);
    QString result() const { return text(); }

    // What the control draws of the result.
    ShownResult shown() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QRect textArea() const;
};

} // namespace evdrive
