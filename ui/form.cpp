// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "ui/pasted_first_line.h"

#include <QFrame>
#include <QPushButton>

namespace evdrive {
namespace {

QWidget* createControl(QWidget* window, const Control& control) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Caption: {
        auto* caption = new QLabel(text, window);
        // Level with the caption beside it whatever the heights of their
        // rectangles: a centred text would sink in a taller one.
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return caption;
    }
    case ControlKind::Field: {
        auto* field = new QLineEdit(text, window);
        field->setValidator(new PastedFirstLine(field));
        // Figures are typed half-width; an input method would type full-width
        // digits that no number reading accepts.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        return field;
    }
    case ControlKind::Result:
        return new ResultLabel(window);
    case ControlKind::Button: {
        auto* button = new QPushButton(text, window);
        // Enter presses a button that has the focus; no button is the default.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::Line: {
        auto* line = new QFrame(window);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        line->setPalette(palette);
        line->setAutoFillBackground(true);
        return line;
    }
    }
    Q_UNREACHABLE();
}

} // namespace

void buildControls(QWidget* window, QSize clientSize, std::span<const Control> controls,
                   std::span<const char* const> focusOrder) {
    window->setFixedSize(clientSize);
    for (const Control& control : controls) {
        QWidget* widget = createControl(window, control);
        widget->setObjectName(QLatin1StringView(control.name));
        widget->setGeometry(control.geometry);
        if (control.toolTip) {
            widget->setToolTip(QString::fromUtf8(control.toolTip));
        }
    }
    QWidget* previous = nullptr;
    for (const char* name : focusOrder) {
        QWidget* next = controlNamed<QWidget>(window, name);
        if (previous) {
            QWidget::setTabOrder(previous, next);
        } else {
            next->setFocus();
        }
        previous = next;
    }
}

QWidget* controlNamed(const QWidget* window, const char* name, const QMetaObject& kind) {
    auto* control =
        window->findChild<QWidget*>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    if (!control || !control->metaObject()->inherits(&kind)) {
        qFatal("%s has no %s named %s", qPrintable(window->objectName()), kind.className(), name);
    }
    return control;
}

QString captionText(const QWidget* window, const char* caption) {
    QString text = controlNamed<QLabel>(window, caption)->text();
    if (text.endsWith(u'：')) {
        text.chop(1);
    }
    return text;
}

QString fieldName(const QWidget* window, const FieldLayout& field, std::string_view caption) {
    const QString own = QUtf8StringView(caption).toString();
    return field.part ? QStringLiteral("%1（%2）").arg(captionText(window, field.caption), own)
                      : own;
}

} // namespace evdrive
