// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_info.h"
#include "batch/command.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return evdrive::batch::runCommand(args, evdrive::appinfo::version, {stdin, stdout, stderr});
}
