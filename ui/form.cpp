#include "ui/form.h"

#include <QFont>
#include <QFrame>
#include <QPushButton>

namespace evdrive {
namespace {

// The classic Song face. Few Linux machines have it, so Song-style CJK faces
// follow; the Ming face comes first for its half-width Latin letters and
// digits, which the captions' widths count on ("mm" in 17 pixels).
QFont songFont(qreal pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QWidget* createControl(QWidget* window, const Control& control) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Caption:
        return new QLabel(text, window);
    case ControlKind::Field: {
        auto* field = new QLineEdit(text, window);
        field->setFont(songFont(15.75));
        // Figures are typed half-width; an input method would type full-width
        // digits that no number reading accepts.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        return field;
    }
    case ControlKind::Result: {
        auto* result = new ResultLabel(window);
        result->setFont(songFont(15.75));
        return result;
    }
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
    window->setFont(songFont(9));
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

QString captionText(const QWidget* window, const char* caption, const char* part) {
    QString text = controlNamed<QLabel>(window, caption)->text();
    if (text.endsWith(u'：')) {
        text.chop(1);
    }
    return part ? QStringLiteral("%1（%2）").arg(text, QString::fromUtf8(part)) : text;
}

} // namespace evdrive
