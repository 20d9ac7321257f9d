// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/workbook/workbook_reader.h"

#include <string>
#include <vector>

namespace evdrive::batch {

// The rows of a sheet in a short notation, one string a row:
// "4: T'城市小车' N'1' E'' B'TRUE' X'#N/A' F'4*2'" for Text, Number, Empty,
// Boolean, Error and UncomputedFormula; or the message of the first problem.
std::vector<std::string> describeRows(WorkbookReader& reader);

// The whole file, or empty when it cannot be read.
std::string fileBytes(const std::string& path);

} // namespace evdrive::batch
