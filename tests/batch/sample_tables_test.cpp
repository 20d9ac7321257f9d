// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/batch/command_run.h"
#include "tests/core/table_row.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace evdrive::batch {
namespace {

using evdrive::PrintTo;

// Tables as spreadsheets save them (tests/batch/samples), each with the table
// evdrive-batch must write for it, in the same encoding, delimiter and line ends.
struct SampleTable {
    const char* name;
    const char* table;
    std::vector<std::string_view> args;
    const char* written;
    std::string err;
};

std::string sample(const std::string& file) {
    std::string text;
    if (std::FILE* in = std::fopen((std::string(EVDRIVE_SAMPLES) + "/" + file).c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
            text.append(buffer, n);
        }
        std::fclose(in);
    }
    return text;
}

// Read in pieces of a few bytes too, so that pieces end inside characters of
// two and four bytes and inside a UTF-16 mark.
class SampleTables : public testing::TestWithParam<std::tuple<SampleTable, std::size_t>> {};

TEST_P(SampleTables, AreWrittenBackAsTheyCame) {
    const auto& [row, readSize] = GetParam();
    const std::string table = sample(row.table);
    ASSERT_FALSE(table.empty()) << row.table;
    const CommandRun run = runBatch(row.args, table, readSize);
    EXPECT_TRUE(run.out == sample(row.written)) << run.out;
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(run.status, 0);
}

// The test rig's torque is more than any slope can take.
const std::string testRigFails = "evdrive-batch: 5 rows, 1 failed: 1 InvalidArgument; the first on "
                                 "line 6\n";

// The pickup lacks its torque, the test rig's is more than any slope can take.
const std::string vehicleSheetFails = "evdrive-batch: 6 rows, 2 failed: 1 TypeMismatch, 1 "
                                      "InvalidArgument; the first on line 9\n";

const SampleTable samples[] = {
    SampleTable{"GbkWithCaptionsAndCrlf",
                "gbk_captions_crlf.csv",
                {},
                "gbk_captions_crlf.out.csv",
                testRigFails},
    SampleTable{"GbkNamedOnTheCommandLine",
                "gbk_captions_crlf.csv",
                {"--encoding", "GBK"},
                "gbk_captions_crlf.out.csv",
                testRigFails},
    SampleTable{"UnicodeTextUtf16WithTabs",
                "unicode_text_utf16le.txt",
                {},
                "unicode_text_utf16le.out.txt",
                testRigFails},
    SampleTable{"SemicolonsAndDecimalCommas",
                "semicolon_decimal_comma.csv",
                {"--decimal-comma"},
                "semicolon_decimal_comma.out.csv",
                testRigFails},
    SampleTable{"CrAlone", "cr_only.csv", {}, "cr_only.out.csv", testRigFails},
    SampleTable{"CaptionsWithUnitsAndBlanksUtf8WithMark",
                "captions_with_units_bom.csv",
                {},
                "captions_with_units_bom.out.csv",
                testRigFails},
    SampleTable{"VehicleSheetAsDisplayedUtf8",
                "vehicle_sheet_utf8.csv",
                {"--digit-grouping"},
                "vehicle_sheet_utf8.out.csv",
                vehicleSheetFails},
    SampleTable{"VehicleSheetAsDisplayedGbk",
                "vehicle_sheet_gbk.csv",
                {"--digit-grouping"},
                "vehicle_sheet_gbk.out.csv",
                vehicleSheetFails}};

// A table evdrive-batch wrote, edited and run again, computes its result
// columns again in their places: with nothing edited, the same table.
TEST_P(SampleTables, RunAgainOnTheirOutputGiveItAgain) {
    const auto& [row, readSize] = GetParam();
    const std::string written = sample(row.written);
    const CommandRun again = runBatch(row.args, written, readSize);
    EXPECT_TRUE(again.out == written) << again.out;
    EXPECT_EQ(again.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(
    Spreadsheets, SampleTables,
    testing::Combine(testing::ValuesIn(samples), testing::Values(defaultReadSize, 1, 2, 3, 7)),
    [](const auto& info) {
        const std::size_t readSize = std::get<1>(info.param);
        return std::string(std::get<0>(info.param).name) +
               (readSize == defaultReadSize ? "" : "_ReadBy" + std::to_string(readSize));
    });

// Without the option a decimal comma is no decimal point, and the summary says so.
TEST(SampleTables, DecimalCommasWithoutTheOptionAreSaidToBeNoNumbers) {
    const CommandRun run = runBatch({}, sample("semicolon_decimal_comma.csv"));
    EXPECT_EQ(run.err, "evdrive-batch: 5 rows, 5 failed: 5 TypeMismatch; the first on line 2; "
                       "fields with a comma are no numbers here: for decimal commas, give "
                       "--decimal-comma\n");
    EXPECT_NE(run.out.find(";;;;TypeMismatch;NotANumber;finalDriveRatio;\n"), std::string::npos);
}

// Its masses as the sheet displays them, "1,500", are no numbers without the
// option, which the summary names.
TEST(SampleTables, DigitGroupsWithoutTheOptionAreSaidToBeNoNumbers) {
    const CommandRun run = runBatch({}, sample("vehicle_sheet_utf8.csv"));
    EXPECT_EQ(run.err, "evdrive-batch: 6 rows, 6 failed: 6 TypeMismatch; the first on line 4; "
                       "fields such as 1,500 are no numbers here: where a comma or a blank "
                       "groups thousands, give --digit-grouping\n");
    EXPECT_EQ(run.status, 0);
}

} // namespace
} // namespace evdrive::batch
