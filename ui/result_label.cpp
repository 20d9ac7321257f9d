#include "ui/result_label.h"

#include <QEvent>
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
}

void ResultLabel::setResult(const QString& result) {
    result_ = result;
    // A screen reader reads the whole result, whatever the control shows of it.
    setAccessibleName(result);
    showResult();
}

void ResultLabel::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    showResult();
}

void ResultLabel::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    showResult();
}

void ResultLabel::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        showResult();
    }
}

void ResultLabel::showResult() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    // QLineEdit keeps a margin of 2 pixels on either side of its text.
    const int room =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 4;
    const QString elided = fontMetrics().elidedText(result_, Qt::ElideRight, room);
    setText(hasFocus() ? result_ : elided);
    setCursorPosition(0);
    setToolTip(elided == result_ ? QString() : result_);
}

} // namespace evdrive
