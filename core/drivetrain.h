// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calc_failure.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace evdrive {

// The texts of the main window's twelve fields, in field order.
struct DrivetrainInputs {
    std::string gearRatio;            // transmission ratio, 1 without a transmission
    std::string finalDriveRatio;      // drive-axle ratio
    std::string tireRadius;           // rolling radius, m
    std::string requiredVelocity;     // km/h
    std::string drivetrainEfficiency; // fraction, 0.9 rather than 90
    std::string grossMass;            // at full load, kg
    std::string rollingCoefficient;   // rolling-resistance coefficient
    std::string dragCoefficient;      // aerodynamic drag coefficient
    std::string bodyHeight;           // mm
    std::string bodyWidth;            // mm
    std::string motorMaxTorque;       // N·m
    std::string requiredGrade;        // %, shown to the user but read by no calculation
};

using DrivetrainFailure = CalcFailure<DrivetrainInputs>;

// What one run produced. Results are filled in the order motor rpm, power,
// grade: a failed run has the results before the failure and none after it;
// a run without error has all three.
struct DrivetrainResults {
    std::optional<std::string> motorRpmText; // rpm
    std::optional<std::string> powerText;    // kW
    std::optional<std::string> gradeText;    // %
    std::optional<DrivetrainFailure> error;
};

// Motor revolutions at the required velocity, power demand on level road at
// that velocity, and the steepest grade the motor's maximum torque allows.
DrivetrainResults computeDrivetrain(const DrivetrainInputs& inputs);

inline constexpr std::size_t drivetrainInputCount = 12;
inline constexpr std::size_t drivetrainResultCount = 3;

// The twelve texts in field order, for callers that hold them elsewhere.
using DrivetrainCells = std::array<std::string_view, drivetrainInputCount>;

// The same calculation as numbers: the results reached, in order, why the
// run stopped, if it did, and the number each field was read as (NaN for a
// field it did not read, or that is no number). Nothing is allocated. A
// result's text is formatGeneral of its value.
struct DrivetrainFigures {
    std::array<double, drivetrainResultCount> values{};
    std::size_t reached = 0;
    std::optional<RunFailure> failure;
    std::array<double, drivetrainInputCount> inputs{};
};

DrivetrainFigures computeDrivetrainFigures(const DrivetrainCells& cells);

} // namespace evdrive
