// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/table_kind.h"
#include "batch/workbook/workbook_reader.h"
#include "tests/batch/workbook_rows.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <string>

namespace evdrive::batch {
namespace {

using evdrive::PrintTo;

// Bytes as the command gets them, and what it makes of them: "text", a
// "workbook", or the message for a format it does not read.
struct GivenBytes {
    const char* name;
    std::string bytes;
    std::string fileName;
    std::string verdict;
};

std::string sample(const std::string& file) {
    return fileBytes(std::string(EVDRIVE_SAMPLES) + "/" + file);
}

std::string verdict(const std::string& bytes, const std::string& fileName) {
    const TableKind kind = classifyStart(std::string_view(bytes).substr(0, 4096), fileName);
    if (const auto readable = readableTable(kind, fileName); !readable) {
        return readable.error().message();
    }
    if (kind == TableKind::Text) {
        return "text";
    }
    const auto reader = WorkbookReader::openBytes(bytes, fileName, std::nullopt);
    return reader ? "workbook" : reader.error().message();
}

class TableKinds : public testing::TestWithParam<GivenBytes> {};

TEST_P(TableKinds, AreToldByTheBytes) {
    const GivenBytes& row = GetParam();
    ASSERT_FALSE(row.bytes.empty());
    EXPECT_EQ(verdict(row.bytes, row.fileName), row.verdict);
}

using namespace std::string_literals;

const GivenBytes givenBytes[] = {
    {"Csv", "gearRatio,tireRadius\n1,0.3\n", "vehicles.csv", "text"},
    {"CsvNamedXlsx", "gearRatio;tireRadius\r\n1;0,3\r\n", "vehicles.xlsx", "text"},
    {"Gbk", "\xB3\xB5\xD0\xCD,\xB1\xE4\xCB\xD9\xC6\xF7\n", "车型.csv", "text"},
    {"Utf16WithMark", "\xFF\xFEg\0e\0a\0r\0"s, "vehicles.txt", "text"},
    {"Workbook", sample("workbook_captions_openpyxl.xlsx"), "vehicles.csv", "workbook"},
    {"OpenDocument", sample("other_formats/vehicles.ods"), "vehicles.ods",
     "vehicles.ods: an OpenDocument spreadsheet (.ods): save it as .xlsx or CSV"},
    {"BinaryWorkbook", sample("other_formats/vehicles.xlsb"), "vehicles.xlsb",
     "vehicles.xlsb: an Excel binary workbook (.xlsb): save it as .xlsx or CSV"},
    {"OtherZip", sample("other_formats/tables.zip"), "tables.zip",
     "tables.zip: a zip archive that is no workbook: unpack the table from it, or save the table "
     "as .xlsx or CSV"},
    {"LegacyWorkbook", sample("other_formats/vehicles.xls"), "data/vehicles.XLS",
     "data/vehicles.XLS: an Excel 97-2003 workbook (.xls): save it as .xlsx or CSV"},
    {"WpsWorkbook", sample("other_formats/vehicles.et"), "vehicles.et",
     "vehicles.et: a WPS spreadsheet (.et): save it as .xlsx or CSV"},
    {"CompoundFileFromStandardInput", sample("other_formats/vehicles.xls"), "standard input",
     "standard input: a binary office document, such as an .xls or .et workbook: save it as .xlsx "
     "or CSV"},
    {"Pdf", sample("other_formats/manual.pdf"), "manual.pdf",
     "manual.pdf: a PDF document, not a table: save the table as .xlsx or CSV"},
    {"NulBytes", "gearRatio\0\x01\x02"s, "vehicles.bin",
     "vehicles.bin: binary data, not a table: give a CSV table or an .xlsx workbook"},
};

INSTANTIATE_TEST_SUITE_P(Inputs, TableKinds, testing::ValuesIn(givenBytes));

} // namespace
} // namespace evdrive::batch
