#include "tests/monkey/window_checks.h"

#include "core/number_text.h"
#include "ui/main_window.h"
#include "ui/result_label.h"
#include "ui/tire_window.h"

#include <QApplication>
#include <QMessageBox>

namespace evdrive::monkey {
namespace {

std::optional<QString> brokenFieldRule(const QWidget* window, const TypedTexts& typed) {
    for (const QLineEdit* field : window->findChildren<QLineEdit*>()) {
        const QString where = window->objectName() + u'.' + field->objectName();
        if (const auto* result = qobject_cast<const ResultLabel*>(field)) {
            if (!result->result().isEmpty() && !parseStrict(result->result().toStdString())) {
                return QStringLiteral("%1 shows \"%2\", which is no number")
                    .arg(where, result->result());
            }
        } else if (field->text() != typed.of(field)) {
            return QStringLiteral("%1 holds \"%2\" where \"%3\" was typed")
                .arg(where, field->text(), typed.of(field));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> brokenRule(const TypedTexts& typed) {
    int tireWindows = 0;
    int messageBoxes = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<const TireRadiusForm*>(window)) {
            ++tireWindows;
            // Closing deletes it: a hidden one would come back with old texts.
            if (!window->isVisible()) {
                return QStringLiteral("a closed tire window still exists");
            }
        }
        if (qobject_cast<const QMessageBox*>(window) && window->isVisible()) {
            ++messageBoxes;
        }
        if (qobject_cast<const MainForm*>(window) || qobject_cast<const TireRadiusForm*>(window)) {
            if (auto broken = brokenFieldRule(window, typed)) {
                return broken;
            }
        }
    }
    if (tireWindows > 1) {
        return QStringLiteral("%1 tire windows are open").arg(tireWindows);
    }
    if (messageBoxes > 1) {
        return QStringLiteral("%1 message boxes are shown at once").arg(messageBoxes);
    }
    return std::nullopt;
}

} // namespace evdrive::monkey
