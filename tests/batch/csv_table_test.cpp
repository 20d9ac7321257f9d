// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/csv_blocks.h"
#include "batch/text/text_codec.h"
#include "core/drivetrain_catalogue.h"
#include "tests/batch/command_run.h"
#include "tests/core/table_row.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace evdrive::batch {
namespace {

using evdrive::PrintTo;

struct CommandCase {
    const char* name;
    std::vector<std::string_view> args;
    std::string input;
    std::string out;
    std::string err = "";
    int status = 0;
};

// Each table is read in pieces of the default size and of a few bytes, so
// that pieces end inside cells, quotes, doubled quotes, CRLFs and the
// byte-order mark: where they end must never matter.
class BatchCommand : public testing::TestWithParam<std::tuple<CommandCase, std::size_t>> {};

TEST_P(BatchCommand, WritesTheTableAndReports) {
    const auto& [row, readSize] = GetParam();
    const CommandRun run = runBatch(row.args, row.input, readSize);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(run.status, row.status);
}

const std::string results = "motorRpm,power,grade,error,cause,field,note";
const std::string semicolonResults = "motorRpm;power;grade;error;cause;field;note";
const std::string chineseResults =
    "需求车速电机转速 (rpm),需求车速功率需求 (kW),车辆的最大爬坡度 (%),错误,原因,出错参数,提示";
// What a row gives when only its first read, the required velocity, fails.
const std::string noVelocity = ",,,,TypeMismatch,EmptyField,requiredVelocity,";
const std::string velocityNotANumber = ",,,,TypeMismatch,NotANumber,requiredVelocity,";
const std::string textAfterQuote = "a quoted cell opens here and text follows its closing quote; "
                                   "a quote inside a quoted cell is written twice";
const std::string workedResults = "4244.03183023873,6.49468085106383,32.7845476238428,,,,";

const std::string reversedHeader =
    "requiredGrade,motorMaxTorque,bodyWidth,bodyHeight,dragCoefficient,rollingCoefficient,"
    "grossMass,drivetrainEfficiency,requiredVelocity,tireRadius,finalDriveRatio,gearRatio";
const std::string captionHeader = "变速器速比,驱动桥速比,轮胎滚动半径,需求车速,传动系统效率,"
                                  "满载总质量,滚动阻力系数,空气阻力系数,车身高度,车身宽度,"
                                  "电机最大转矩,爬坡度需求";

// What evdrive-batch says before the rows of a table whose header and options
// give these inputs alone, where every row then stops, and the table's own
// columns, "1 'note'".
std::string givesOnly(std::vector<std::string_view> keys, std::string_view stop = "motor rpm",
                      std::string_view own = {}) {
    std::vector<std::string> missing;
    for (const auto& input : drivetrainInputs) {
        if (input.key != "requiredGrade" &&
            std::find(keys.begin(), keys.end(), input.key) == keys.end()) {
            missing.push_back(std::string(input.key) + " (" + std::string(input.caption) + ")");
        }
    }
    std::string line = "evdrive-batch: no column or --set gives ";
    for (std::size_t i = 0; i < missing.size(); ++i) {
        line += (i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ") + missing[i];
    }
    line += "; every row stops at the " + std::string(stop) + "\n";
    if (!own.empty()) {
        line += "evdrive-batch: the table's own columns: " + std::string(own) + "\n";
    }
    return line;
}

const auto readSizes = testing::Values(defaultReadSize, 1, 2, 3, 7);

const auto name = [](const auto& info) {
    const std::size_t readSize = std::get<1>(info.param);
    return std::string(std::get<0>(info.param).name) +
           (readSize == defaultReadSize ? "" : "_ReadBy" + std::to_string(readSize));
};

const CommandCase tables[] = {
    CommandCase{"WorkedRunInReversedColumnOrder",
                {},
                reversedHeader + "\n30,200,1700,1500,0.3,0.015,1500,0.9, 60 ,0.3,8,1\n",
                reversedHeader + "," + results +
                    "\n30,200,1700,1500,0.3,0.015,1500,0.9, 60 ,0.3,8,1," + workedResults + "\n"},
    CommandCase{"CaptionsHeaderNamesResultsAndBlameInChinese",
                {},
                captionHeader + "\n1,8,0,60,0.9,1500,0.015,0.3,1500,1700,200,30\n",
                captionHeader + "," + chineseResults +
                    "\n1,8,0,60,0.9,1500,0.015,0.3,1500,1700,200,30,,,,DivisionByZero,"
                    "ZeroDivisor,轮胎滚动半径,轮胎滚动半径 0 m 小于 0.15 m\n",
                "evdrive-batch: 1 row, 1 failed: 1 DivisionByZero; the first on line 2; 1 row with "
                "a note on its figures\n"},
    CommandCase{
        "FieldTextsAsTheWindowReadsThem",
        {},
        "requiredVelocity,note\n\"1,5\",a\n\" \",b\nabc,c\n1e400,d\n６０,e\n",
        "requiredVelocity,note," + results + "\n\"1,5\",a" + velocityNotANumber + "\n ,b" +
            noVelocity + "\nabc,c" + velocityNotANumber +
            "\n1e400,d,,,,Overflow,NumberBeyondRange,requiredVelocity,"
            "\n６０,e,,,,TypeMismatch,FullWidthDigits,requiredVelocity,\n",
        givesOnly({"requiredVelocity"}, "motor rpm", "2 'note'") +
            "evdrive-batch: 5 rows, 5 failed: 4 TypeMismatch, 1 Overflow; the first on line 2\n"},
    CommandCase{"QuotesCommasAndLineBreaksInAPassThroughCell",
                {},
                "note,gearRatio\n\"a, \"\"b\"\"\nc\",1\nplain \"quote,1\n",
                "note,gearRatio," + results + "\n\"a, \"\"b\"\"\nc\",1" + noVelocity +
                    "\n\"plain \"\"quote\",1" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 2 rows, 2 failed: 2 TypeMismatch; the first on line 2\n"},
    CommandCase{"ByteOrderMarkKeptAndNotPartOfTheFirstName",
                {},
                "\xEF\xBB\xBFgearRatio\n1\n",
                "\xEF\xBB\xBFgearRatio," + results + "\n1" + noVelocity + "\n",
                givesOnly({"gearRatio"}) +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"CrlfHeaderGivesCrlfOutput",
                {},
                "gearRatio,note\r\n1,\"x\r\ny\"\r\n2,z",
                "gearRatio,note," + results + "\r\n1,\"x\r\ny\"" + noVelocity + "\r\n2,z" +
                    noVelocity + "\r\n",
                givesOnly({"gearRatio"}, "motor rpm", "2 'note'") +
                    "evdrive-batch: 2 rows, 2 failed: 2 TypeMismatch; the first on line 2\n"},
    CommandCase{"DoubledQuotesAtACellsEnds",
                {},
                "note,gearRatio\r\n\"\"\"a\"\"\",1\r\n\"b\"\"\",\"1\"\r\n",
                "note,gearRatio," + results + "\r\n\"\"\"a\"\"\",1" + noVelocity +
                    "\r\n\"b\"\"\",1" + noVelocity + "\r\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 2 rows, 2 failed: 2 TypeMismatch; the first on line 2\n"},
    CommandCase{"BlankLineBeforeASemicolonHeader",
                {},
                "\ngearRatio;finalDriveRatio;tireRadius;requiredVelocity\n1;8;0.3;60\n",
                "\ngearRatio;finalDriveRatio;tireRadius;requiredVelocity;" + semicolonResults +
                    "\n1;8;0.3;60;4244.03183023873;;;TypeMismatch;EmptyField;grossMass;\n",
                givesOnly({"gearRatio", "finalDriveRatio", "tireRadius", "requiredVelocity"},
                          "power demand") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 3\n"},
    CommandCase{"CommasInsideDoubledQuotesOfASemicolonHeader",
                {},
                "\"Remark \"\"x,y,z\"\" ok\";gearRatio\nr;1\n",
                "\"Remark \"\"x,y,z\"\" ok\";gearRatio;" + semicolonResults +
                    "\nr;1;;;;TypeMismatch;"
                    "EmptyField;requiredVelocity;\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'Remark \"x,y,z\" ok'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"CrNotBeforeLfIsText",
                {},
                "note,gearRatio\nx\ry,1\n",
                "note,gearRatio," + results + "\n\"x\ry\",1" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"MissingInputColumnsAndCellsAreEmpty",
                {},
                "requiredVelocity,gearRatio,note\n60\n",
                "requiredVelocity,gearRatio,note," + results +
                    "\n60,,,,,,TypeMismatch,EmptyField,gearRatio,\n",
                givesOnly({"requiredVelocity", "gearRatio"}, "motor rpm", "3 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"BlankRowsWrittenBackAsTheyCameAndNotCounted",
                {},
                "\ngearRatio,note\n\n\"\"\r\n , \n1,x\n\n",
                "\ngearRatio,note," + results + "\n\n\"\"\n , \n1,x" + noVelocity + "\n\n",
                givesOnly({"gearRatio"}, "motor rpm", "2 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 6\n"},
    CommandCase{
        "HeaderOnly", {}, "gearRatio\n", "gearRatio," + results + "\n", givesOnly({"gearRatio"})},
    CommandCase{"UnknownColumnsPassThroughBlanksAroundNamesAllowed",
                {},
                "a, gearRatio ,note\nx,1,y\n",
                "a, gearRatio ,note," + results + "\nx,1,y" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'a', 3 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"MixedHeaderResultsFollowTheFirstInputColumn",
                {},
                "note,需求车速,gearRatio\nx,60,1\n",
                "note,需求车速,gearRatio," + chineseResults +
                    "\nx,60,1,,,,TypeMismatch,EmptyField,驱动桥速比,\n",
                givesOnly({"requiredVelocity", "gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"BlameUsesEachColumnsNaming",
                {},
                "gearRatio,需求车速\n1,x\n",
                "gearRatio,需求车速," + results + "\n1,x,,,,TypeMismatch,NotANumber,需求车速,\n",
                givesOnly({"requiredVelocity", "gearRatio"}) +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"SetOverridesItsColumn",
                {"--set", "gearRatio=3", "-"},
                "gearRatio\n1\n2\n",
                "gearRatio," + results + "\n3" + noVelocity + "\n3" + noVelocity + "\n",
                givesOnly({"gearRatio"}) +
                    "evdrive-batch: 2 rows, 2 failed: 2 TypeMismatch; the first on line 2\n"},
    CommandCase{"SetOfAnInputWithoutColumnAddsOneNamedAsTheOptionNamesIt",
                {"-", "--set=需求车速=60"},
                "note\nx\n",
                "note,需求车速," + chineseResults +
                    "\nx,60,,,,TypeMismatch,EmptyField,变速器速比,\n",
                givesOnly({"requiredVelocity"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"SweepMultipliesEachRow",
                {"--sweep", "gearRatio=1:2:1", "-"},
                "note\na\nb\n",
                "note,gearRatio," + results + "\na,1" + noVelocity + "\na,2" + noVelocity +
                    "\nb,1" + noVelocity + "\nb,2" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 4 rows, 4 failed: 4 TypeMismatch; the first on line 2\n"},
    CommandCase{"OptionsAloneMakeAGridTheFirstSweepSlowest",
                {"--sweep", "tireRadius=0.3:0.4:0.1", "--set", "requiredVelocity=0",
                 "--sweep=gearRatio=1:0:-1", "--set", "finalDriveRatio=8"},
                "ignored",
                "gearRatio,finalDriveRatio,tireRadius,requiredVelocity,drivetrainEfficiency,"
                "grossMass,rollingCoefficient,dragCoefficient,bodyHeight,bodyWidth,"
                "motorMaxTorque,requiredGrade," +
                    results +
                    "\n1,8,0.3,0,,,,,,,,,0,,,TypeMismatch,EmptyField,grossMass,"
                    "\n0,8,0.3,0,,,,,,,,,0,,,TypeMismatch,EmptyField,grossMass,gearRatio 0 is "
                    "less than 0.2"
                    "\n1,8,0.4,0,,,,,,,,,0,,,TypeMismatch,EmptyField,grossMass,"
                    "\n0,8,0.4,0,,,,,,,,,0,,,TypeMismatch,EmptyField,grossMass,gearRatio 0 is "
                    "less than 0.2\n",
                givesOnly({"gearRatio", "finalDriveRatio", "tireRadius", "requiredVelocity"},
                          "power demand") +
                    "evdrive-batch: 4 rows, 4 failed: 4 TypeMismatch; the first in row 1; 2 rows "
                    "with notes on their figures\n"}};

// Sheets as engineers keep them: a title above the header, numbers as a
// spreadsheet displays them, their own words for the inputs.
const std::string fieldOrder = "gearRatio,finalDriveRatio,tireRadius,requiredVelocity,"
                               "drivetrainEfficiency,grossMass,rollingCoefficient,dragCoefficient,"
                               "bodyHeight,bodyWidth,motorMaxTorque,requiredGrade";
const std::string stageA = "requiredVelocity;gearRatio;finalDriveRatio;tireRadius;grossMass";

const CommandCase sheets[] = {
    CommandCase{"TitleRowAboveTheHeaderWrittenBack",
                {},
                "2024车型参数表,,\n变速器速比,驱动桥速比,轮胎滚动半径 (m)\n1,8,0.3\n",
                "2024车型参数表,,\n变速器速比,驱动桥速比,轮胎滚动半径 (m)," + chineseResults +
                    "\n1,8,0.3,,,,TypeMismatch,EmptyField,需求车速,\n",
                givesOnly({"gearRatio", "finalDriveRatio", "tireRadius"}) +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 3\n"},
    CommandCase{"HeaderRowGiven",
                {"--header-row", "2", "-"},
                "gearRatio\nnote,gearRatio\nx,1\n",
                "gearRatio\nnote,gearRatio," + results + "\nx,1" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 3\n"},
    CommandCase{"PercentagesAsFractionsButWhereThePercentIsTheUnit",
                {},
                fieldOrder + "\n1,8,0.3,60,90%,1500,1.5 %,0.3,1500,1700,200,30%\n",
                fieldOrder + "," + results + "\n1,8,0.3,60,90%,1500,1.5 %,0.3,1500,1700,200,30%," +
                    workedResults + "\n"},
    CommandCase{"DigitGroupsOnRequest",
                {"--digit-grouping", "-"},
                fieldOrder + "\n1,8,0.3,60,0.9,\"1,500\",0.015,0.3,1\u00A0500,1 700,200,30\n",
                fieldOrder + "," + results +
                    "\n1,8,0.3,60,0.9,\"1,500\",0.015,0.3,1\u00A0500,1 700,200,30," +
                    workedResults + "\n"},
    CommandCase{
        "DigitGroupsWithoutTheOptionAreNoNumbersAndTheSummarySaysSo",
        {},
        stageA + "\n60;1;8;0.3;1,500\n",
        stageA + ";" + semicolonResults +
            "\n60;1;8;0.3;1,500;4244.03183023873;;;TypeMismatch;NotANumber;grossMass;\n",
        givesOnly({"gearRatio", "finalDriveRatio", "tireRadius", "requiredVelocity", "grossMass"},
                  "power demand") +
            "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2; fields "
            "such as 1,500 are no numbers here: where a comma or a blank groups "
            "thousands, give --digit-grouping\n"},
    CommandCase{
        "GermanThreeDigitsAfterAPointStayNoNumber",
        {"--decimal-comma", "-"},
        stageA + "\n60;1;8;0,3;1.500\n",
        stageA + ";" + semicolonResults +
            "\n60;1;8;0,3;1.500;4244,03183023873;;;TypeMismatch;NotANumber;grossMass;\n",
        givesOnly({"gearRatio", "finalDriveRatio", "tireRadius", "requiredVelocity", "grossMass"},
                  "power demand") +
            "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2; fields "
            "such as 1,500 are no numbers here: where a comma or a blank groups "
            "thousands, give --digit-grouping\n"},
    CommandCase{"WordsForOtherQuantitiesAreNamedWhenAnInputIsMissing",
                {},
                "车型,主减速比,变速器速比,整备质量\nA,8,1,1200\n",
                "车型,主减速比,变速器速比,整备质量," + chineseResults +
                    "\nA,8,1,1200,,,,TypeMismatch,EmptyField,需求车速,\n",
                givesOnly({"gearRatio", "finalDriveRatio"}) +
                    "evdrive-batch: column 4 '整备质量' is the curb mass; the calculation needs "
                    "grossMass (满载总质量)\n"
                    "evdrive-batch: the table's own columns: 1 '车型', 4 '整备质量'\n"
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"ResultsOfAnEarlierRunComputedAgainInTheirPlace",
                {},
                "gearRatio,motorRpm,power,grade,own,error,field,note\n1,9,9,9,x,old,old,old\n",
                "gearRatio,motorRpm,power,grade,own,error,field,note,cause\n1,,,,x,TypeMismatch,"
                "requiredVelocity,,EmptyField\n",
                givesOnly({"gearRatio"}, "motor rpm", "5 'own'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    // A "note" before the earlier run's results, a vehicle's name here, is the
    // table's own and keeps its cells.
    CommandCase{"NoteBeforeTheResultsOfAnEarlierRunIsTheTablesOwn",
                {},
                "note,gearRatio,motorRpm,power,grade,error,cause,field,note\n"
                "车型 A,1,9,9,9,old,old,old,old\n",
                "note,gearRatio,motorRpm,power,grade,error,cause,field,note\n"
                "车型 A,1,,,,TypeMismatch,EmptyField,requiredVelocity,\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"},
    CommandCase{"ColumnsNamedAsResultsAloneAreTheTablesOwn",
                {},
                "gearRatio,power,note\n1,55 kW,x\n",
                "gearRatio,power,note," + results + "\n1,55 kW,x" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "2 'power', 3 'note'") +
                    "evdrive-batch: 1 row, 1 failed: 1 TypeMismatch; the first on line 2\n"}};

INSTANTIATE_TEST_SUITE_P(Sheets, BatchCommand,
                         testing::Combine(testing::ValuesIn(sheets), readSizes), name);

INSTANTIATE_TEST_SUITE_P(Tables, BatchCommand,
                         testing::Combine(testing::ValuesIn(tables), readSizes), name);

const CommandCase rejected[] = {
    CommandCase{"TextAfterAClosingQuote",
                {},
                "note,gearRatio\r\n\"a\",1\r\n\"b\"c,1\r\nd,1\r\n",
                "note,gearRatio," + results + "\r\na,1" + noVelocity + "\r\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: line 3: " + textAfterQuote + "\n",
                2},
    CommandCase{"StrayOpeningQuoteDoesNotSwallowTheNextRow",
                {},
                "name,gearRatio\n\"a,1\n\"b\",1\nc,1\n",
                "name,gearRatio," + results + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'name'") +
                    "evdrive-batch: line 2: " + textAfterQuote + "\n",
                2},
    CommandCase{"BytesThatAreNoUtf8StopAtTheirLine",
                {"--encoding", "UTF-8", "-"},
                "gearRatio\n1\n2\xFF\n3\n",
                "gearRatio," + results + "\n1" + noVelocity + "\n",
                givesOnly({"gearRatio"}) +
                    "evdrive-batch: line 3: bytes that are no character in UTF-8 (give the "
                    "table's encoding with --encoding, see --help)\n",
                2},
    CommandCase{"UnclosedQuoteAfterRowsWritten",
                {},
                "note,gearRatio\n\"a\nb\",1\nc,\"2\n3\n",
                "note,gearRatio," + results + "\n\"a\nb\",1" + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: line 4: a quoted cell opens here and is never closed\n",
                2},
    CommandCase{"LineFeedInATableOfCrAlone",
                {},
                "gearRatio\r1\r2\n3\r",
                "gearRatio," + results + "\r1" + noVelocity + "\r",
                givesOnly({"gearRatio"}) +
                    "evdrive-batch: line 3: a line feed in a table whose lines end in CR alone\n",
                2},
    CommandCase{"BytesNotInTheEncodingStopAtTheirLine",
                {},
                "gearRatio\n1\n\x81\x20\n",
                "gearRatio," + results + "\n1" + noVelocity + "\n",
                givesOnly({"gearRatio"}) +
                    "evdrive-batch: line 3: bytes that are no character in GB18030 (give the "
                    "table's encoding with --encoding, see --help)\n",
                2},
    CommandCase{"ChineseNameInAnEncodingWithoutChinese",
                {"--encoding", "ISO-8859-1", "--set", "需求车速=60", "-"},
                "note\nx\n",
                "",
                givesOnly({"requiredVelocity"}, "motor rpm", "1 'note'") +
                    "evdrive-batch: standard output: the character 需 cannot be written in "
                    "ISO-8859-1\n",
                2},
    CommandCase{"MoreCellsThanTheHeaderStopsThere",
                {},
                "gearRatio,note\n1\n1,2,3\n4\n",
                "gearRatio,note," + results + "\n1," + noVelocity + "\n",
                givesOnly({"gearRatio"}, "motor rpm", "2 'note'") +
                    "evdrive-batch: line 3: 3 cells, more than the header's 2\n",
                2},
    CommandCase{"NoInputColumn",
                {},
                "a,b\n1,2\n",
                "",
                "evdrive-batch: line 1: none of the table's 2 rows names one of the twelve "
                "inputs, and no --set or --sweep gives one; --header-row N says which row is "
                "the header (see --help)\n",
                2},
    CommandCase{"InputNamedTwice",
                {},
                "\ngearRatio,x,变速器速比\n",
                "",
                "evdrive-batch: line 2: columns 1 and 3 both hold 变速器速比\n",
                2},
    CommandCase{"EmptyInput",
                {},
                "",
                "",
                "evdrive-batch: line 1: the input is empty; a header line is expected\n",
                2},
    CommandCase{"UnknownName",
                {"--set", "ratio=1"},
                "",
                "",
                "evdrive-batch: --set ratio=1: no input is named \"ratio\" (see --help)\n",
                2},
    CommandCase{"SetWithoutText",
                {"--set=gearRatio"},
                "",
                "",
                "evdrive-batch: --set gearRatio: expected NAME=TEXT\n",
                2},
    CommandCase{"SweepWithoutStep",
                {"--sweep", "gearRatio=1:2"},
                "",
                "",
                "evdrive-batch: --sweep gearRatio=1:2: expected FROM:TO:STEP\n",
                2},
    CommandCase{"ZeroStep",
                {"--sweep=finalDriveRatio=6:10:0"},
                "",
                "",
                "evdrive-batch: --sweep finalDriveRatio=6:10:0: STEP is zero\n",
                2},
    CommandCase{"StepOfTheWrongSign",
                {"--sweep", "finalDriveRatio=6:10:-0.5"},
                "",
                "",
                "evdrive-batch: --sweep finalDriveRatio=6:10:-0.5: STEP leads away from TO\n",
                2},
    CommandCase{"GridBeyondTheRowLimit",
                {"--sweep", "gearRatio=1:4000:1", "--sweep", "grossMass=1:4000:1"},
                "",
                "",
                "evdrive-batch: --sweep grossMass=1:4000:1: the sweeps make more than "
                "10000000 rows\n",
                2},
    CommandCase{"InputGivenTwice",
                {"--set", "gearRatio=1", "--sweep", "变速器速比=1:2:1"},
                "",
                "",
                "evdrive-batch: --sweep 变速器速比=1:2:1: the input is given already by --set "
                "gearRatio=1\n",
                2},
    CommandCase{"UnknownOption",
                {"--sets", "gearRatio=1"},
                "",
                "",
                "evdrive-batch: --sets: unknown option (see --help)\n",
                2},
    CommandCase{"TwoFiles",
                {"a.csv", "b.csv"},
                "",
                "",
                "evdrive-batch: b.csv: only one FILE can be given\n",
                2},
    CommandCase{"MissingFile",
                {"/nonexistent/vehicles.csv"},
                "",
                "",
                "evdrive-batch: /nonexistent/vehicles.csv: No such file or directory\n",
                2}};

INSTANTIATE_TEST_SUITE_P(Rejected, BatchCommand,
                         testing::Combine(testing::ValuesIn(rejected), readSizes), name);

// Past the look at the table's start that tells its encoding, at the very
// edge of a read: the rows before the bad byte's line are written.
TEST(BatchCommandUtf8, BadByteAtTheEdgeOfAReadPastTheStart) {
    constexpr std::size_t readSize = 4096;
    std::string table = "gearRatio\n";
    std::size_t rows = 0;
    for (; table.size() < 100 * readSize; ++rows) {
        table += "1\n";
    }
    ASSERT_EQ(table.size(), 100 * readSize);
    table += "\xFF\n1\n";
    const CommandRun run = runBatch({}, table, readSize);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + static_cast<long>(rows));
    EXPECT_TRUE(run.err.ends_with("evdrive-batch: line " + std::to_string(rows + 2) +
                                  ": bytes that are no character in UTF-8 (give the table's "
                                  "encoding with --encoding, see --help)\n"))
        << run.err;
    EXPECT_EQ(run.status, 2);
}

// A table whose start is not UTF-8 is read as GB18030, which holds GBK; a
// system without GB18030 says so and names the way on.
TEST(NotUtf8Table, IsReadAsGb18030OrPointsToGbkWhereThereIsNone) {
    const std::string table = "\xD0\xE8\xC7\xF3\xB3\xB5\xCB\xD9\n60\n"; // 需求车速 in GBK
    const CommandRun detected = runBatch({}, table);
    const CommandRun asGbk = runBatch({"--encoding", "GBK"}, table);
    EXPECT_EQ(asGbk.status, 0) << asGbk.err;
    if (openCodec(gb18030, utf8)) {
        EXPECT_EQ(detected.out, asGbk.out);
        EXPECT_EQ(detected.status, 0);
    } else {
        EXPECT_EQ(detected.out, "");
        EXPECT_EQ(detected.err, "evdrive-batch: the table: its start is not UTF-8, and GB18030, "
                                "which it would then be read in, is not available on this system: "
                                "give --encoding GBK to read it as GBK\n");
        EXPECT_EQ(detected.status, 2);
    }
}

} // namespace
} // namespace evdrive::batch
