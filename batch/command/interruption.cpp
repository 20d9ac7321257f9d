// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/interruption.h"

#include "batch/report.h"
#include "batch/text/utf8.h"
#include "batch/translation.h"

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace evdrive::batch {
namespace {

// What the handler needs, made before it may run: it can only copy bytes.
struct Stop {
    char temporary[4096];
    char before[1024]; // the message up to the place
    char after[1024];  // and after it, with the line end
        bool withPlace;
    std::FILE* stream;
    int descriptor;
    std::atomic<std::size_t> progress;
};

Stop stop;

std::size_t copy(char* into, std::size_t room, std::string_view text) {
    const std::size_t size = std::min(room - 1, text.size());
    std::memcpy(into, text.data(), size);
    into[size] = '\0';
    return size;
}

// The message, with the place written out digit by digit.
void sayWhereItStopped() {
    char line[2100];
    std::size_t size = 0;
    const auto append = [&](const char* text) {
        const std::size_t length = std::min(std::strlen(text), sizeof line - size);
        std::memcpy(line + size, text, length);
        size += length;
    };
    append(stop.before);
    if (stop.withPlace) {
        char digits[24];
        std::size_t count = 0;
        std::size_t place = stop.progress.load();
        do {
            digits[count++] = static_cast<char>('0' + place % 10);
            place /= 10;
        } while (place > 0 && count < sizeof digits);
        while (count > 0 && size < sizeof line) {
            line[size++] = digits[--count];
        }
    }
    append(stop.after);
#ifdef _WIN32
    writeText(stop.stream, {line, size});
#else
    [[maybe_unused]] const auto written = write(stop.descriptor, line, size);
#endif
}

#ifdef _WIN32
std::wstring temporaryWide() {
    const std::u16string units = utf16Of(stop.temporary);
    return {units.begin(), units.end()};
}

// On a thread of its own: the work is stopped by the end of the process.
BOOL WINAPI stopped(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
        return FALSE;
    }
    if (stop.temporary[0] != '\0') {
        DeleteFileW(temporaryWide().c_str());
    }
    sayWhereItStopped();
    ExitProcess(130);
}
#else
constexpr int signals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previous[std::size(signals)];

void stopped(int signal) {
    if (stop.temporary[0] != '\0') {
        unlink(stop.temporary);
    }
    sayWhereItStopped();
    ::signal(signal, SIG_DFL);
    raise(signal);
}
#endif

} // namespace

Interruption::Interruption(std::FILE* messages, const std::string& temporaryPath,
                           const std::string& output, bool byRow) {
    copy(stop.temporary, sizeof stop.temporary, temporaryPath);
    std::string message;
    if (!temporaryPath.empty()) {
        message = format(tr("stopped; %1 is as it was"), {output});
    } else {
        message = std::string(byRow ? tr("stopped after row %1; the output is incomplete")
                                    : tr("stopped after line %1; the output is incomplete"));
    }
    const std::size_t place = message.find("%1");
    stop.withPlace = place != std::string::npos;
    copy(stop.before, sizeof stop.before, "evdrive-batch: " + message.substr(0, place));
    copy(stop.after, sizeof stop.after,
         (stop.withPlace ? message.substr(place + 2) : std::string()) + "\n");
    stop.progress = 0;
stop.stream = messages;
#ifdef _WIN32
    SetConsoleCtrlHandler(stopped, TRUE);
#else
    stop.descriptor = fileno(messages);
    struct sigaction action {};
    action.sa_handler = stopped;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(signals); ++i) {
        sigaction(signals[i], &action, &previous[i]);
        // A run started to ignore Ctrl-C or the terminal's end, in the
        // background or by nohup, goes on ignoring them.
        if (signals[i] != SIGTERM && previous[i].sa_handler == SIG_IGN) {
            sigaction(signals[i], &previous[i], nullptr);
        }
    }
#endif
}

Interruption::~Interruption() {
#ifdef _WIN32
    SetConsoleCtrlHandler(stopped, FALSE);
#else
    for (std::size_t i = 0; i < std::size(signals); ++i) {
        sigaction(signals[i], &previous[i], nullptr);
    }
#endif
    stop.temporary[0] = '\0';
}

std::atomic<std::size_t>& Interruption::progress() {
    return stop.progress;
}

} // namespace evdrive::batch
