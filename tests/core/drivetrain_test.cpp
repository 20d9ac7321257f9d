// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drivetrain.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace evdrive {
namespace {

using In = DrivetrainInputs;
using Member = std::string In::*;

DrivetrainInputs workedRun() {
    return {.gearRatio = "1",
            .finalDriveRatio = "8",
            .tireRadius = "0.3",
            .requiredVelocity = "60",
            .drivetrainEfficiency = "0.9",
            .grossMass = "1500",
            .rollingCoefficient = "0.015",
            .dragCoefficient = "0.3",
            .bodyHeight = "1500",
            .bodyWidth = "1700",
            .motorMaxTorque = "200",
            .requiredGrade = "30"};
}

const std::optional<std::string> rpm = "4244.03183023873";
const std::optional<std::string> power = "6.49468085106383";
const std::optional<std::string> grade = "32.7845476238428";
constexpr std::nullopt_t none = std::nullopt;

struct DrivetrainRun {
    const char* name;
    std::vector<std::pair<Member, std::string>> changes; // to the worked run
    std::optional<std::string> rpm, power, grade;
    std::optional<DrivetrainFailure> error = std::nullopt;
};

class ComputeDrivetrain : public testing::TestWithParam<DrivetrainRun> {};

TEST_P(ComputeDrivetrain, StopsAtTheFirstFailureAndExplainsIt) {
    const DrivetrainRun& row = GetParam();
    DrivetrainInputs inputs = workedRun();
    for (const auto& [member, text] : row.changes) {
        inputs.*member = text;
    }
    const DrivetrainResults results = computeDrivetrain(inputs);
    EXPECT_EQ(results.motorRpmText, row.rpm);
    EXPECT_EQ(results.powerText, row.power);
    EXPECT_EQ(results.gradeText, row.grade);
    EXPECT_EQ(results.error, row.error);
}

constexpr auto TM = CalcError::TypeMismatch;
constexpr auto DZ = CalcError::DivisionByZero;
constexpr auto OV = CalcError::Overflow;
constexpr auto IA = CalcError::InvalidArgument;
using C = FailureCause;

// The inputs of the dynamic factor minus the rolling coefficient, in field order.
const std::vector<Member> slopeSine = {
    &In::gearRatio, &In::finalDriveRatio,    &In::tireRadius,    &In::drivetrainEfficiency,
    &In::grossMass, &In::rollingCoefficient, &In::motorMaxTorque};

INSTANTIATE_TEST_SUITE_P(
    Table, ComputeDrivetrain,
    testing::Values(
        DrivetrainRun{"WorkedRun", {}, rpm, power, grade},
        DrivetrainRun{
            "RequiredGradeIsNotRead", {{&In::requiredGrade, "不知道"}}, rpm, power, grade},
        DrivetrainRun{"AllEmptyStopsAtVelocity",
                      {{&In::gearRatio, ""},
                       {&In::finalDriveRatio, ""},
                       {&In::tireRadius, ""},
                       {&In::requiredVelocity, " \t"},
                       {&In::drivetrainEfficiency, ""},
                       {&In::grossMass, ""},
                       {&In::rollingCoefficient, ""},
                       {&In::dragCoefficient, ""},
                       {&In::bodyHeight, ""},
                       {&In::bodyWidth, ""},
                       {&In::motorMaxTorque, ""},
                       {&In::requiredGrade, ""}},
                      none,
                      none,
                      none,
                      DrivetrainFailure{TM, C::EmptyField, {&In::requiredVelocity}}},
        DrivetrainRun{"VelocityReadBeforeGearRatio",
                      {{&In::gearRatio, "x"}, {&In::requiredVelocity, "y"}},
                      none,
                      none,
                      none,
                      DrivetrainFailure{TM, C::NotANumber, {&In::requiredVelocity}}},
        DrivetrainRun{
            "ProductOfVelocityAndGearRatioBeforeFinalDriveIsRead",
            {{&In::requiredVelocity, "1e308"}, {&In::gearRatio, "10"}, {&In::finalDriveRatio, "x"}},
            none,
            none,
            none,
            DrivetrainFailure{OV, C::ResultBeyondRange, {&In::gearRatio, &In::requiredVelocity}}},
        DrivetrainRun{"FinalDriveReadBeforeTheZeroRadiusDivides",
                      {{&In::finalDriveRatio, "8:1"}, {&In::tireRadius, "0"}},
                      none,
                      none,
                      none,
                      DrivetrainFailure{TM, C::NotANumber, {&In::finalDriveRatio}}},
        DrivetrainRun{"ZeroRadius",
                      {{&In::tireRadius, "0"}},
                      none,
                      none,
                      none,
                      DrivetrainFailure{DZ, C::ZeroDivisor, {&In::tireRadius}}},
        DrivetrainRun{"ZeroRadiusAndZeroVelocity",
                      {{&In::tireRadius, "-0"}, {&In::requiredVelocity, "0"}},
                      none,
                      none,
                      none,
                      DrivetrainFailure{OV, C::InvalidStep, {&In::tireRadius}}},
        DrivetrainRun{"VelocityBeyondRange",
                      {{&In::requiredVelocity, "-1e400"}},
                      none,
                      none,
                      none,
                      DrivetrainFailure{OV, C::NumberBeyondRange, {&In::requiredVelocity}}},
        DrivetrainRun{"EmptyMassKeepsRpm",
                      {{&In::grossMass, ""}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{TM, C::EmptyField, {&In::grossMass}}},
        DrivetrainRun{"MassBeyondRangeInItsFirstProduct",
                      {{&In::grossMass, "1e308"}, {&In::rollingCoefficient, "x"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{OV, C::ResultBeyondRange, {&In::grossMass}}},
        DrivetrainRun{"MassReadBeforeDragCoefficient",
                      {{&In::dragCoefficient, "?"}, {&In::grossMass, "?"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{TM, C::NotANumber, {&In::grossMass}}},
        DrivetrainRun{"FullWidthDigitsOfAnInputMethod",
                      {{&In::grossMass, "１５００"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{TM, C::FullWidthDigits, {&In::grossMass}}},
        DrivetrainRun{"FullWidthPointAloneIsNoNumber",
                      {{&In::grossMass, "1500．"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{TM, C::NotANumber, {&In::grossMass}}},
        DrivetrainRun{"StrictRollingCoefficient",
                      {{&In::rollingCoefficient, "0.015abc"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{TM, C::NotANumber, {&In::rollingCoefficient}}},
        DrivetrainRun{"WidthReadBeforeEfficiency",
                      {{&In::drivetrainEfficiency, "90%"}, {&In::bodyWidth, "1.7m"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{TM, C::NotANumber, {&In::bodyWidth}}},
        DrivetrainRun{"ZeroEfficiency",
                      {{&In::drivetrainEfficiency, "0"}},
                      rpm,
                      none,
                      none,
                      DrivetrainFailure{DZ, C::ZeroDivisor, {&In::drivetrainEfficiency}}},
        DrivetrainRun{
            "RollingTermBlamesItsInputs",
            {{&In::rollingCoefficient, "1e308"}},
            rpm,
            none,
            none,
            DrivetrainFailure{OV, C::ResultBeyondRange, {&In::grossMass, &In::rollingCoefficient}}},
        DrivetrainRun{"CubeOfVelocityBlamesTheAirTermsInputs",
                      {{&In::requiredVelocity, "1e200"}},
                      "7.07338638373121E+201",
                      none,
                      none,
                      DrivetrainFailure{OV,
                                        C::ResultBeyondRange,
                                        {&In::requiredVelocity, &In::dragCoefficient,
                                         &In::bodyHeight, &In::bodyWidth}}},
        DrivetrainRun{"EmptyTorqueKeepsRpmAndPower",
                      {{&In::motorMaxTorque, ""}},
                      rpm,
                      power,
                      none,
                      DrivetrainFailure{TM, C::EmptyField, {&In::motorMaxTorque}}},
        DrivetrainRun{"ZeroMass",
                      {{&In::grossMass, "0"}},
                      rpm,
                      "2.4113475177305",
                      none,
                      DrivetrainFailure{DZ, C::ZeroDivisor, {&In::grossMass}}},
        DrivetrainRun{"ZeroMassAndZeroTorque",
                      {{&In::grossMass, "0"}, {&In::motorMaxTorque, "0"}},
                      rpm,
                      "2.4113475177305",
                      none,
                      DrivetrainFailure{OV, C::InvalidStep, {&In::grossMass}}},
        DrivetrainRun{"TorqueTooLargeForTheGrade",
                      {{&In::motorMaxTorque, "2000"}},
                      rpm,
                      power,
                      none,
                      DrivetrainFailure{IA, C::SineBeyondOne, slopeSine}},
        DrivetrainRun{"SquareOfDynamicFactorBeyondRange",
                      {{&In::motorMaxTorque, "1e300"}},
                      rpm,
                      power,
                      none,
                      DrivetrainFailure{OV, C::SineBeyondOne, slopeSine}},
        DrivetrainRun{"TorqueProductBeyondRange",
                      {{&In::motorMaxTorque, "1e308"}},
                      rpm,
                      power,
                      none,
                      DrivetrainFailure{
                          OV,
                          C::ResultBeyondRange,
                          {&In::gearRatio, &In::finalDriveRatio, &In::motorMaxTorque}}},
        // D = 9.8·1·1 / (1·1·9.8) = 1 exactly, so 1 − x² is zero.
        DrivetrainRun{"DynamicFactorOneAboveRolling",
                      {{&In::finalDriveRatio, "9.8"},
                       {&In::tireRadius, "1"},
                       {&In::drivetrainEfficiency, "1"},
                       {&In::grossMass, "1"},
                       {&In::rollingCoefficient, "0"},
                       {&In::motorMaxTorque, "1"}},
                      "1559.68169761273",
                      "2.17021276595745",
                      none,
                      DrivetrainFailure{DZ, C::SineBeyondOne, slopeSine}},
        DrivetrainRun{"ZeroVelocity", {{&In::requiredVelocity, "0"}}, "0", "0", grade},
        DrivetrainRun{"TorqueBelowRollingResistanceGivesNegativeGrade",
                      {{&In::motorMaxTorque, "1"}},
                      rpm,
                      power,
                      "-1.33685413774881"}),
    [](const auto& info) { return info.param.name; });

// Whatever the inputs, results come in order and a run without error has all three.
TEST(ComputeDrivetrain, KeepsTheResultsInOrder) {
    const std::vector<std::string> texts = {"", "0", "1", "-1", "1e308", "1e-308", "x", "0.5"};
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            DrivetrainInputs inputs = workedRun();
            inputs.tireRadius = a;
            inputs.grossMass = b;
            inputs.motorMaxTorque = a;
            const auto results = computeDrivetrain(inputs);
            const bool rpmPresent = results.motorRpmText.has_value();
            const bool powerPresent = results.powerText.has_value();
            const bool gradePresent = results.gradeText.has_value();
            EXPECT_TRUE(rpmPresent || !powerPresent) << a << " " << b;
            EXPECT_TRUE(powerPresent || !gradePresent) << a << " " << b;
            EXPECT_EQ(!results.error, gradePresent) << a << " " << b;
        }
    }
}

} // namespace
} // namespace evdrive
