// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/monkey/random_text.h"

#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"
#include "core/tire_catalogue.h"

#include <QStringList>

#include <array>

namespace evdrive::monkey {
namespace {

int below(Random& random, int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random);
}

template <class List>
QString pick(Random& random, const List& list) {
    return list[static_cast<std::size_t>(below(random, static_cast<int>(std::size(list))))];
}

QString digits(Random& random, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QChar(u'0' + below(random, 10));
    }
    return text;
}

// A decimal built digit by digit, with an exponent now and then that may
// reach far past the double range either way.
QString randomNumber(Random& random) {
    QString text = pick(random, std::array{"", "", "-", "+"});
    text += digits(random, below(random, 18));
    if (below(random, 2)) {
        text += u'.' + digits(random, below(random, 18));
    }
    if (text.isEmpty() || below(random, 3) == 0) {
        text +=
            pick(random, std::array{"e", "E", "e-", "E+"}) + digits(random, 1 + below(random, 3));
    }
    return text;
}

constexpr std::array extremes = {"1e308",    "1.7976931348623157e308",
                                 "1.8e308",  "-1e308",
                                 "1e309",    "1e-320",
                                 "4.9e-324", "2.2250738585072014e-308",
                                 "1e-400",   "0",
                                 "-0",       "0.0",
                                 ".5",       "5.",
                                 "00000",    "1e-5",
                                 "1E+15",    "123456789012345678901234"};

constexpr std::array blanks = {"", " ", "   ", " 12.5 ", "1 000", " -.5 "};

constexpr std::array chinese = {"陡坡",   "一千五百", "１５００", "０．９",
                                "零点三", "宋体",     "米",       "，"};

constexpr std::array garbage = {"1,5", "0x1A",     "1e",  "e5",    ".",        "+",   "--1", "1..2",
                                "1e+", "inf",      "nan", "NaN",   "Infinity", "1d2", "(3)", "3-",
                                "$5",  "0.015abc", "abc", "15 LT", "½",        "∞",   "-",   "E"};

constexpr char garbageChars[] = "0123456789.eEdD+-, abcxyz!@#%()/\\'\"";

QString randomGarbage(Random& random) {
    if (below(random, 2)) {
        return pick(random, garbage);
    }
    QString text;
    for (int length = 1 + below(random, 10); length > 0; --length) {
        text += QChar::fromLatin1(garbageChars[below(random, sizeof garbageChars - 1)]);
    }
    return text;
}

} // namespace

QString randomFieldText(Random& random) {
    switch (below(random, 6)) {
    case 0:
        return plausibleFigure(random, 1 + below(random, 12));
    case 1:
        return randomNumber(random);
    case 2:
        return pick(random, extremes);
    case 3:
        return pick(random, blanks);
    case 4:
        return pick(random, chinese);
    default:
        return randomGarbage(random);
    }
}

// The figure the field's hint gives, scaled now and then, or one that strains
// the formulas: zero, negative, ten times too large.
template <class Inputs, std::size_t N>
QString figureNear(Random& random, const std::array<InputQuantity<Inputs>, N>& inputs, int field) {
    const double example = *parseStrict(inputs[static_cast<std::size_t>(field - 1)].example);
    constexpr std::array factors = {1.0, 1.0, 1.4, 0.7, 0.0, -1.0, 10.0};
    const double factor = factors[static_cast<std::size_t>(below(random, factors.size()))];
    return QString::fromStdString(formatGeneral(example * factor));
}

QString plausibleFigure(Random& random, int field) {
    return figureNear(random, drivetrainInputs, field);
}

QString plausibleTirePart(Random& random, int field) {
    return figureNear(random, tireInputs, field);
}

} // namespace evdrive::monkey
