// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/report.h"

#include "batch/text/utf8.h"
#include "batch/translation.h"

#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace evdrive::batch {

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
    // _isatty holds for any character device, NUL among them: only a console
    // has a console mode.
    DWORD mode = 0;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
#else
    return isatty(fileno(stream)) == 1;
#endif
}

bool writeText(std::FILE* stream, std::string_view text) {
#ifdef _WIN32
    // A console shows UTF-16 as it is, whatever its code page; a file or a
    // pipe gets the UTF-8 bytes.
    if (isTerminal(stream)) {
        const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
        std::fflush(stream);
        const std::u16string units = utf16Of(text);
        const auto size = static_cast<DWORD>(units.size());
        DWORD written = 0;
        return WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(units.c_str()), size, &written,
                             nullptr) &&
               written == size;
    }
#endif
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

void Report::say(std::string_view message) const {
    std::string line = "evdrive-batch: ";
    line += message;
    line += '\n';
    writeText(stream_, line);
}

int Report::fail(const Problem& problem) const {
    say(format(tr("%1: %2"), {problem.where, problem.what}));
    return static_cast<int>(problem.status);
}

} // namespace evdrive::batch
