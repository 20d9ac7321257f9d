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
    if (row.kind == Kind::Result) {
        EXPECT_EQ(addedColumns[reading.result].key, row.key);
    } else if (row.kind != Kind::Other || !row.key.empty()) {
        EXPECT_EQ(drivetrainInputs[reading.input.index].key, row.key);
    }
    if (row.kind == Kind::NearInput || row.kind == Kind::OtherUnit) {
        EXPECT_EQ(nameFault(reading), row.fault);
    }
    if (row.kind == Kind::Other) {
        EXPECT_EQ(reading.otherQuantity, row.fault);
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
        HeaderCell{"ChineseNote", "车型", Kind::Other},
        HeaderCell{"NoteOfAnEarlierRun", "note", Kind::Result, "note"},
        HeaderCell{"ResultOfAnEarlierRun", "motorRpm", Kind::Result, "motorRpm"},
        HeaderCell{"ChineseResultOfAnEarlierRunWithUnit", "需求车速功率需求 (kW)", Kind::Result,
                   "power"},
        HeaderCell{"FailureColumnOfAnEarlierRun", "出错参数", Kind::Result, "field"},
        HeaderCell{"ResultWithAnotherUnitIsNotOurs", "power (W)", Kind::Other},
        HeaderCell{"Empty", "", Kind::Other},
        // Quantity and unit as standards write them, units in Chinese, a wrapped cell.
        HeaderCell{"QuantitySlashUnit", "轮胎滚动半径/m", Kind::Input, "tireRadius"},
        HeaderCell{"QuantitySlashBracketedUnit", "需求车速/(km/h)", Kind::Input,
                   "requiredVelocity"},
        HeaderCell{"QuantitySlashPowerUnit", "需求车速 / km·h⁻¹", Kind::Input, "requiredVelocity"},
        HeaderCell{"KilogramsInChinese", "满载总质量（千克）", Kind::Input, "grossMass"},
        HeaderCell{"KilogramsInEverydayChinese", "满载总质量/公斤", Kind::Input, "grossMass"},
        HeaderCell{"SpeedUnitInChinese", "需求车速（公里/小时）", Kind::Input, "requiredVelocity"},
        HeaderCell{"TorqueUnitInChinese", "电机最大转矩 (牛·米)", Kind::Input, "motorMaxTorque"},
        HeaderCell{"TorqueUnitWithAStar", "motorMaxTorque (N*m)", Kind::Input, "motorMaxTorque"},
        HeaderCell{"PercentInChinese", "爬坡度需求（百分比）", Kind::Input, "requiredGrade"},
        HeaderCell{"WrappedHeaderCell", "满载总质量\n(kg)", Kind::Input, "grossMass"},
        HeaderCell{"SlashWithTheWrongUnit", "轮胎滚动半径/mm", Kind::OtherUnit, "tireRadius",
                   "gives the unit mm, but tireRadius (轮胎滚动半径) is in m"},
        // The words engineers use, and those that must not be taken for an input.
        HeaderCell{"FinalDriveAsMainReducerRatio", "主减速比", Kind::Input, "finalDriveRatio"},
        HeaderCell{"FinalDriveAsMainReducerGearRatio", "主减速器速比", Kind::Input,
                   "finalDriveRatio"},
        HeaderCell{"DragAsWindResistance", "风阻系数", Kind::Input, "dragCoefficient"},
        HeaderCell{"PeakTorqueWithUnit", "电机峰值扭矩 (Nm)", Kind::Input, "motorMaxTorque"},
        HeaderCell{"RollingResistanceShort", "滚阻系数", Kind::Input, "rollingCoefficient"},
        HeaderCell{"VehicleSpeed", "车速", Kind::Input, "requiredVelocity"},
        HeaderCell{"EnglishWordsAnyCase", "Final Drive Ratio", Kind::Input, "finalDriveRatio"},
        HeaderCell{"DragSymbol", "Cd", Kind::Input, "dragCoefficient"},
        HeaderCell{"GrossMassAbbreviated", "GVW (kg)", Kind::Input, "grossMass"},
        HeaderCell{"CurbMassIsNotGrossMass", "整备质量", Kind::Other, "grossMass", "the curb mass"},
        HeaderCell{"RatioOfWhatIsNoInput", "传动比", Kind::Other, "gearRatio",
                   "either the gearbox's or the whole drivetrain's ratio"},
        HeaderCell{"RatedTorqueIsNotPeakTorque", "额定扭矩", Kind::Other, "motorMaxTorque",
                   "the rated torque; the calculation needs the peak torque"},
        HeaderCell{"MotorSpeedIsNotVehicleSpeed", "电机转速", Kind::Other, "requiredVelocity",
                   "the motor's speed, not the vehicle's"},
        HeaderCell{"NearMissOfAWord", "主减速器速必", Kind::NearInput, "finalDriveRatio",
                   didYouMean + "finalDriveRatio (驱动桥速比)?"}),
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
              "vehicle,finalDriveRaito,gearRatio,motorRpm,power,grade,error,cause,field,note");
    EXPECT_EQ(kept.status, 0);
}

} // namespace
} // namespace evdrive::batch
