// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/workbook/xml_parser.h"
#include "batch/workbook/zip_archive.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// A sheet as the workbook lists it, in the order of its tabs.
struct SheetEntry {
    std::string name;
    std::string part;       // "xl/worksheets/sheet1.xml"
    bool worksheet = false; // a table, not a chart or dialog sheet
};

// Where a workbook's sheets and shared strings lie, found through the
// package's relationships as the format wants rather than by part names.
struct WorkbookParts {
    std::vector<SheetEntry> sheets;
    std::string sharedStrings; // empty when the workbook has none
};

Outcome<WorkbookParts> readWorkbookParts(ZipArchive& zip);

// The sheet a --sheet choice names: a sheet's name, else a number from 1 in
// tab order; without a choice, the first worksheet.
Outcome<SheetEntry> chooseSheet(const WorkbookParts& parts,
                                const std::optional<std::string>& choice,
                                const std::string& workbookName);

// Parses a whole part as it unpacks; false when there is no such part. A
// document that is not well-formed is a damaged workbook.
Outcome<bool> parsePart(XmlParser& parser, ZipArchive& zip, const std::string& part);

// A relationship's target as a part name: relative to the part that holds
// the relationship, or absolute from the package's root.
std::string resolvePart(std::string_view source, std::string_view target);

} // namespace evdrive::batch
