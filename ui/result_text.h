// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace evdrive {

// What a result control shows of a result text that may not fit in it.
struct ShownResult {
    QString text;
    // The character that ends the digits kept, drawn fading out to mark that
    // digits were given up after it; -1 when the text is shown whole.
    qsizetype fadedCharacter = -1;
};

// The longest form of a result text, as formatGeneral or formatFixed4 writes
// it, that fits: the text itself, or its digits rounded half away from zero to
// as many as fit. The sign, the exponent and every integer digit always stay;
// a number whose integer part does not fit is written with an exponent
// instead ("2.24E+09"). Digits are given up only from the end of the
// mantissa. When not even one digit fits, the shortest form is returned.
ShownResult fitResult(const QString& result, const std::function<bool(const QString&)>& fits);

} // namespace evdrive
