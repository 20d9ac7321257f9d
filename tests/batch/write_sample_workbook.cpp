// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the writer's test workbook to the path given, for workbook_writer_test.py.
#include "tests/batch/workbook_sample.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: write_sample_workbook PATH\n", stderr);
        return 2;
    }
    if (const auto written = evdrive::batch::writeSampleWorkbook(argv[1]); !written) {
        std::fputs((written.error().message() + "\n").c_str(), stderr);
        return 1;
    }
    return 0;
}
