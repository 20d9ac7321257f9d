// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/tire_radius_form_test.h"

#include "tests/ui/widget_support.h"
#include "ui/main_form.h"
#include "ui/tire_radius_form.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTest>

namespace evdrive::test {

void TireRadiusFormTest::commonSizeIsCopiedAndTheWindowCloses() {
    QPointer<TireRadiusForm> window = new TireRadiusForm;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    typeFields(window, {"195", "70", "15"});
    click(window, "Command1");
    QCOMPARE(result(window, "Label3"), "0.3270");
    click(window, "Command2");
    QCOMPARE(QApplication::clipboard()->text(), "0.3270");
    QTRY_VERIFY(!window);
}

void TireRadiusFormTest::copyWithoutResultKeepsTheClipboardAndTheWindow() {
    TireRadiusForm window;
    window.show();
    QApplication::clipboard()->setText("1500");
    click(&window, "Command2");
    QCOMPARE(QApplication::clipboard()->text(), "1500");
    QVERIFY(window.isVisible());
    QVERIFY(messageBox(&window) && messageBox(&window)->text().contains("还没有计算结果"));
}

void TireRadiusFormTest::failedCalculationClearsTheResult_data() {
    QTest::addColumn<QStringList>("size");
    QTest::addColumn<QStringList>("mustSay");
    QTest::newRow("empty rim") << QStringList{"195", "70", ""}
                               << QStringList{"类型不匹配", "“轮胎型号（轮辋直径）”为空", "15"};
    QTest::newRow("light truck suffix")
        << QStringList{"195", "70", "15 LT"} << QStringList{"“轮胎型号（轮辋直径）”中不是一个数"};
    QTest::newRow("width beyond range") << QStringList{"1e999", "70", "15"}
                                        << QStringList{"溢出", "“轮胎型号（断面宽度）”中的数超出"};
}

void TireRadiusFormTest::failedCalculationClearsTheResult() {
    QFETCH(QStringList, size);
    QFETCH(QStringList, mustSay);
    TireRadiusForm window;
    window.show();
    typeFields(&window, {"195", "70", "15"});
    click(&window, "Command1");
    typeFields(&window, size);
    click(&window, "Command1");
    QCOMPARE(result(&window, "Label3"), "");
    QMessageBox* box = messageBox(&window);
    QVERIFY(box);
    for (const QString& phrase : mustSay) {
        QVERIFY2(box->text().contains(phrase), qPrintable(box->text()));
    }
}

void TireRadiusFormTest::focusStartsOnStartButtonAndTabsThroughTheSize() {
    TireRadiusForm window;
    QVERIFY(showActive(&window));
    QCOMPARE(focusThroughTab(6),
             (QStringList{"Command1", "Text1", "Text2", "Text3", "Command2", "Command1"}));
}

// The road of a request: the radius travels from the tire window to the
// calculator through the clipboard.
void TireRadiusFormTest::pastedRadiusFeedsTheMainCalculation() {
    MainForm main(mainTitle, contact);
    QVERIFY(showActive(&main));
    click(&main, "Command2");
    QCOMPARE(tireWindows().size(), 1);
    QPointer<TireRadiusForm> tire = tireWindows().front();
    typeFields(tire, {"195", "70", "15"});
    click(tire, "Command1");
    click(tire, "Command2");
    QTRY_VERIFY(!tire);

    QStringList texts = workedRun;
    texts[2].clear();
    typeFields(&main, texts);
    auto* radius = find<QLineEdit>(&main, "Text3");
    radius->setFocus();
    QTest::keyClick(radius, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(radius->text(), "0.3270");
    click(&main, "Command1");
    QCOMPARE(result(&main, "Label1"), "5466.62448592218");
}

} // namespace evdrive::test
