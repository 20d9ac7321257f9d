// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/catalogue_drift_test.h"
#include "tests/ui/main_form_test.h"
#include "tests/ui/tire_radius_form_test.h"
#include "ui/interface_faces.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <vector>

// Runs the named test class, or every class without a name; further
// arguments go to Qt Test as usual.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    evdrive::useInterfaceFaces();
    std::vector<std::unique_ptr<QObject>> suites;
    suites.push_back(std::make_unique<evdrive::test::MainFormTest>());
    suites.push_back(std::make_unique<evdrive::test::TireRadiusFormTest>());
    suites.push_back(std::make_unique<evdrive::test::CatalogueDriftTest>());

    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args(argv, argv + argc);
    if (only) {
        args.erase(args.begin() + 1);
    }
    int failures = 0;
    for (const auto& suite : suites) {
        if (!only ||
            QByteArray(suite->metaObject()->className()).endsWith(QByteArray("::") + only)) {
            failures += QTest::qExec(suite.get(), static_cast<int>(args.size()), args.data());
        }
    }
    return failures;
}
