// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/result_label.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace evdrive {

ResultLabel::ResultLabel(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
    setFrame(false);
    // Reached by the mouse only: the window's Tab order holds the inputs and buttons.
    setFocusPolicy(Qt::ClickFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(0x80, 0xFF, 0x80));
    setPalette(colours);
    // A dragged or word selection would take a fragment of the number.
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        if (hasSelectedText() && selectedText() != text()) {
            selectAll();
        }
    });
}

void ResultLabel::setResult(const QString& result) {
    setText(result);
    setToolTip(result);
    setAccessibleName(result);
}

ShownResult ResultLabel::shown() const {
    const QFontMetrics metrics = fontMetrics();
    const int room = textArea().width();
    return fitResult(text(),
                     [&](const QString& form) { return metrics.horizontalAdvance(form) <= room; });
}

// The line edit's own text area, less the margin it keeps on either side of its text.
QRect ResultLabel::textArea() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .adjusted(2, 0, -2, 0);
}

void ResultLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const ShownResult form = shown();
    if (form.text.isEmpty()) {
        return;
    }
    const QRect area = textArea();
    const QFontMetrics metrics = fontMetrics();
    const bool selected = hasSelectedText();
    if (selected) {
        painter.fillRect(
            QRect(area.left(), area.top(), metrics.horizontalAdvance(form.text), area.height()),
            palette().color(QPalette::Highlight));
    }
    const QColor ink = palette().color(selected ? QPalette::HighlightedText : QPalette::Text);

    // Left to right: the digits kept, the last of them fading out, the exponent.
    const qsizetype faded = form.fadedCharacter;
    const QString pieces[] = {
        faded < 0 ? form.text : form.text.first(faded),
        faded < 0 ? QString() : form.text.sliced(faded, 1),
        faded < 0 ? QString() : form.text.sliced(faded + 1),
    };
    QRect piece = area;
    for (int i = 0; i < 3; ++i) {
        piece.setWidth(metrics.horizontalAdvance(pieces[i]));
        if (i == 1) {
            QLinearGradient fade(piece.topLeft(), piece.topRight());
            fade.setColorAt(0, ink);
            fade.setColorAt(1, QColor(ink.red(), ink.green(), ink.blue(), 40));
            painter.setPen(QPen(QBrush(fade), 1));
        } else {
            painter.setPen(ink);
        }
        painter.drawText(piece, Qt::AlignLeft | Qt::AlignVCenter, pieces[i]);
        piece.moveLeft(piece.right() + 1);
    }
}

// Copying takes the whole result, selected or not; an empty result copies
// nothing, so the clipboard keeps what the user put there.
void ResultLabel::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && !text().isEmpty()) {
        selectAll();
    }
    QLineEdit::keyPressEvent(event);
}

// A double-click takes the whole number, not the digits on one side of its point.
void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    selectAll();
}

// The toolkit's Chinese texts give 复制 its access key, "复制(&C)", but leave
// 全选 without one: it takes A, the key of its shortcut Ctrl+A, written alike.
void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    const QString bare = QStringLiteral("全选");
    for (QAction* action : menu->actions()) {
        // After a tab, the shortcut: "全选\tCtrl+A".
        if (QString text = action->text(); text.section(u'\t', 0, 0) == bare) {
            action->setText(text.replace(0, bare.size(), QStringLiteral("全选(&A)")));
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace evdrive
