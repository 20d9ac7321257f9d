// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// What a table's bytes are, told by their content rather than the file's name.
enum class TableKind {
    Text,           // a CSV table, or whatever else is text
    Zip,            // a zip archive, before its parts are looked at
    Workbook,       // .xlsx: a zip with xl/workbook.xml
    BinaryWorkbook, // .xlsb: a zip with xl/workbook.bin
    OpenDocument,   // .ods
    OtherZip,       // a zip archive of something else
    LegacyWorkbook, // .xls, a compound file
    WpsWorkbook,    // .et, a compound file
    CompoundFile,   // a compound file whose name says nothing more
    Pdf,
    Binary, // NUL bytes, no text
};

// The kind by the first bytes (a few kilobytes, or all there are) and, for a
// compound file, the file name's extension; a zip is Zip until its parts are
// looked at with classifyArchive.
TableKind classifyStart(std::string_view start, std::string_view fileName);

// The kind of a zip archive by the names of its parts.
TableKind classifyArchive(const std::vector<std::string>& partNames);

// Nothing for the kinds evdrive-batch reads (text, and in a build with
// workbooks a zip until its parts say more), else the problem naming the input and saying how to save it.
Outcome<> readableTable(TableKind kind, const std::string& name);

// Whether this build reads and writes workbooks.
inline constexpr bool workbooksBuilt = EVDRIVE_WORKBOOKS != 0;

} // namespace evdrive::batch
