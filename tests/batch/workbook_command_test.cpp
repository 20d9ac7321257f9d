// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/batch/command_run.h"
#include "tests/batch/workbook_rows.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace evdrive::batch {
namespace {

std::string samplePath(std::string_view file) {
    return std::string(EVDRIVE_SAMPLES) + "/" + std::string(file);
}

// Workbooks as spreadsheets and libraries save them (tests/batch/samples),
// each with the CSV table evdrive-batch writes for it.
struct SampleWorkbook {
    const char* name;
    const char* workbook;
    std::vector<std::string_view> args;
    const char* written;
    std::string err;
    int status;
};

const SampleWorkbook workbooks[] = {
    {"SavedByASpreadsheet",
     "workbook_captions_libreoffice.xlsx",
     {},
     "workbook_captions_libreoffice.out.csv",
     "evdrive-batch: 5 rows, 2 failed: 1 TypeMismatch, 1 InvalidArgument; the first in row 7 of "
     "the sheet\n",
     0},
    {"SheetChosenByName",
     "workbook_captions_libreoffice.xlsx",
     {"--sheet", "车型"},
     "workbook_captions_libreoffice.out.csv",
     "evdrive-batch: 5 rows, 2 failed: 1 TypeMismatch, 1 InvalidArgument; the first in row 7 of "
     "the sheet\n",
     0},
    // A library that stores formulas without their values.
    {"FormulasWithoutValues",
     "workbook_captions_openpyxl.xlsx",
     {},
     "workbook_captions_openpyxl.out.csv",
     "evdrive-batch: 5 rows, 4 failed: 3 TypeMismatch, 1 InvalidArgument; the first in row 5 of "
     "the sheet; some fields are formulas whose values the workbook does not hold: open it in a "
     "spreadsheet and save it, and run again\n",
     0},
    // Inline strings, skipped cells and rows, an error value, and a cell far
    // beyond the header that stops the run at its row.
    {"CellBeyondTheHeader",
     "workbook_keys_handmade.xlsx",
     {},
     "workbook_keys_handmade.out.csv",
     "evdrive-batch: no column or --set gives drivetrainEfficiency (传动系统效率), grossMass "
     "(满载总质量), rollingCoefficient (滚动阻力系数), dragCoefficient (空气阻力系数), bodyHeight "
     "(车身高度), bodyWidth (车身宽度) or motorMaxTorque (电机最大转矩); every row stops at the "
     "power "
     "demand\n"
     "evdrive-batch: the table's own columns: 1 'vehicle', 6 'checked?'\n"
     "evdrive-batch: row 6: cell AA6 holds 'far', beyond the header's 6 columns: name its column "
     "in the header, or clear the cell\n",
     2},
};

// A workbook on standard input, read in pieces as small as a byte.
class SampleWorkbooks : public testing::TestWithParam<std::tuple<SampleWorkbook, std::size_t>> {};

TEST_P(SampleWorkbooks, AreWrittenAsTheirTable) {
    const auto& [row, readSize] = GetParam();
    const std::string workbook = fileBytes(samplePath(row.workbook));
    ASSERT_FALSE(workbook.empty()) << row.workbook;
    const CommandRun run = runBatch(row.args, workbook, readSize);
    EXPECT_TRUE(run.out == fileBytes(samplePath(row.written))) << run.out;
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(run.status, row.status);
}

INSTANTIATE_TEST_SUITE_P(
    Workbooks, SampleWorkbooks,
    testing::Combine(testing::ValuesIn(workbooks), testing::Values(defaultReadSize, 1, 7)),
    [](const auto& info) {
        const std::size_t readSize = std::get<1>(info.param);
        return std::string(std::get<0>(info.param).name) +
               (readSize == defaultReadSize ? "" : "_ReadBy" + std::to_string(readSize));
    });

class WorkbookRun : public testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(folder); }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("evdrive-workbook-" +
         std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// The workbook -o writes holds the same table: read again, it gives the CSV
// table its source gives, figure for figure.
TEST_F(WorkbookRun, ReadsBackAsTheSameTable) {
    std::filesystem::create_directories(folder);
    const std::string written = (folder / "results.XLSX").string();
    const CommandRun run =
        runBatch({"-o", written, samplePath("workbook_captions_libreoffice.xlsx")}, {});
    ASSERT_EQ(run.status, 0) << run.err;
    const CommandRun again = runBatch({written}, {});
    EXPECT_TRUE(again.out == fileBytes(samplePath("workbook_captions_libreoffice.out.csv")))
        << again.out;
}

// A cell the workbook cannot hold stops the run, named, and leaves FILE as
// it was.
TEST_F(WorkbookRun, TooLongATextLeavesTheFileAsItWas) {
    std::filesystem::create_directories(folder);
    const std::string written = (folder / "results.xlsx").string();
    if (std::FILE* file = std::fopen(written.c_str(), "wb")) {
        std::fputs("as it was", file);
        std::fclose(file);
    }
    const std::string table = "name,gearRatio,finalDriveRatio,tireRadius,requiredVelocity\n"
                              "short,1,8,0.3,60\n" +
                              std::string(40000, 'x') + ",1,8,0.3,60\nlast,1,8,0.3,60\n";
    const CommandRun run = runBatch({"-o", written}, table);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(": cell A3 would hold a text longer than a cell holds (32767 "
                           "characters)\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(fileBytes(written), "as it was");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

// What cannot be read stops the run with a reason and leaves no output.
struct Unread {
    const char* name;
    std::vector<std::string_view> args;
    const char* input;
    std::string err;
};

const Unread unread[] = {
    {"SheetOfACsvTable",
     {"--sheet", "2"},
     "cr_only.csv",
     "evdrive-batch: --sheet 2: standard input is a CSV table, which has no sheets\n"},
    {"SheetBeyondTheLast",
     {"--sheet", "3"},
     "workbook_captions_libreoffice.xlsx",
     "evdrive-batch: standard input: no sheet '3' in the workbook; its sheets: 1 '车型', 2 "
     "'备注'\n"},
    {"OpenDocument",
     {},
     "other_formats/vehicles.ods",
     "evdrive-batch: standard input: an OpenDocument spreadsheet (.ods): save it as .xlsx or "
     "CSV\n"},
};

class UnreadTables : public testing::TestWithParam<Unread> {};

TEST_P(UnreadTables, SayWhy) {
    const Unread& row = GetParam();
    const CommandRun run = runBatch(row.args, fileBytes(samplePath(row.input)));
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.status, 2);
}

INSTANTIATE_TEST_SUITE_P(Workbooks, UnreadTables, testing::ValuesIn(unread),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace evdrive::batch
