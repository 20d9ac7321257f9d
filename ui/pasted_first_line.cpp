// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pasted_first_line.h"

#include <QLineEdit>

#include <algorithm>

namespace evdrive {

PastedFirstLine::PastedFirstLine(QLineEdit* field)
    : QValidator(field)
    , before_(field->text()) {
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State PastedFirstLine::validate(QString& input, int& pos) const {
    // The inserted part lies between what the text kept at its start and at its end.
    const qsizetype shorter = std::min(input.size(), before_.size());
    qsizetype kept = 0;
    while (kept < shorter && input[kept] == before_[kept]) {
        ++kept;
    }
    qsizetype keptAtEnd = 0;
    while (keptAtEnd < shorter - kept &&
           input[input.size() - 1 - keptAtEnd] == before_[before_.size() - 1 - keptAtEnd]) {
        ++keptAtEnd;
    }
    const QStringView inserted = QStringView(input).sliced(kept, input.size() - kept - keptAtEnd);
    const auto lineBreak = std::find_if(inserted.begin(), inserted.end(), [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    if (lineBreak != inserted.end()) {
        const auto firstLine = static_cast<int>(kept + (lineBreak - inserted.begin()));
        input.remove(firstLine, inserted.end() - lineBreak);
        pos = firstLine;
    }
    return Acceptable;
}

} // namespace evdrive
