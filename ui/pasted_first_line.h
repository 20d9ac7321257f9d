// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QValidator>

class QLineEdit;

namespace evdrive {

// Keeps only the first line of text pasted or dropped into a field, as
// single-line fields do on the common desktops: a spreadsheet cell arrives as
// "60\n" or "200\r\n", and its line break, invisible in the field, would make
// the figure unreadable. No keystroke types a line break, so the text around
// the inserted part is never touched; every other text is accepted as it is.
class PastedFirstLine : public QValidator {
    Q_OBJECT

  public:
    explicit PastedFirstLine(QLineEdit* field);

    State validate(QString& input, int& pos) const override;

  private:
    QString before_; // the field's text before the change being validated
};

} // namespace evdrive
