#include "ui/failure_message.h"

#include "ui/app_info.h"

#include <QApplication>
#include <QMessageBox>

namespace evdrive {
namespace {

QString kindName(CalcError error) {
    switch (error) {
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

QString whatIsWrong(const Failure& failure) {
    if (failure.inGradeFormula) {
        return QStringLiteral("电机最大转矩相对于其他参数过大或过小，最大爬坡度公式不适用"
                              "（动力因数与滚动阻力系数之差须在 -1 与 1 之间）。\n"
                              "请检查电机最大转矩、速比、传动系统效率、满载总质量和轮胎滚动半径。");
    }
    if (!failure.field) {
        return QStringLiteral("计算的中间结果超出了可计算的范围（约 ±1.8E+308）。\n"
                              "请检查各参数的数量级和单位。");
    }
    const BlamedField& field = *failure.field;
    const QString caption = QStringLiteral("“%1”").arg(field.caption);
    const QString what = [&] {
        switch (failure.error) {
        case CalcError::TypeMismatch:
            return field.text.trimmed().isEmpty() ? QStringLiteral("%1为空。").arg(caption)
                                                  : QStringLiteral("%1中不是一个数。").arg(caption);
        case CalcError::DivisionByZero:
            return QStringLiteral("%1为 0，而计算要用它作除数。").arg(caption);
        case CalcError::Overflow:
            // Either the number is beyond the double range, or it is a zero
            // divisor of a zero dividend.
            return parseStrict(field.text.toStdString()).value_or(1) == 0
                       ? QStringLiteral("%1为 0，计算中出现了 0 除以 0。").arg(caption)
                       : QStringLiteral("%1中的数超出了可计算的范围（约 ±1.8E+308）。")
                             .arg(caption);
        case CalcError::InvalidArgument:
            break;
        }
        return QStringLiteral("%1的值不能用于计算。").arg(caption);
    }();
    return QStringLiteral("%1\n请输入%2。小数点请用半角“.”，也可写成 1.5e3 这样的指数形式。")
        .arg(what, field.hint);
}

} // namespace

QString describeFailure(const Failure& failure) {
    return QStringLiteral("%1：%2").arg(kindName(failure.error), whatIsWrong(failure));
}

void showFailure(QWidget* window, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(appinfo::displayName),
                                message, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

} // namespace evdrive
