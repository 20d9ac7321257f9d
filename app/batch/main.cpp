// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_info.h"
#include "batch/command/command.h"

#include <cstdio>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // The table's bytes as they are: in text mode the C library would write
    // every line end as CRLF, read a CRLF as LF and end the input at a Ctrl-Z.
    // The messages end their lines as on other systems too. The arguments
    // come in UTF-8, the code page the manifest asks for.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return evdrive::batch::runCommand(args, evdrive::appinfo::version, {stdin, stdout, stderr});
}
