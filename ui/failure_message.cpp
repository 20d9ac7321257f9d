// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/failure_message.h"

#include <QMessageBox>
#include <QStringList>

namespace evdrive {
namespace {

QString kindName(CalcError kind) {
    switch (kind) {
    case CalcError::TypeMismatch:
        return QStringLiteral("类型不匹配");
    case CalcError::DivisionByZero:
        return QStringLiteral("除数为零");
    case CalcError::Overflow:
        return QStringLiteral("溢出");
    case CalcError::InvalidArgument:
        return QStringLiteral("无效的参数");
    }
    Q_UNREACHABLE();
}

// “变速器速比”、“驱动桥速比”和“电机最大转矩”
QString quotedNames(const QList<BlamedInput>& inputs) {
    QStringList names;
    for (const BlamedInput& input : inputs) {
        names << QStringLiteral("“%1”").arg(input.name);
    }
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return names.isEmpty() ? last : names.join(u'、') + u'和' + last;
}

QString whatIsWrong(FailureCause cause, const QString& names, bool oneInput) {
    switch (cause) {
    case FailureCause::EmptyField:
        return QStringLiteral("%1为空。").arg(names);
    case FailureCause::NotANumber:
        return QStringLiteral("%1中不是一个数。").arg(names);
    case FailureCause::FullWidthDigits:
        return QStringLiteral("%1中不是一个数：其中的数字是全角字符（如“１２”）。").arg(names);
    case FailureCause::NumberBeyondRange:
        return QStringLiteral("%1中的数超出了可计算的范围（约 ±1.8E+308）。").arg(names);
    case FailureCause::ZeroDivisor:
        return oneInput ? QStringLiteral("%1为 0，而计算要用它作除数。").arg(names)
                        : QStringLiteral("由%1算出的除数为 0。").arg(names);
    case FailureCause::InvalidStep:
        return oneInput ? QStringLiteral("%1为 0，计算中出现了 0 除以 0。").arg(names)
                        : QStringLiteral("由%1算出的除数为 0，计算中出现了 0 除以 0。").arg(names);
    case FailureCause::ResultBeyondRange:
        return QStringLiteral("由%1算出的中间结果超出了可计算的范围（约 ±1.8E+308）。").arg(names);
    case FailureCause::SineBeyondOne:
        return QStringLiteral("电机最大转矩相对于其他参数过大或过小，最大爬坡度公式不适用"
                              "（动力因数与滚动阻力系数之差须在 -1 与 1 之间）。");
    }
    Q_UNREACHABLE();
}

// What to do about it: type the one field blamed afresh, or look over the
// magnitudes and units of all the fields that fed a step.
QString advice(FailureCause cause, const QList<BlamedInput>& blamed, const QString& names) {
    if (blamed.size() != 1 || cause == FailureCause::SineBeyondOne) {
        return QStringLiteral("请检查%1的数量级和单位。").arg(names);
    }
    const QString& hint = blamed.front().hint;
    switch (cause) {
    case FailureCause::FullWidthDigits:
        return QStringLiteral("请切换到半角（英文）输入，用半角数字和半角“.”输入%1。").arg(hint);
    case FailureCause::ResultBeyondRange:
        return QStringLiteral("请检查它的数量级和单位：应输入%1。").arg(hint);
    default:
        return QStringLiteral("请输入%1。小数点请用半角“.”，也可写成 1.5e3 这样的指数形式。")
            .arg(hint);
    }
}

} // namespace

QString describeFailure(CalcError kind, FailureCause cause, const QList<BlamedInput>& blamed) {
    const QString names = quotedNames(blamed);
    return QStringLiteral("%1：%2\n%3")
        .arg(kindName(kind), whatIsWrong(cause, names, blamed.size() == 1),
             advice(cause, blamed, names));
}

void showFailure(QWidget* window, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), message,
                                QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

} // namespace evdrive
