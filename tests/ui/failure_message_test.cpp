// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/failure_message_test.h"

#include "core/calc_failure.h"
#include "ui/failure_message.h"

#include <QTest>

#include <string>

namespace evdrive::test {

void FailureMessageTest::everyCauseHasAMessageOfItsOwn_data() {
    QTest::addColumn<int>("cause");
    for (const CauseDescription& cause : failureCauses) {
        QTest::addRow("%s", std::string(cause.key).c_str()) << static_cast<int>(cause.cause);
    }
}

// A cause the window had no words for would leave the user with the kind of
// failure alone, or with another cause's words.
void FailureMessageTest::everyCauseHasAMessageOfItsOwn() {
    QFETCH(int, cause);
    const QList<BlamedInput> blamed = {{"满载总质量", "以 kg 为单位的质量，例如 1500"}};
    const auto message = [&](FailureCause described) {
        return describeFailure(CalcError::Overflow, described, blamed);
    };
    const QString own = message(static_cast<FailureCause>(cause));
    QVERIFY(!own.isEmpty());
    for (const CauseDescription& other : failureCauses) {
        if (static_cast<int>(other.cause) != cause) {
            QVERIFY2(message(other.cause) != own, std::string(other.key).c_str());
        }
    }
}

} // namespace evdrive::test
