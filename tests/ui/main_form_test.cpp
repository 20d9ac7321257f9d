// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/main_form_test.h"

#include "core/drivetrain_catalogue.h"
#include "core/tire_catalogue.h"
#include "tests/ui/widget_support.h"
#include "ui/main_form.h"
#include "ui/tire_radius_form.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace evdrive::test {
void MainFormTest::cleanup() {
    qDeleteAll(tireWindows());
}

void MainFormTest::workedRunShowsTheThreeResults() {
    MainForm window(mainTitle, contact);
    window.show();
    typeFields(&window, workedRun);
    click(&window, "Command1");
    QCOMPARE(result(&window, "Label1"), workedResults[0]);
    QCOMPARE(result(&window, "Label12"), workedResults[1]);
    QCOMPARE(result(&window, "Label28"), workedResults[2]);
    QVERIFY(!messageBox(&window));
}

void MainFormTest::failedRunClearsTheResultsItDidNotReach() {
    MainForm window(mainTitle, contact);
    window.show();
    typeFields(&window, workedRun);
    click(&window, "Command1");
    find<QLineEdit>(&window, "Text4")->setText("30");
    find<QLineEdit>(&window, "Text6")->clear();
    click(&window, "Command1");

    // While the message is shown, the rpm of the new figures stands alone.
    QMessageBox* box = messageBox(&window);
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().contains("类型不匹配"));
    QVERIFY(box->text().contains("满载总质量"));
    QCOMPARE(result(&window, "Label1"), "2364.53201970443");
    QCOMPARE(result(&window, "Label12"), "");
    QCOMPARE(result(&window, "Label28"), "");
    QCOMPARE(find<QLineEdit>(&window, "Text6")->text(), "");
}

void MainFormTest::requiredGradeIsIgnored_data() {
    QTest::addColumn<QString>("grade");
    QTest::newRow("empty") << "";
    QTest::newRow("words") << "陡坡";
    QTest::newRow("beyond range") << "1e999";
}

void MainFormTest::requiredGradeIsIgnored() {
    MainForm window(mainTitle, contact);
    QFETCH(QString, grade);
    QStringList texts = workedRun;
    texts[11] = grade;
    typeFields(&window, texts);
    click(&window, "Command1");
    QCOMPARE(result(&window, "Label28"), workedResults[2]);
    QVERIFY(!messageBox(&window));
}

void MainFormTest::failureNamesKindAndField_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("mustSay");
    auto with = [](std::initializer_list<std::pair<int, QString>> changes) {
        QStringList texts = workedRun;
        for (const auto& [field, text] : changes) {
            texts[field - 1] = text;
        }
        return texts;
    };
    QTest::newRow("decimal comma")
        << with({{5, "0,9"}}) << QStringList{"类型不匹配", "“传动系统效率”中不是一个数", "0.9"};
    QTest::newRow("full-width digits")
        << with({{6, "１５００"}})
        << QStringList{"类型不匹配", "“满载总质量”中不是一个数", "全角", "半角数字"};
    QTest::newRow("zero radius") << with({{3, "0"}})
                                 << QStringList{"除数为零", "“轮胎滚动半径”为 0"};
    QTest::newRow("zero by zero") << with({{3, "0"}, {4, "0"}})
                                  << QStringList{"溢出", "“轮胎滚动半径”为 0", "0 除以 0"};
    QTest::newRow("mass beyond range")
        << with({{6, "1e400"}}) << QStringList{"溢出", "“满载总质量”中的数超出"};
    QTest::newRow("product of mass beyond range")
        << with({{6, "1e308"}}) << QStringList{"溢出", "由“满载总质量”算出的中间结果超出"};
    QTest::newRow("product of velocity and gear ratio beyond range")
        << with({{4, "1e308"}, {1, "10"}})
        << QStringList{"溢出", "由“变速器速比”和“需求车速”算出的中间结果超出"};
    QTest::newRow("torque too large")
        << with({{11, "2300"}})
        << QStringList{"无效的参数", "电机最大转矩相对于其他参数过大", "“电机最大转矩”"};
}

void MainFormTest::failureNamesKindAndField() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, mustSay);
    MainForm window(mainTitle, contact);
    typeFields(&window, texts);
    click(&window, "Command1");
    QMessageBox* box = messageBox(&window);
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), mainTitle);
    for (const QString& phrase : mustSay) {
        QVERIFY2(box->text().contains(phrase), qPrintable(box->text()));
    }
}

// The calculations read their fields in a fixed order and stop at the first
// that is empty. Emptying a field and every field read after it must name
// that field: a field wired to another's input would name the other.
void MainFormTest::emptyFieldIsNamed_data() {
    QTest::addColumn<bool>("tire");
    QTest::addColumn<QStringList>("readOrder");
    QTest::addColumn<int>("empty");
    QTest::addColumn<QString>("caption");
    const QStringList mainOrder = {"Text4", "Text1", "Text2",  "Text3", "Text6", "Text7",
                                   "Text8", "Text9", "Text10", "Text5", "Text11"};
    const QStringList tireOrder = {"Text1", "Text2", "Text3"};
    // Fields are numbered in the order of their catalogue.
    const auto input = [](const QString& field) { return field.sliced(4).toUInt() - 1; };
    for (int i = 0; i < mainOrder.size(); ++i) {
        QTest::addRow("MainForm.%s", qPrintable(mainOrder[i]))
            << false << mainOrder << i
            << QUtf8StringView(drivetrainInputs[input(mainOrder[i])].caption).toString();
    }
    for (int i = 0; i < tireOrder.size(); ++i) {
        QTest::addRow("TireRadiusForm.%s", qPrintable(tireOrder[i]))
            << true << tireOrder << i
            << QStringLiteral("轮胎型号（%1）")
                   .arg(QUtf8StringView(tireInputs[input(tireOrder[i])].caption).toString());
    }
    // Read by no calculation: emptying it changes nothing.
    QTest::addRow("MainForm.Text12") << false << QStringList{"Text12"} << 0 << QString();
}

void MainFormTest::emptyFieldIsNamed() {
    QFETCH(bool, tire);
    QFETCH(QStringList, readOrder);
    QFETCH(int, empty);
    QFETCH(QString, caption);
    std::unique_ptr<QWidget> window;
    if (tire) {
        window = std::make_unique<TireRadiusForm>();
        typeFields(window.get(), {"195", "70", "15"});
    } else {
        window = std::make_unique<MainForm>(mainTitle, contact);
        typeFields(window.get(), workedRun);
    }
    for (const QString& field : readOrder.sliced(empty)) {
        find<QLineEdit>(window.get(), qPrintable(field))->clear();
    }
    click(window.get(), "Command1");
    QMessageBox* box = messageBox(window.get());
    if (caption.isEmpty()) {
        QVERIFY(!box);
        return;
    }
    QVERIFY(box);
    QVERIFY2(box->text().startsWith(QStringLiteral("类型不匹配：“%1”为空。").arg(caption)),
             qPrintable(box->text()));
}

// What a result control shows of a result that does not fit: the longest form
// that fits, its digits rounded, never a digit of the integer part, the sign
// or the exponent missing. The texts are those of the 15.75-point Song face at
// 96 dpi, where a main window result holds eight characters and the tire
// radius six.
void MainFormTest::resultShowsItsLongestFittingForm_data() {
    QTest::addColumn<bool>("tire");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("shown");
    QTest::newRow("rpm") << false << workedResults[0] << "5674.877";
    QTest::newRow("power") << false << workedResults[1] << "8.582978";
    QTest::newRow("grade") << false << workedResults[2] << "41.59363";
    QTest::newRow("huge rpm") << false << "7.07338638373121E+21"
                              << "7.07E+21";
    QTest::newRow("huge power") << false << "1.1163645915419E+55"
                                << "1.12E+55";
    QTest::newRow("tiny power") << false << "6.80555555667192E-05"
                                << "6.81E-05";
    QTest::newRow("integer part too long") << false << "2236962130.26927"
                                           << "2.24E+09";
    QTest::newRow("negative grade") << false << "-1.33685413774881"
                                    << "-1.33685";
    QTest::newRow("rounding carries") << false << "9999.99999999999"
                                      << "10000.00";
    QTest::newRow("half rounds away from zero") << false << "-2.5E-300"
                                                << "-3E-300";
    QTest::newRow("fits whole") << false << "0"
                                << "0";
    QTest::newRow("tire radius") << true << "0.3270"
                                 << "0.3270";
    QTest::newRow("huge tire radius") << true << "10001168.9873"
                                      << "1E+07";
}

void MainFormTest::resultShowsItsLongestFittingForm() {
    QFETCH(bool, tire);
    QFETCH(QString, result);
    QFETCH(QString, shown);
    std::unique_ptr<QWidget> window;
    if (tire) {
        window = std::make_unique<TireRadiusForm>();
    } else {
        window = std::make_unique<MainForm>(mainTitle, contact);
    }
    auto* label = find<ResultLabel>(window.get(), tire ? "Label3" : "Label1");
    window->show();
    label->setResult(result);
    QCOMPARE(label->shown().text, shown);
    // Shortened, the last digit kept fades out: before the exponent, if any.
    const qsizetype exponent = shown.indexOf(u'E');
    QCOMPARE(label->shown().fadedCharacter,
             shown == result ? -1 : (exponent < 0 ? shown.size() : exponent) - 1);
    QCOMPARE(label->toolTip(), result);
    QCOMPARE(label->accessibleName(), result);
}

void MainFormTest::screenReaderHearsCaptionsAndWholeResults() {
    MainForm window(mainTitle, contact);
    window.show();
    typeFields(&window, workedRun);
    click(&window, "Command1");
    const auto said = [&](const char* name, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(find<QWidget>(&window, name))->text(text);
    };
    QCOMPARE(said("Text6", QAccessible::Name), "满载总质量");
    QCOMPARE(said("Text1", QAccessible::Name), "变速器速比");
    QCOMPARE(said("Label1", QAccessible::Name), workedResults[0]);
    QCOMPARE(said("Label1", QAccessible::Description), "需求车速电机转速, rpm");
    QCOMPARE(said("Label12", QAccessible::Description), "需求车速功率需求, kw");

    click(&window, "Command2");
    TireRadiusForm* tire = tireWindows().front();
    QCOMPARE(QAccessible::queryAccessibleInterface(find<QWidget>(tire, "Text3"))
                 ->text(QAccessible::Name),
             "轮胎型号（轮辋直径）");
    QCOMPARE(QAccessible::queryAccessibleInterface(find<QWidget>(tire, "Label3"))
                 ->text(QAccessible::Description),
             "轮胎滚动半径, m");
}

// With the toolkit's Chinese texts, which the program loads, every entry of a
// result's menu has its access key: the toolkit gives 复制 its (&C), 全选 none.
void MainFormTest::resultMenuEntriesHaveAccessKeys() {
    QTranslator toolkitTexts;
    QVERIFY(toolkitTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                              QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QApplication::installTranslator(&toolkitTexts);
    MainForm window(mainTitle, contact);
    window.show();
    auto* label = find<ResultLabel>(&window, "Label12");
    label->setResult(workedResults[1]);
    QContextMenuEvent opening(QContextMenuEvent::Mouse, QPoint(4, 4),
                              label->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(label, &opening);
    auto* menu = label->findChild<QMenu*>();
    QVERIFY(menu && menu->isVisible());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            // A tab parts the entry from its shortcut.
            entries << action->text().section(u'\t', 0, 0);
        }
    }
    menu->close();
    QCOMPARE(entries, (QStringList{"复制(&C)", "全选(&A)"}));
}

// Every caption's text stands at the top left of its rectangle, level with
// its neighbour whatever their heights: "km/h" (25 high) beside "需求车速" (17).
void MainFormTest::captionsStandAtTheirTopLeft_data() {
    QTest::addColumn<bool>("tire");
    QTest::newRow("MainForm") << false;
    QTest::newRow("TireRadiusForm") << true;
}

void MainFormTest::captionsStandAtTheirTopLeft() {
    QFETCH(bool, tire);
    std::unique_ptr<QWidget> window;
    if (tire) {
        window = std::make_unique<TireRadiusForm>();
    } else {
        window = std::make_unique<MainForm>(mainTitle, contact);
    }
    const QList<QLabel*> captions = window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QVERIFY(!captions.isEmpty());
    for (const QLabel* caption : captions) {
        QVERIFY2(caption->alignment() == (Qt::AlignLeft | Qt::AlignTop),
                 qPrintable(caption->objectName()));
    }
}

void MainFormTest::focusStartsOnStartButtonAndTabsThroughTheFields() {
    MainForm window(mainTitle, contact);
    QVERIFY(showActive(&window));
    QCOMPARE(focusThroughTab(15),
             (QStringList{"Command1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                          "Text8", "Text9", "Text10", "Text11", "Text12", "Command2", "Command1"}));
}

void MainFormTest::enterOnFocusedStartButtonCalculates() {
    MainForm window(mainTitle, contact);
    QVERIFY(showActive(&window));
    typeFields(&window, workedRun);
    auto* start = find<QPushButton>(&window, "Command1");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(result(&window, "Label1"), "");
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(result(&window, "Label1"), workedResults[0]);

    // Enter in a field presses nothing: no button is the window's default.
    find<QLineEdit>(&window, "Text4")->setText("30");
    QTest::keyClick(find<QLineEdit>(&window, "Text4"), Qt::Key_Return);
    QCOMPARE(result(&window, "Label1"), workedResults[0]);
}

void MainFormTest::tireButtonOpensOneWindow() {
    MainForm window(mainTitle, contact);
    window.show();
    click(&window, "Command2");
    QCOMPARE(tireWindows().size(), 1);
    TireRadiusForm* tire = tireWindows().front();
    find<QLineEdit>(tire, "Text1")->setText("195");
    click(&window, "Command2");
    QCOMPARE(tireWindows(), QList<TireRadiusForm*>{tire});
    QVERIFY(tire->isVisible());
    QCOMPARE(find<QLineEdit>(tire, "Text1")->text(), "195");
}

// At twice the scale a 96-pixel icon is drawn from the SVG; from the 48-pixel
// bitmap alone it could be no larger than 48.
void MainFormTest::windowIconsStaySharpWhenScaled() {
    MainForm window(mainTitle, contact);
    click(&window, "Command2");
    for (const QWidget* shown :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(tireWindows().front())}) {
        const QIcon icon = shown->windowIcon();
        QCOMPARE(icon.pixmap(QSize(96, 96)).size(), QSize(96, 96));
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }
}

// The program quits when its last window closes, which is not the main one
// while the tire window is open.
void MainFormTest::programRunsUntilTheTireWindowClosesToo() {
    MainForm window(mainTitle, contact);
    window.show();
    click(&window, "Command2");
    QPointer<TireRadiusForm> tire = tireWindows().front();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    int closedWithMainWindow = -1;
    QTimer::singleShot(0, &window, [&] {
        window.close();
        closedWithMainWindow = static_cast<int>(lastClosed.count());
        QVERIFY(tire && tire->isVisible());
        tire->close();
    });
    QTimer::singleShot(5000, qApp, &QCoreApplication::quit); // in case it never quits
    QApplication::exec();
    QCOMPARE(closedWithMainWindow, 0);
    QCOMPARE(lastClosed.count(), 1);
}

} // namespace evdrive::test
