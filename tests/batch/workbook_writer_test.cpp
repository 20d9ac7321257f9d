// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/workbook_reader.h"
#include "batch/workbook/workbook_writer.h"
#include "tests/batch/workbook_rows.h"
#include "tests/batch/workbook_sample.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace evdrive::batch {
namespace {

std::string temporaryPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            (name + "_" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
             ".xlsx"))
        .string();
}

// What the writer wrote, the reader reads: texts as given, numbers as the
// same doubles, marked empty cells empty.
TEST(WrittenWorkbook, ReadsBackAsWritten) {
    const std::string path = temporaryPath("evdrive_written");
    const auto written = writeSampleWorkbook(path);
    ASSERT_TRUE(written) << written.error().message();
    {
        auto reader = WorkbookReader::openFile(path, std::nullopt);
        ASSERT_TRUE(reader) << reader.error().message();
        EXPECT_EQ((*reader)->sheetName(), "车型结果");
        EXPECT_EQ(describeRows(**reader), sampleWorkbookRows());
    }
    // Windows removes no file that is open.
    std::filesystem::remove(path);
}

TEST(WrittenWorkbook, IsNotMadeWhereNoFileCanBe) {
    const std::string path = temporaryPath("no_such_folder") + "/results.xlsx";
    const auto writer = WorkbookWriter::create(path, path, "results");
    ASSERT_FALSE(writer);
    EXPECT_EQ(writer.error().status, ExitStatus::IoFailure);
    EXPECT_EQ(writer.error().message(), path + ": No such file or directory");
}

// Memory holds the notes until the file is written: past maxNotes, marked
// cells get their fill alone.
TEST(WrittenWorkbook, KeepsNotesWithinBounds) {
    const std::string path = temporaryPath("evdrive_notes");
    auto writer = WorkbookWriter::create(path, path, "results");
    ASSERT_TRUE(writer);
    const WorkbookCell marked{
        .kind = WorkbookCell::Kind::Number, .number = 1, .marked = true, .comment = "有误"};
    for (std::uint32_t row = 0; row < WorkbookWriter::maxNotes + 2; ++row) {
        ASSERT_TRUE((*writer)->writeRow({&marked, 1}));
    }
    EXPECT_EQ((*writer)->notesLeftOut(), 2u);
    ASSERT_TRUE((*writer)->close());
    std::filesystem::remove(path);
}

// Sheet names as a CSV file's stem may give them, made valid.
TEST(WrittenWorkbook, TakesAValidSheetName) {
    const std::string path = temporaryPath("evdrive_sheet_name");
    const std::pair<std::string, std::string> names[] = {
        {"results [2026]: a/b?", "results _2026__ a_b_"},
        {"'quoted'", "_quoted_"},
        {"", "results"},
        {"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三",
         "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一"},
    };
    for (const auto& [given, made] : names) {
        auto writer = WorkbookWriter::create(path, path, given);
        ASSERT_TRUE(writer);
        EXPECT_EQ((*writer)->sheetName(), made);
        ASSERT_TRUE((*writer)->close());
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace evdrive::batch
