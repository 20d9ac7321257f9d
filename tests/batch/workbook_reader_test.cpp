// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/workbook_reader.h"
#include "tests/batch/workbook_rows.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace evdrive::batch {
namespace {

using evdrive::PrintTo;

// A sheet of a sample workbook (tests/batch/samples, made by
// make_workbooks.py) and the rows it holds, as the program that wrote it
// stored them.
struct SampleSheet {
    const char* name;
    const char* file;
    std::optional<std::string> sheet;
    std::string sheetName;
    std::vector<std::string> rows;
};

std::string samplePath(const std::string& file) {
    return std::string(EVDRIVE_SAMPLES) + "/" + file;
}

const std::string header =
    "3: T'车型' T'变速器速比' T'驱动桥速比' T'轮胎滚动半径 (m)' T'需求车速 (km/h)' "
    "T'传动系统效率' T'满载总质量 (kg)' T'滚动阻力系数' T'空气阻力系数' T'车身高度 (mm)' "
    "T'车身宽度 (mm)' T'电机最大转矩 (N·m)' T'爬坡度需求 (%)' T'已核对' E'' T'核对日期'";
// Formats (0%, #,##0, a date) change nothing of the values; a skipped cell
// before the date, a missing mass, and the blank row 8 that one program
// keeps and the other leaves out.
const std::string cityCar = "4: T'城市小车' N'1' N'7.5' N'0.28' N'50' N'0.92' N'1100' N'0.012' "
                            "N'0.32' N'1550' N'1650' N'150' N'25' B'TRUE' E'' N'45000'";
const std::string van = "7: T'厢式货车' N'1' N'10' N'0.33' N'70' N'0.88' E'' N'0.018' N'0.45' "
                        "N'2300' N'2000' N'300' N'20'";
const std::string testRig = "9: T'试验台' N'1' N'8' N'0.3' N'60' N'0.9' N'1500' N'0.015' N'0.3' "
                            "N'1500' N'1700' N'2000' N'30'";
const std::string title = "1: T'电动汽车驱动参数'";

std::string emptyCells(int count) {
    std::string cells;
    for (int i = 0; i < count; ++i) {
        cells += " E''";
    }
    return cells;
}

const SampleSheet sampleSheets[] = {
    SampleSheet{"OpenpyxlFormulasWithoutValues",
                "workbook_captions_openpyxl.xlsx",
                std::nullopt,
                "车型",
                {title, header, cityCar,
                 "5: T'紧凑型' N'1' F'4*2' N'0.3' N'60' N'0.9' N'1500' N'0.015' N'0.3' N'1500' "
                 "N'1700' N'200' N'30' B'FALSE'",
                 "6: T'SUV' N'1' N'9.5' N'0.35' F'B6*80' N'0.9' N'2200' N'0.015' N'0.38' N'1700' "
                 "N'1900' N'350' N'35' X'#N/A'",
                 van, "8:", testRig}},
    SampleSheet{"LibreOfficeFormulasWithValues",
                "workbook_captions_libreoffice.xlsx",
                std::nullopt,
                "车型",
                {title, header, cityCar,
                 "5: T'紧凑型' N'1' N'8' N'0.3' N'60' N'0.9' N'1500' N'0.015' N'0.3' N'1500' "
                 "N'1700' N'200' N'30' B'FALSE'",
                 "6: T'SUV' N'1' N'9.5' N'0.35' N'80' N'0.9' N'2200' N'0.015' N'0.38' N'1700' "
                 "N'1900' N'350' N'35' X'#N/A'",
                 van, "8:", testRig}},
    SampleSheet{"SecondSheetByNumber",
                "workbook_captions_libreoffice.xlsx",
                "2",
                "备注",
                {"1: T'数据来源：样车试验'"}},
    SampleSheet{"SecondSheetByName",
                "workbook_captions_openpyxl.xlsx",
                "备注",
                "备注",
                {"1: T'数据来源：样车试验'"}},
    // Prefixed elements, shared strings with rich text and a phonetic run,
    // inline strings, rows and cells without references, a string formula,
    // a formula without a value beside an error, a styled empty cell, an
    // empty row, and a cell far to the right; 0.28000000000000003 as 17
    // digits store it is the double nearest 0.28, and "5E1" is 50.
    SampleSheet{"HandMadeFirstInTabOrder",
                "workbook_keys_handmade.xlsx",
                std::nullopt,
                "vehicles",
                {"1: T'vehicle' T'gearRatio' T'finalDrive Ratio' T'tireRadius' "
                 "T'requiredVelocity' T'checked?'",
                 "2: T'城市小车' N'1' N'7.5' N'0.28' N'50' B'TRUE'",
                 "4: T'van 3.5 t' E'' N'10' F'C4/0' X'#DIV/0!' B'FALSE'",
                 "5:", "6: E'' N'-1.5e-07'" + emptyCells(24) + " T'far'"}},
    SampleSheet{"HandMadeSecondTab",
                "workbook_keys_handmade.xlsx",
                "other",
                "other",
                {"1: T'other sheet'"}},
    SampleSheet{"XmlCutShort",
                "workbook_damaged_xml.xlsx",
                std::nullopt,
                "vehicles",
                {"1: T'vehicle' T'gearRatio' T'finalDrive Ratio' T'tireRadius' "
                 "T'requiredVelocity' T'checked?'",
                 "2: T'城市小车' N'1' N'7.5' N'0.28' N'50' B'TRUE'",
                 "NAME: a damaged workbook: xl/worksheets/sheet2.xml line 6: unclosed token"}},
    SampleSheet{"SharedStringMissing",
                "workbook_missing_string.xlsx",
                std::nullopt,
                "vehicles",
                {"1: T'vehicle' T'gearRatio' T'finalDrive Ratio' T'tireRadius' "
                 "T'requiredVelocity' T'checked?'",
                 "NAME: a damaged workbook: xl/worksheets/sheet2.xml line 5: cell A2 names shared "
                 "string '99', which the workbook does not have"}},
};

// Each sample read where it lies and from memory, as standard input is.
class SampleSheets : public testing::TestWithParam<std::tuple<SampleSheet, bool>> {};

TEST_P(SampleSheets, GiveTheRowsStored) {
    const auto& [sample, fromMemory] = GetParam();
    const std::string path = samplePath(sample.file);
    const std::string name = fromMemory ? "standard input" : path;
    auto reader = fromMemory ? WorkbookReader::openBytes(fileBytes(path), name, sample.sheet)
                             : WorkbookReader::openFile(path, sample.sheet);
    ASSERT_TRUE(reader) << reader.error().message();
    EXPECT_EQ((*reader)->sheetName(), sample.sheetName);
    std::vector<std::string> expected = sample.rows;
    if (expected.back().starts_with("NAME")) {
        expected.back().replace(0, 4, name);
    }
    EXPECT_EQ(describeRows(**reader), expected);
}

INSTANTIATE_TEST_SUITE_P(Workbooks, SampleSheets,
                         testing::Combine(testing::ValuesIn(sampleSheets), testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_FromMemory" : "");
                         });

// Workbooks that do not open, with their one-line message.
struct Unopened {
    const char* name;
    const char* file;
    std::optional<std::string> sheet;
    std::string message;
};

class UnopenedWorkbooks : public testing::TestWithParam<Unopened> {};

TEST_P(UnopenedWorkbooks, SayWhy) {
    const Unopened& row = GetParam();
    const std::string path = samplePath(row.file);
    const auto reader = WorkbookReader::openFile(path, row.sheet);
    ASSERT_FALSE(reader);
    EXPECT_EQ(reader.error().status, ExitStatus::BadInput);
    EXPECT_EQ(reader.error().message(), path + ": " + row.message);
}

const Unopened unopened[] = {
    {"SheetNameUnknown", "workbook_captions_openpyxl.xlsx", "Sheet1",
     "no sheet 'Sheet1' in the workbook; its sheets: 1 '车型', 2 '备注'"},
    {"SheetNumberBeyondLast", "workbook_captions_openpyxl.xlsx", "3",
     "no sheet '3' in the workbook; its sheets: 1 '车型', 2 '备注'"},
    {"SheetNumberZero", "workbook_keys_handmade.xlsx", "0",
     "no sheet '0' in the workbook; its sheets: 1 'vehicles', 2 'other'"},
    {"NoZip", "captions_with_units_bom.csv", std::nullopt,
     "a damaged workbook: its zip directory cannot be read"},
    {"NoSuchFile", "no_such_workbook.xlsx", std::nullopt, "No such file or directory"},
// Windows refuses to open a folder as a file, as it does a file it may not read.
#ifdef _WIN32
    {"Folder", "other_formats", std::nullopt, "Permission denied"},
#else
    {"Folder", "other_formats", std::nullopt, "Is a directory"},
#endif
};

INSTANTIATE_TEST_SUITE_P(Workbooks, UnopenedWorkbooks, testing::ValuesIn(unopened));

TEST(TruncatedWorkbook, IsDamaged) {
    const std::string bytes = fileBytes(samplePath("workbook_captions_libreoffice.xlsx"));
    const auto reader = WorkbookReader::openBytes(bytes.substr(0, bytes.size() / 2),
                                                  "standard input", std::nullopt);
    ASSERT_FALSE(reader);
    EXPECT_EQ(reader.error().message(),
              "standard input: a damaged workbook: its zip directory cannot be read");
}

} // namespace
} // namespace evdrive::batch
