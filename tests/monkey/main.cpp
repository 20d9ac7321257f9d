// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/monkey/monkey.h"
#include "tests/monkey/window_checks.h"
#include "ui/interface_faces.h"

#include <QApplication>
#include <QRandomGenerator>

#include <cstdio>
#include <deque>

namespace {

constexpr int eventCount = 10'000;
constexpr std::size_t eventsShownOnFailure = 10;

void say(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// The offscreen platform says this on every raise and resize of a window: its
// own limits, not the program's, which would bury the run's lines.
QtMessageHandler toolkitOutput = nullptr;

void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(u"This plugin does not support")) {
        toolkitOutput(type, context, message);
    }
}

// The seed of the run, from the last argument or EVDRIVE_MONKEY_SEED.
QString givenSeed(const QStringList& arguments) {
    return arguments.size() > 1 && arguments.back() != u"--list"
               ? arguments.back()
               : qEnvironmentVariable("EVDRIVE_MONKEY_SEED");
}

} // namespace

// Random typing and clicking over both windows, checking their rules after
// every event and the results of every calculation against the core. Without
// a seed the run takes a fresh one. A failing run is replayed by passing its
// seed and --list, which lists every event as it goes, for a crash leaves no
// other trace of them.
int main(int argc, char* argv[]) {
    toolkitOutput = qInstallMessageHandler(dropPlatformLimits);
    QApplication app(argc, argv);
    evdrive::useInterfaceFaces();
    const QString given = givenSeed(QApplication::arguments());
    const bool replay = QApplication::arguments().contains(u"--list");
    bool ok = true;
    const quint64 seed =
        given.isEmpty() ? QRandomGenerator::system()->generate() : given.toULongLong(&ok);
    if (!ok) {
        say(QStringLiteral("usage: evdrive_monkey [--list] [seed]  (or EVDRIVE_MONKEY_SEED=seed)"));
        return 2;
    }
    say(QStringLiteral("seed %1, %2 events").arg(seed).arg(eventCount));

    evdrive::monkey::Monkey monkey(seed);
    std::deque<QString> recent;
    for (int event = 1; event <= eventCount; ++event) {
        recent.push_back(monkey.act());
        if (replay) {
            say(QStringLiteral("%1 %2").arg(event).arg(recent.back()));
        }
        if (recent.size() > eventsShownOnFailure) {
            recent.pop_front();
        }
        auto broken = monkey.wrongResults();
        if (!broken) {
            broken = evdrive::monkey::brokenRule(monkey.typed());
        }
        if (broken) {
            say(QStringLiteral("FAILED at event %1: %2\nlast events:").arg(event).arg(*broken));
            for (const QString& action : recent) {
                say(QStringLiteral("  ") + action);
            }
            say(QStringLiteral("replay with: evdrive_monkey --list %1").arg(seed));
            return 1;
        }
    }
    say(QStringLiteral("all rules held over %1 events; the results of %2 calculations agreed "
                       "with the core")
            .arg(eventCount)
            .arg(monkey.checkedRuns()));
    return 0;
}
