// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/table_kind.h"

#include "batch/translation.h"

#include <algorithm>

namespace evdrive::batch {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, {}, lower, lower);
}

std::string_view extensionOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    return fileName.substr(dot + 1);
}

bool hasPart(const std::vector<std::string>& partNames, std::string_view part) {
    return std::ranges::any_of(
        partNames, [&](const std::string& name) { return sameIgnoringCase(name, part); });
}

} // namespace

TableKind classifyStart(std::string_view start, std::string_view fileName) {
    using namespace std::string_view_literals;
    if (start.starts_with("PK\x03\x04"sv) || start.starts_with("PK\x05\x06"sv)) {
        return TableKind::Zip;
    }
    if (start.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv)) {
        const std::string_view extension = extensionOf(fileName);
        if (sameIgnoringCase(extension, "xls") || sameIgnoringCase(extension, "xlt")) {
            return TableKind::LegacyWorkbook;
        }
        if (sameIgnoringCase(extension, "et") || sameIgnoringCase(extension, "ett")) {
            return TableKind::WpsWorkbook;
        }
        return TableKind::CompoundFile;
    }
    if (start.starts_with("%PDF-")) {
        return TableKind::Pdf;
    }
    // UTF-16 text has NUL bytes in plenty, and starts with its byte-order mark.
    if (start.starts_with("\xFF\xFE"sv) || start.starts_with("\xFE\xFF"sv)) {
        return TableKind::Text;
    }
    return start.find('\0') == std::string_view::npos ? TableKind::Text : TableKind::Binary;
}

TableKind classifyArchive(const std::vector<std::string>& partNames) {
    if (hasPart(partNames, "xl/workbook.xml")) {
        return TableKind::Workbook;
    }
    if (hasPart(partNames, "xl/workbook.bin")) {
        return TableKind::BinaryWorkbook;
    }
    // An OpenDocument file's first part is its media type; its content.xml
    // tells it apart as well.
    if (hasPart(partNames, "mimetype") && hasPart(partNames, "content.xml")) {
        return TableKind::OpenDocument;
    }
    return TableKind::OtherZip;
}

Outcome<> readableTable(TableKind kind, const std::string& name) {
    std::string_view what;
    switch (kind) {
    case TableKind::Text:
        return {};
    case TableKind::Zip:
    case TableKind::Workbook:
        if (workbooksBuilt) {
            return {};
        }
        what = tr("a workbook or zip archive: this build of evdrive-batch reads CSV only; save "
                  "the table as CSV");
        break;
    case TableKind::BinaryWorkbook:
        what = tr("an Excel binary workbook (.xlsb): save it as .xlsx or CSV");
        break;
    case TableKind::OpenDocument:
        what = tr("an OpenDocument spreadsheet (.ods): save it as .xlsx or CSV");
        break;
    case TableKind::OtherZip:
        what = tr("a zip archive that is no workbook: unpack the table from it, or save the "
                  "table as .xlsx or CSV");
        break;
    case TableKind::LegacyWorkbook:
        what = tr("an Excel 97-2003 workbook (.xls): save it as .xlsx or CSV");
        break;
    case TableKind::WpsWorkbook:
        what = tr("a WPS spreadsheet (.et): save it as .xlsx or CSV");
        break;
    case TableKind::CompoundFile:
        what = tr("a binary office document, such as an .xls or .et workbook: save it as .xlsx "
                  "or CSV");
        break;
    case TableKind::Pdf:
        what = tr("a PDF document, not a table: save the table as .xlsx or CSV");
        break;
    case TableKind::Binary:
        what = tr("binary data, not a table: give a CSV table or an .xlsx workbook");
        break;
    }
    return problem(ExitStatus::BadInput, name, std::string(what));
}

} // namespace evdrive::batch
