// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <string>
#include <vector>

namespace evdrive::batch {

// Writes the workbook of the writer's tests to path: a sweep of two vehicles
// over the final drive ratio under a title row and a header, the second
// vehicle's last grade failed and marked, and a sheet of three charts.
// workbook_writer_test.py reads it with openpyxl, the round trip with our reader.
Outcome<> writeSampleWorkbook(const std::string& path);

// Its data sheet's rows as describeRows gives them.
std::vector<std::string> sampleWorkbookRows();

} // namespace evdrive::batch
