// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/roff_text.h"

#include <QHash>
#include <QRegularExpression>

namespace evdrive::test {
namespace {

// An escape: a change of font, a special character by its name ("\[md]",
// "\(md"), or a single character.
const QRegularExpression
    escape(QStringLiteral(R"(\\(?:f(?:\(..|\[[^\]]*\]|.)|\((..)|\[([^\]]*)\]|(.)))"));

// The special characters that units are written with.
const QHash<QString, QString> glyphs = {{QStringLiteral("md"), QStringLiteral("·")}};

// What an escaped single character stands for, where that is not itself.
const QHash<QChar, QString> characters = {
    {u'-', QStringLiteral("-")}, {u'e', QStringLiteral("\\")},
    {u'~', QStringLiteral(" ")}, {u'c', QString()},
    {u'&', QString()},           {u')', QString()},
};

QString resolveEscapes(const QString& text) {
    QString plain;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : escape.globalMatch(text)) {
        plain += text.sliced(done, match.capturedStart() - done);
        done = match.capturedEnd();
        if (match.hasCaptured(3)) {
            const QChar single = match.captured(3).front();
            if (single == u'"') {
                // A comment to the end of the line.
                return plain;
            }
            plain += characters.value(single, QString(single));
        } else if (match.hasCaptured(1) || match.hasCaptured(2)) {
            plain += glyphs.value(match.captured(1) + match.captured(2));
        }
    }
    return plain + text.sliced(done);
}

// A request's arguments: words parted by blanks, or in double quotes.
QStringList arguments(const QString& text) {
    static const QRegularExpression word(QStringLiteral(R"word("([^"]*)"?|([^ ]+))word"));
    QStringList words;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        words << resolveEscapes(match.captured(1) + match.captured(2));
    }
    return words;
}

QString requestText(const QString& line) {
    const QString request = line.sliced(1).trimmed();
    const qsizetype blank = request.indexOf(u' ');
    const QString name = request.first(blank < 0 ? request.size() : blank);
    if (name.startsWith(u"\\\"")) {
        return {};
    }
    const QStringList words = arguments(blank < 0 ? QString() : request.sliced(blank + 1));
    // .BR, .IR and the like set their words in turn in two fonts, without blanks.
    static const QStringList alternating = {"BR", "RB", "BI", "IB", "IR", "RI"};
    return words.join(alternating.contains(name) ? QString() : QStringLiteral(" "));
}

} // namespace

QStringList roffText(const QString& source) {
    QStringList lines;
    for (const QString& line : source.split(u'\n')) {
        const bool request = line.startsWith(u'.') || line.startsWith(u'\'');
        lines << (request ? requestText(line) : resolveEscapes(line));
    }
    return lines;
}

} // namespace evdrive::test
