// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"
#include "ui/failure_message.h"
#include "ui/form_description.h"
#include "ui/result_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <vector>

namespace evdrive {

// Makes the controls of a window from its table, gives the window its fixed
// client size and sets the Tab order.
void buildControls(QWidget* window, QSize clientSize, std::span<const Control> controls,
                   std::span<const char* const> focusOrder);

// The control of the window's table with that name and kind. A name the table
// lacks, or a control of another kind, is a fault of the window's description:
// the program stops at once, whatever the build type.
QWidget* controlNamed(const QWidget* window, const char* name, const QMetaObject& kind);

template <class T>
T* controlNamed(const QWidget* window, const char* name) {
    return static_cast<T*>(controlNamed(window, name, T::staticMetaObject));
}

// A field's name for screen readers and failure messages: its caption's text,
// without a closing colon, and the part it holds ("轮胎型号（断面宽度）").
QString captionText(const QWidget* window, const char* caption, const char* part = nullptr);

// A window built from its description, and the handles to its fields and
// results that the calculation reads and writes.
template <class Inputs, class Outcome>
class Form {
  public:
    Form(QWidget* window, const FormDescription<Inputs, Outcome>& description)
        : window_(window) {
        window->setObjectName(QLatin1StringView(description.objectName));
        buildControls(window, description.clientSize, description.controls, description.focusOrder);
        for (const FieldBinding<Inputs>& binding : description.fields) {
            auto* field = controlNamed<QLineEdit>(window, binding.field);
            field->setAccessibleName(captionText(window, binding.caption, binding.part));
            fields_.push_back({field, binding.input, QString::fromUtf8(binding.hint)});
        }
        for (const ResultBinding<Outcome>& binding : description.results) {
            auto* label = controlNamed<ResultLabel>(window, binding.label);
            // What a screen reader says besides the result itself: "需求车速电机转速, rpm".
            label->setAccessibleDescription(
                QStringLiteral("%1, %2").arg(captionText(window, binding.caption),
                                             controlNamed<QLabel>(window, binding.unit)->text()));
            results_.push_back({label, binding.text});
        }
    }

    template <class T>
    T* control(const char* name) const {
        return controlNamed<T>(window_, name);
    }

    Inputs read() const {
        Inputs inputs;
        for (const Field& field : fields_) {
            inputs.*field.input = field.edit->text().toStdString();
        }
        return inputs;
    }

    // A result that the outcome lacks is cleared, never left from an earlier run.
    void showResults(const Outcome& outcome) const {
        for (const Result& result : results_) {
            result.label->setResult(QString::fromStdString(result.text(outcome).value_or("")));
        }
    }

    void report(const CalcFailure<Inputs>& failure) const {
        QList<NamedInput> blamed;
        for (const auto input : failure.inputs) {
            for (const Field& field : fields_) {
                if (field.input == input) {
                    blamed.append({field.edit->accessibleName(), field.hint});
                }
            }
        }
        showFailure(window_, describeFailure(failure.kind, failure.cause, blamed));
    }

  private:
    struct Field {
        QLineEdit* edit;
        std::string Inputs::*input;
        QString hint;
    };
    struct Result {
        ResultLabel* label;
        std::optional<std::string> (*text)(const Outcome&);
    };

    QWidget* window_;
    std::vector<Field> fields_;
    std::vector<Result> results_;
};

} // namespace evdrive
