// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/monkey/window_checks.h"

#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"
#include "core/tire_catalogue.h"
#include "ui/main_form.h"
#include "ui/result_label.h"
#include "ui/tire_radius_form.h"

#include <QApplication>
#include <QMessageBox>

#include <array>

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

// The texts of the fields Text1, Text2, … as the inputs of the catalogue, in its order.
template <class Inputs, std::size_t N>
Inputs fieldTexts(const QWidget* window, const std::array<InputQuantity<Inputs>, N>& catalogue) {
    Inputs inputs;
    for (std::size_t i = 0; i < N; ++i) {
        inputs.*catalogue[i].member =
            window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1))
                ->text()
                .toStdString();
    }
    return inputs;
}

std::optional<QString> compare(const QWidget* window, const char* label,
                               const std::optional<std::string>& expected) {
    const QString shown = window->findChild<ResultLabel*>(QLatin1StringView(label))->result();
    const QString wanted = QString::fromStdString(expected.value_or(""));
    if (shown == wanted) {
        return std::nullopt;
    }
    return QStringLiteral("%1.%2 shows \"%3\" where the calculation gives \"%4\"")
        .arg(window->objectName(), QLatin1StringView(label), shown, wanted);
}

} // namespace

std::optional<QString> wrongResults(const QWidget* window) {
    if (qobject_cast<const TireRadiusForm*>(window)) {
        const auto radius = computeTireRadius(fieldTexts(window, tireInputs));
        return compare(window, "Label3", radius ? std::optional(*radius) : std::nullopt);
    }
    const DrivetrainResults results = computeDrivetrain(fieldTexts(window, drivetrainInputs));
    // The window's result controls, in the order of the catalogue's results.
    constexpr const char* labels[] = {"Label1", "Label12", "Label28"};
    static_assert(std::size(labels) == drivetrainResults.size());
    for (std::size_t i = 0; i < drivetrainResults.size(); ++i) {
        if (auto wrong = compare(window, labels[i], results.*drivetrainResults[i].member)) {
            return wrong;
        }
    }
    return std::nullopt;
}

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
