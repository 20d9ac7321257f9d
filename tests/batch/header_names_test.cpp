// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/layout/input_names.h"
#include "tests/batch/command_run.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <string>

namespace evdrive::batch {
namespace {

using evdrive::PrintTo;
using Kind = NameReading::Kind;

// A header cell and what it is taken for: an input (key), a column of the
// table's own, or a mistake, with what evdrive-batch says of it.
struct HeaderCell {
    const char* name;
    const char* cell;
    Kind kind;
    std::string_view key = {};
    std::string fault = {};
};

class HeaderCells : public testing::TestWithParam<HeaderCell> {};

TEST_P(HeaderCells, AreTakenForWhatTheyName) {
    const HeaderCell& row = GetParam();
    const NameReading reading = readName(row.cell);
    EXPECT_EQ(reading.kind, row.kind);
    if (row.kind != Kind::Other) {
        EXPECT_EQ(drivetrainInputs[reading.input.index].key, row.key);
    }
    if (row.kind == Kind::NearInput || row.kind == Kind::OtherUnit) {
        EXPECT_EQ(nameFault(reading), row.fault);
    }
}

const std::string didYouMean = "is not an input; did you mean ";

INSTANTIATE_TEST_SUITE_P(
    Table, HeaderCells,
    testing::Values(
        HeaderCell{"Key", "gearRatio", Kind::Input, "gearRatio"},
        HeaderCell{"KeyInAnotherCase", "GearRatio", Kind::Input, "gearRatio"},
        HeaderCell{"KeyInWords", "gear ratio", Kind::Input, "gearRatio"},
        HeaderCell{"KeyWithUnderscores", "final_drive_ratio", Kind::Input, "finalDriveRatio"},
        HeaderCell{"KeyWithHyphensInCapitals", "MOTOR-MAX-TORQUE", Kind::Input, "motorMaxTorque"},
        HeaderCell{"Caption", "变速器速比", Kind::Input, "gearRatio"},
        HeaderCell{"CaptionWithNoBreakSpace", "传动系统效率\u00A0", Kind::Input,
                   "drivetrainEfficiency"},
        HeaderCell{"CaptionWithIdeographicSpace", "\u3000滚动阻力系数", Kind::Input,
                   "rollingCoefficient"},
        HeaderCell{"CaptionWithUnit", "轮胎滚动半径 (m)", Kind::Input, "tireRadius"},
        HeaderCell{"CaptionWithFullWidthBrackets", "需求车速（km/h）", Kind::Input,
                   "requiredVelocity"},
        HeaderCell{"KeyWithUnitInSquareBrackets", "motorMaxTorque [N·m]", Kind::Input,
                   "motorMaxTorque"},
        HeaderCell{"UnitAsTheWindowWritesIt", "电机最大转矩 (Nm)", Kind::Input, "motorMaxTorque"},
        HeaderCell{"FullWidthUnit", "爬坡度需求（％）", Kind::Input, "requiredGrade"},
        HeaderCell{"RatioWithADash", "drivetrainEfficiency (-)", Kind::Input,
                   "drivetrainEfficiency"},
        HeaderCell{"WrongUnit", "轮胎滚动半径 (mm)", Kind::OtherUnit, "tireRadius",
                   "gives the unit mm, but tireRadius (轮胎滚动半径) is in m"},
        HeaderCell{"UnitForARatio", "gearRatio (kg)", Kind::OtherUnit, "gearRatio",
                   "gives the unit kg, but gearRatio (变速器速比) is in no unit, a ratio"},
        HeaderCell{"TwoLettersSwapped", "finalDriveRaito", Kind::NearInput, "finalDriveRatio",
                   didYouMean + "finalDriveRatio (驱动桥速比)?"},
        HeaderCell{"LetterMissing", "tireRadus", Kind::NearInput, "tireRadius",
                   didYouMean + "tireRadius (轮胎滚动半径)?"},
        HeaderCell{"CaptionShortened", "轮胎半径", Kind::NearInput, "tireRadius",
                   didYouMean + "tireRadius (轮胎滚动半径)?"},
        HeaderCell{"ShortCaptionOneCharacterOff", "车身长度", Kind::NearInput, "bodyHeight",
                   didYouMean + "bodyHeight (车身高度)?"},
        HeaderCell{"KeyInBrackets", "[gearRatio]", Kind::NearInput, "gearRatio",
                   didYouMean + "gearRatio (变速器速比)?"},
        HeaderCell{"TwoOffAShortCaption", "车速", Kind::Other},
        HeaderCell{"Note", "note", Kind::Other}, HeaderCell{"ChineseNote", "车型", Kind::Other},
        HeaderCell{"ResultOfAnEarlierRun", "motorRpm", Kind::Other},
        HeaderCell{"ChineseResultOfAnEarlierRun", "需求车速电机转速", Kind::Other},
        HeaderCell{"Empty", "", Kind::Other}),
    [](const auto& info) { return std::string(info.param.name); });

// A mistake stops the run before any row; a column the user keeps passes through.
TEST(HeaderMistakes, StopTheRunUnlessTheColumnIsKept) {
    const std::string table = "vehicle,finalDriveRaito\nx,8\n";
    const CommandRun stopped = runBatch({}, table);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err,
              "evdrive-batch: line 1: column 2 'finalDriveRaito' is not an input; did you mean "
              "finalDriveRatio (驱动桥速比)? (--keep-column 'finalDriveRaito' keeps it as a "
              "column of its own)\n");
    EXPECT_EQ(stopped.status, 2);

    const CommandRun kept =
        runBatch({"--keep-column", "finalDriveRaito", "--set", "gearRatio=1", "-"}, table);
    EXPECT_EQ(kept.out.substr(0, kept.out.find('\n')),
              "vehicle,finalDriveRaito,gearRatio,motorRpm,power,grade,error,cause,field");
    EXPECT_EQ(kept.status, 0);
}

} // namespace
} // namespace evdrive::batch
