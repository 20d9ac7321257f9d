#include "ui/control_table.h"

#include "ui/result_label.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
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

QWidget* createControl(QWidget* window, const Control& spec) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
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

void buildWindow(QWidget* window, QSize clientSize, std::span<const Control> controls) {
    window->setFixedSize(clientSize);
    window->setFont(songFont(9));
    for (const Control& spec : controls) {
        QWidget* widget = createControl(window, spec);
        widget->setObjectName(QLatin1StringView(spec.name));
        widget->setGeometry(spec.geometry);
        if (spec.toolTip) {
            widget->setToolTip(QString::fromUtf8(spec.toolTip));
        }
    }
}

void describeResult(QWidget* window, const char* result, const char* caption, const char* unit) {
    QString captionText = control<QLabel>(window, caption)->text();
    if (captionText.endsWith(u'：')) {
        captionText.chop(1);
    }
    control<QWidget>(window, result)
        ->setAccessibleDescription(
            QStringLiteral("%1, %2").arg(captionText, control<QLabel>(window, unit)->text()));
}

QIcon loadWindowIcon(const QString& baseName) {
    QIcon icon(QStringLiteral(":/icons/%1.svg").arg(baseName));
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(baseName), QSize(48, 48));
    return icon;
}

void setFocusChain(QWidget* window, std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* next = control<QWidget>(window, name);
        if (previous) {
            QWidget::setTabOrder(previous, next);
        } else {
            next->setFocus();
        }
        previous = next;
    }
}

} // namespace evdrive
