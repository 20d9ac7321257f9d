// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/monkey/monkey.h"

#include "tests/monkey/window_checks.h"
#include "ui/tire_radius_form.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace evdrive::monkey {
namespace {

TireRadiusForm* openTireWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* tire = qobject_cast<TireRadiusForm*>(window)) {
            return tire;
        }
    }
    return nullptr;
}

QMessageBox* shownMessageBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

// The fields Text1, Text2, … of a window, in number order.
QList<QLineEdit*> fieldsOf(const QWidget* window) {
    QList<QLineEdit*> fields;
    for (int number = 1;; ++number) {
        auto* field = window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
        if (!field) {
            return fields;
        }
        fields.append(field);
    }
}

// Lets the program handle what the action caused, closed windows' deletion included.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Key by key, as a keyboard whose layout has every character would send it.
void typeText(QWidget* field, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

Monkey::Monkey(Random::result_type seed)
    : random_(seed)
    , main_(QStringLiteral("电动汽车驱动系统计算器"), QStringLiteral("evdrive@example.org")) {
    main_.show();
    watchCalculations(&main_);
    settle();
}

Monkey::~Monkey() {
    // The tire window is a window of its own, not a child of the main one.
    delete openTireWindow();
}

QString Monkey::act() {
    QString action = [this] {
        if (QMessageBox* box = shownMessageBox()) {
            return dismiss(box);
        }
        // What a user does, and how often against the rest; the tire window's
        // actions come last.
        // clang-format off
        enum { Type, FillMain, Calculate, OpenTire, PressKey, CopyResult, FillTire, CalculateTire,
               CopyTire, CloseTire };
        constexpr double weights[] = {30, 6, 14, 8, 12, 8, 4, 8, 6, 4};
        // clang-format on
        const int chosen =
            std::discrete_distribution<int>(std::begin(weights), std::end(weights))(random_);
        TireRadiusForm* tire = openTireWindow();
        if (chosen >= FillTire && !tire) {
            // Whoever wants the tire window opens it first.
            return clickButton(&main_, "Command2");
        }
        switch (chosen) {
        case Type:
            return typeIntoField();
        case FillMain:
            return fillMainWindow();
        case Calculate:
            return clickButton(&main_, "Command1");
        case OpenTire:
            return clickButton(&main_, "Command2");
        case PressKey:
            return pressKey();
        case CopyResult:
            return copyResult();
        case FillTire:
            return fillTireWindow(tire);
        case CalculateTire:
            return clickButton(tire, "Command1");
        case CopyTire:
            return clickButton(tire, "Command2");
        default:
            return closeTireWindow(tire);
        }
    }();
    settle();
    if (TireRadiusForm* tire = openTireWindow(); tire && tire != watchedTire_) {
        watchedTire_ = tire;
        watchCalculations(tire);
    }
    return action;
}

// Connected after the window's own handler, so it runs once the results are shown.
void Monkey::watchCalculations(QWidget* window) {
    QObject::connect(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                     &QPushButton::clicked, window, [this, window] {
                         ++checkedRuns_;
                         if (!wrongResults_) {
                             wrongResults_ = evdrive::monkey::wrongResults(window);
                         }
                     });
}

QString Monkey::dismiss(QMessageBox* box) {
    if (below(2)) {
        clickOn(box->buttons().constFirst());
        return QStringLiteral("click the message box's button");
    }
    if (!box->isActiveWindow()) {
        box->activateWindow();
        settle();
    }
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box,
                    Qt::Key_Return);
    return QStringLiteral("press Enter on the message box");
}

QString Monkey::typeIntoField() {
    QList<QLineEdit*> fields = fieldsOf(&main_);
    if (TireRadiusForm* tire = openTireWindow()) {
        fields += fieldsOf(tire);
    }
    QLineEdit* field = fields[below(static_cast<int>(fields.size()))];
    const QString where = field->window()->objectName() + u'.' + field->objectName();
    clickOn(field);
    QString& typed = typed_.of(field);
    switch (below(4)) {
    case 0: {
        const QString text = randomFieldText(random_);
        replaceText(field, text);
        typed = text;
        return QStringLiteral("type \"%1\" into %2").arg(text, where);
    }
    case 1: {
        const QString text = randomFieldText(random_);
        QTest::keyClick(field, Qt::Key_End);
        typeText(field, text);
        typed += text;
        return QStringLiteral("append \"%1\" to %2").arg(text, where);
    }
    case 2:
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Backspace);
        typed.chop(1);
        return QStringLiteral("erase the last character of %1").arg(where);
    default:
        // Pasting over a selection replaces it, even with nothing.
        typed = QApplication::clipboard()->text();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste \"%1\" over %2").arg(typed, where);
    }
}

QString Monkey::fillMainWindow() {
    QStringList texts;
    int number = 1;
    for (QLineEdit* field : fieldsOf(&main_)) {
        texts << plausibleFigure(random_, number++);
        clickOn(field);
        replaceText(field, texts.back());
        typed_.of(field) = texts.back();
    }
    return QStringLiteral("fill the main window with %1").arg(texts.join(u' '));
}

QString Monkey::fillTireWindow(TireRadiusForm* tire) {
    QStringList texts;
    int number = 1;
    for (QLineEdit* field : fieldsOf(tire)) {
        texts << plausibleTirePart(random_, number++);
        clickOn(field);
        replaceText(field, texts.back());
        typed_.of(field) = texts.back();
    }
    return QStringLiteral("fill the tire window with %1").arg(texts.join(u' '));
}

// Shows a result whole, and copies it for pasting into a field.
QString Monkey::copyResult() {
    QList<QWidget*> results;
    for (const char* name : {"Label1", "Label12", "Label28"}) {
        results << main_.findChild<QWidget*>(QLatin1StringView(name));
    }
    if (TireRadiusForm* tire = openTireWindow()) {
        results << tire->findChild<QWidget*>(QStringLiteral("Label3"));
    }
    QWidget* result = results[below(static_cast<int>(results.size()))];
    clickOn(result);
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    return QStringLiteral("copy %1.%2").arg(result->window()->objectName(), result->objectName());
}

// Keys that move the focus or press a button, never ones that type.
QString Monkey::pressKey() {
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &main_;
    const bool onButton = qobject_cast<QPushButton*>(focus);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Escape, Qt::NoModifier},
        {onButton ? Qt::Key_Space : Qt::Key_Tab, Qt::NoModifier},
    };
    const auto [key, modifiers] = keys[below(static_cast<int>(std::size(keys)))];
    const QString where = focus->window()->objectName() + u'.' + focus->objectName();
    QTest::keyClick(focus, key, modifiers);
    return QStringLiteral("press %1 on %2").arg(QKeySequence(key | modifiers).toString(), where);
}

// As the window's close control does it.
QString Monkey::closeTireWindow(TireRadiusForm* tire) {
    tire->windowHandle()->close();
    return QStringLiteral("close the tire window");
}

QString Monkey::clickButton(QWidget* window, const char* button) {
    clickOn(window->findChild<QPushButton*>(QLatin1StringView(button)));
    return QStringLiteral("click %1.%2").arg(window->objectName(), QLatin1StringView(button));
}

// A window manager activates the window a user clicks into.
void Monkey::clickOn(QWidget* widget) {
    if (!widget->isActiveWindow()) {
        widget->activateWindow();
        settle();
    }
    const QPoint point(below(widget->width()), below(widget->height()));
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
}

void Monkey::replaceText(QLineEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        typeText(field, text);
    }
}

int Monkey::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

} // namespace evdrive::monkey
