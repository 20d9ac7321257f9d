// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/catalogue_drift_test.h"

#include "core/drivetrain_catalogue.h"
#include "tests/ui/roff_text.h"
#include "tests/ui/widget_support.h"
#include "ui/main_form.h"
#include "ui/main_form_description.h"

#include <QFile>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <string>

namespace evdrive::test {
namespace {

QString text(std::string_view catalogued) {
    return QUtf8StringView(catalogued).toString();
}

// The window's own spellings of some of the catalogue's units.
const QHash<QString, QString> windowUnits = {
    {QStringLiteral("Nm"), QStringLiteral("N·m")},
    {QStringLiteral("kw"), QStringLiteral("kW")},
};

} // namespace

void CatalogueDriftTest::mainWindowShowsTheCataloguesCaptionsAndUnits_data() {
    QTest::addColumn<QString>("captionLabel");
    QTest::addColumn<QString>("unitLabel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");
    const std::size_t fields = std::min(mainFormDescription.fields.size(), drivetrainInputs.size());
    for (std::size_t i = 0; i < fields; ++i) {
        const FieldLayout& field = mainFormDescription.fields[i];
        QTest::addRow("%s", std::string(drivetrainInputs[i].key).c_str())
            << QString::fromUtf8(field.caption) << QString::fromUtf8(field.unit)
            << text(drivetrainInputs[i].caption) << text(drivetrainInputs[i].unit);
    }
    const std::size_t results =
        std::min(mainFormDescription.results.size(), drivetrainResults.size());
    for (std::size_t i = 0; i < results; ++i) {
        const ResultLayout& result = mainFormDescription.results[i];
        QTest::addRow("%s", std::string(drivetrainResults[i].key).c_str())
            << QString::fromUtf8(result.caption) << QString::fromUtf8(result.unit)
            << text(drivetrainResults[i].caption) << text(drivetrainResults[i].unit);
    }
}

void CatalogueDriftTest::mainWindowShowsTheCataloguesCaptionsAndUnits() {
    QFETCH(QString, captionLabel);
    QFETCH(QString, unitLabel);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    MainForm window(mainTitle, contact);
    const auto* shownCaption = find<QLabel>(&window, qPrintable(captionLabel));
    QVERIFY(shownCaption);
    QString captionText = shownCaption->text();
    if (captionText.endsWith(u'：')) {
        captionText.chop(1);
    }
    QCOMPARE(captionText, caption);
    if (unitLabel.isEmpty()) {
        QVERIFY2(unit.isEmpty(), "the window shows no unit");
        return;
    }
    const auto* shownUnit = find<QLabel>(&window, qPrintable(unitLabel));
    QVERIFY(shownUnit);
    QCOMPARE(windowUnits.value(shownUnit->text(), shownUnit->text()), unit);
}

// Each page lists every input and result on a line of its own: its caption
// followed by its unit in brackets, half-width after a blank, "轮胎滚动半径
// (m)", or full-width, "轮胎滚动半径（m）"; a caption without unit is
// followed by neither. evdrive-batch's pages name the column too, by the
// catalogue's key on the same line.
void CatalogueDriftTest::manualPagesListEveryInputAndResult_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");
    struct Page {
        const char* path;
        bool keyed;
    };
    constexpr Page pages[] = {
        {"evdrive.1.in", false},
        {"zh_CN/evdrive.1.in", false},
        {"evdrive-batch.1.in", true},
        {"zh_CN/evdrive-batch.1.in", true},
    };
    const auto addRow = [](const Page& page, const auto& quantity) {
        QTest::addRow("%s %s", page.path, std::string(quantity.key).c_str())
            << QString::fromUtf8(page.path) << (page.keyed ? text(quantity.key) : QString())
            << text(quantity.caption) << text(quantity.unit);
    };
    for (const Page& page : pages) {
        for (const auto& input : drivetrainInputs) {
            addRow(page, input);
        }
        for (const auto& result : drivetrainResults) {
            addRow(page, result);
        }
    }
}

void CatalogueDriftTest::manualPagesListEveryInputAndResult() {
    QFETCH(QString, page);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    QFile source(QStringLiteral(EVDRIVE_MANUAL_PAGES "/") + page);
    QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(source.fileName()));
    // The caption and its unit in brackets, or, without a unit, no bracket.
    const QString captioned = QRegularExpression::escape(caption);
    const QString bracketed = QRegularExpression::escape(unit);
    const QRegularExpression listed(
        unit.isEmpty() ? captioned + QStringLiteral("(?! ?[(（])")
                       : captioned + QStringLiteral("(?: \\(%1\\)|（%1）)").arg(bracketed));
    const QStringList lines = roffText(QString::fromUtf8(source.readAll()));
    QVERIFY2(std::ranges::any_of(lines,
                                 [&](const QString& line) {
                                     return (key.isEmpty() || line.contains(key)) &&
                                            line.contains(listed);
                                 }),
             qPrintable(QStringLiteral("no line holds %1 %2 (%3)").arg(key, caption, unit)));
}

// The words engineers use for the inputs, as evdrive-batch reads them in a
// header, are listed in its pages on the lines of their inputs.
void CatalogueDriftTest::batchPagesListEveryWordForAnInput_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("word");
    for (const char* page : {"evdrive-batch.1.in", "zh_CN/evdrive-batch.1.in"}) {
        for (const auto& input : drivetrainInputs) {
            const QStringList words = text(input.words).split(u'|', Qt::SkipEmptyParts);
            for (const QString& word : words) {
                QTest::addRow("%s %s %s", page, std::string(input.key).c_str(), qPrintable(word))
                    << QString::fromUtf8(page) << text(input.key) << word;
            }
        }
    }
}

void CatalogueDriftTest::batchPagesListEveryWordForAnInput() {
    QFETCH(QString, page);
    QFETCH(QString, key);
    QFETCH(QString, word);
    QFile source(QStringLiteral(EVDRIVE_MANUAL_PAGES "/") + page);
    QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(source.fileName()));
    const QStringList lines = roffText(QString::fromUtf8(source.readAll()));
    // The input's line, then the lines of its meaning and words.
    const auto inputLine = std::ranges::find_if(lines, [&](const QString& line) {
        return line.startsWith(key + u' ') || line.startsWith(key + u'、') ||
               line.startsWith(key + u',');
    });
    QVERIFY2(lines.end() - inputLine > 2, qPrintable(key));
    const QString listed = (inputLine[1] + u' ' + inputLine[2]).simplified();
    QVERIFY2(listed.contains(word), qPrintable(QStringLiteral("%1 not in: %2").arg(word, listed)));
}

} // namespace evdrive::test
