// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"
#include "core/failure_text.h"
#include "ui/failure_message.h"
#include "ui/form_description.h"
#include "ui/result_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <optional>
#include <span>
#include <string>
#include <string_view>
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

// A caption's text, without a closing colon: "需求车速电机转速".
QString captionText(const QWidget* window, const char* caption);

// A field's name for screen readers and failure messages: the caption of its
// input, or for a part, the caption of the whole and the part's caption:
// "轮胎型号（断面宽度）".
QString fieldName(const QWidget* window, const FieldLayout& field, std::string_view caption);

// A window built from its description, and the handles to its fields and
// results that the calculation reads and writes.
template <class Inputs>
class Form {
  public:
    Form(QWidget* window, const FormDescription<Inputs>& description)
        : window_(window) {
        window->setObjectName(QLatin1StringView(description.objectName));
        buildControls(window, description.clientSize, description.controls, description.focusOrder);
        // Fields and inputs pair up in order: one left over would go unread.
        if (description.fields.size() != description.inputs.size()) {
            qFatal("%s has %zu fields for %zu inputs", description.objectName,
                   description.fields.size(), description.inputs.size());
        }
        for (std::size_t i = 0; i < description.fields.size(); ++i) {
            const InputQuantity<Inputs>& input = description.inputs[i];
            auto* field = controlNamed<QLineEdit>(window, description.fields[i].field);
            field->setAccessibleName(fieldName(window, description.fields[i], input.caption));
            fields_.push_back({field, input.member, QUtf8StringView(input.hint).toString()});
        }
        for (const ResultLayout& result : description.results) {
            auto* label = controlNamed<ResultLabel>(window, result.label);
            // What a screen reader says besides the result itself: "需求车速电机转速, rpm".
            label->setAccessibleDescription(
                QStringLiteral("%1, %2").arg(captionText(window, result.caption),
                                             controlNamed<QLabel>(window, result.unit)->text()));
            results_.push_back(label);
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

    // The texts of the results in the order of the description's; a result
    // that the outcome lacks is cleared, never left from an earlier run.
    void showResults(std::span<const std::optional<std::string>> texts) const {
        if (texts.size() != results_.size()) {
            qFatal("%s shows %zu results in %zu controls", qPrintable(window_->objectName()),
                   texts.size(), results_.size());
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            results_[i]->setResult(QString::fromStdString(texts[i].value_or("")));
        }
    }

    void report(const CalcFailure<Inputs>& failure) const {
        std::vector<BlamedInput> blamed;
        for (const auto input : failure.inputs) {
            for (const Field& field : fields_) {
                if (field.input == input) {
                    blamed.push_back(
                        {field.edit->accessibleName().toStdString(), field.hint.toStdString()});
                }
            }
        }
        showFailure(window_,
                    QString::fromStdString(describeFailure(failure.kind, failure.cause, blamed)));
    }

  private:
    struct Field {
        QLineEdit* edit;
        std::string Inputs::*input;
        QString hint;
    };

    QWidget* window_;
    std::vector<Field> fields_;
    std::vector<ResultLabel*> results_;
};

} // namespace evdrive
