// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/result_text.h"

#include <cstdlib>

namespace evdrive {
namespace {

// A decimal as its significant digits d₀d₁d₂… and the power of ten of d₀.
struct Decimal {
    bool negative = false;
    QString digits;
    int exponent = 0;
};

// Reads "-ddd.ddd" or "-d.dddE±XX"; the digits keep the text's trailing zeros
// ("0.3270" has four), for they are digits the result shows.
Decimal readDecimal(const QString& text) {
    Decimal decimal;
    QString mantissa = text;
    decimal.negative = mantissa.startsWith(u'-');
    if (decimal.negative) {
        mantissa.remove(0, 1);
    }
    int power = 0;
    if (const qsizetype e = mantissa.indexOf(u'E'); e >= 0) {
        power = mantissa.sliced(e + 1).toInt();
        mantissa.truncate(e);
    }
    const qsizetype point = mantissa.indexOf(u'.');
    const qsizetype integerDigits = point < 0 ? mantissa.size() : point;
    const QString digits = mantissa.remove(u'.');
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == u'0') {
        ++first;
    }
    decimal.digits = digits.sliced(first);
    decimal.exponent = power + static_cast<int>(integerDigits - 1 - first);
    return decimal;
}

// The decimal rounded to count significant digits, halves away from zero.
Decimal rounded(Decimal decimal, qsizetype count) {
    if (count >= decimal.digits.size()) {
        return decimal;
    }
    const bool up = decimal.digits[count] >= u'5';
    decimal.digits.truncate(count);
    if (up) {
        qsizetype i = count - 1;
        while (i >= 0 && decimal.digits[i] == u'9') {
            decimal.digits[i--] = u'0';
        }
        if (i < 0) {
            decimal.digits.prepend(u'1');
            decimal.digits.chop(1);
            ++decimal.exponent;
        } else {
            decimal.digits[i] = QChar(decimal.digits[i].unicode() + 1);
        }
    }
    return decimal;
}

QString sign(const Decimal& decimal) {
    return decimal.negative ? QStringLiteral("-") : QString();
}

// Plain notation, or nothing when some integer digit would be missing.
QString fixedForm(const Decimal& decimal) {
    const qsizetype integerDigits = decimal.exponent + 1;
    if (integerDigits > decimal.digits.size()) {
        return {};
    }
    if (integerDigits <= 0) {
        return sign(decimal) + QStringLiteral("0.") + QString(-integerDigits, u'0') +
               decimal.digits;
    }
    const QString fraction = decimal.digits.sliced(integerDigits);
    return sign(decimal) + decimal.digits.first(integerDigits) +
           (fraction.isEmpty() ? QString() : u'.' + fraction);
}

QString exponentForm(const Decimal& decimal) {
    const QString fraction = decimal.digits.sliced(1);
    return sign(decimal) + decimal.digits.front() +
           (fraction.isEmpty() ? QString() : u'.' + fraction) +
           (decimal.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
           QStringLiteral("%1").arg(std::abs(decimal.exponent), 2, 10, QLatin1Char('0'));
}

} // namespace

ShownResult fitResult(const QString& result, const std::function<bool(const QString&)>& fits) {
    if (result.isEmpty() || fits(result)) {
        return {result};
    }
    const Decimal whole = readDecimal(result);
    // A result in plain notation stays so while every integer digit fits.
    const bool plain = !result.contains(u'E');
    for (qsizetype count = whole.digits.size() - 1; plain && count >= 1; --count) {
        const QString text = fixedForm(rounded(whole, count));
        if (text.isEmpty()) {
            break;
        }
        if (fits(text)) {
            return {text, text.size() - 1};
        }
    }
    QString text;
    for (qsizetype count = whole.digits.size(); count >= 1; --count) {
        text = exponentForm(rounded(whole, count));
        if (fits(text)) {
            break;
        }
    }
    return {text, text.indexOf(u'E') - 1};
}

} // namespace evdrive
