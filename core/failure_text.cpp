// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/failure_text.h"

namespace evdrive {
namespace {

std::string_view kindName(CalcError kind) {
    switch (kind) {
    case CalcError::TypeMismatch:
        return "类型不匹配";
    case CalcError::DivisionByZero:
        return "除数为零";
    case CalcError::Overflow:
        return "溢出";
    case CalcError::InvalidArgument:
        break;
    }
    return "无效的参数";
}

// “变速器速比”、“驱动桥速比”和“电机最大转矩”
std::string quotedNames(std::span<const BlamedInput> inputs) {
    std::string names;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        names += i == 0 ? "" : i + 1 == inputs.size() ? "和" : "、";
        names += "“" + inputs[i].name + "”";
    }
    return names;
}

std::string whatIsWrong(FailureCause cause, const std::string& names, bool oneInput) {
    switch (cause) {
    case FailureCause::EmptyField:
        return names + "为空。";
    case FailureCause::NotANumber:
        return names + "中不是一个数。";
    case FailureCause::FullWidthDigits:
        return names + "中不是一个数：其中的数字是全角字符（如“１２”）。";
    case FailureCause::NumberBeyondRange:
        return names + "中的数超出了可计算的范围（约 ±1.8E+308）。";
    case FailureCause::ZeroDivisor:
        return oneInput ? names + "为 0，而计算要用它作除数。" : "由" + names + "算出的除数为 0。";
    case FailureCause::InvalidStep:
        return oneInput ? names + "为 0，计算中出现了 0 除以 0。"
                        : "由" + names + "算出的除数为 0，计算中出现了 0 除以 0。";
    case FailureCause::ResultBeyondRange:
        return "由" + names + "算出的中间结果超出了可计算的范围（约 ±1.8E+308）。";
    case FailureCause::SineBeyondOne:
        break;
    }
    return "电机最大转矩相对于其他参数过大或过小，最大爬坡度公式不适用"
           "（动力因数与滚动阻力系数之差须在 -1 与 1 之间）。";
}

// What to do about it: type the one field blamed afresh, or look over the
// magnitudes and units of all the fields that fed a step.
std::string advice(FailureCause cause, std::span<const BlamedInput> blamed,
                   const std::string& names) {
    if (blamed.size() != 1 || cause == FailureCause::SineBeyondOne) {
        return "请检查" + names + "的数量级和单位。";
    }
    const std::string& hint = blamed.front().hint;
    switch (cause) {
    case FailureCause::FullWidthDigits:
        return "请切换到半角（英文）输入，用半角数字和半角“.”输入" + hint + "。";
    case FailureCause::ResultBeyondRange:
        return "请检查它的数量级和单位：应输入" + hint + "。";
    default:
        return "请输入" + hint + "。小数点请用半角“.”，也可写成 1.5e3 这样的指数形式。";
    }
}

} // namespace

std::string describeFailure(CalcError kind, FailureCause cause,
                            std::span<const BlamedInput> blamed) {
    const std::string names = quotedNames(blamed);
    return std::string(kindName(kind)) + "：" + whatIsWrong(cause, names, blamed.size() == 1) +
           "\n" + advice(cause, blamed, names);
}

std::string causeInChinese(FailureCause cause) {
    return whatIsWrong(cause, "输入框", true);
}

} // namespace evdrive
