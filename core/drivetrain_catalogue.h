// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drivetrain.h"
#include "core/quantity.h"

#include <array>
#include <cstddef>

namespace evdrive {

// The inputs of the drive calculation in field order: the order of the
// window's fields, of evdrive-batch's columns and of the blamed inputs.
inline constexpr std::array<InputQuantity<DrivetrainInputs>, drivetrainInputCount>
    drivetrainInputs = {{
        {&DrivetrainInputs::gearRatio, "gearRatio", "变速器速比", "", "变速器速比，无变速器时填 1",
         "1", "gear ratio, 1 without a gearbox"},
        {&DrivetrainInputs::finalDriveRatio, "finalDriveRatio", "驱动桥速比", "",
         "驱动桥速比，例如 8", "8", "final drive ratio"},
        {&DrivetrainInputs::tireRadius, "tireRadius", "轮胎滚动半径", "m",
         "以米为单位的半径，例如 0.3（可用“轮胎计算”求出）", "0.3", "tire rolling radius"},
        {&DrivetrainInputs::requiredVelocity, "requiredVelocity", "需求车速", "km/h",
         "以 km/h 为单位的车速，例如 60", "60", "required vehicle speed"},
        {&DrivetrainInputs::drivetrainEfficiency, "drivetrainEfficiency", "传动系统效率", "",
         "小数形式的效率，例如 0.9（不是 90）", "0.9", "efficiency as a fraction, 0.9"},
        {&DrivetrainInputs::grossMass, "grossMass", "满载总质量", "kg",
         "以 kg 为单位的质量，例如 1500", "1500", "gross mass at full load"},
        {&DrivetrainInputs::rollingCoefficient, "rollingCoefficient", "滚动阻力系数", "",
         "滚动阻力系数，例如 0.015", "0.015", "rolling resistance coefficient"},
        {&DrivetrainInputs::dragCoefficient, "dragCoefficient", "空气阻力系数", "",
         "空气阻力系数，例如 0.3", "0.3", "aerodynamic drag coefficient"},
        {&DrivetrainInputs::bodyHeight, "bodyHeight", "车身高度", "mm",
         "以 mm 为单位的高度，例如 1500", "1500", "body height"},
        {&DrivetrainInputs::bodyWidth, "bodyWidth", "车身宽度", "mm",
         "以 mm 为单位的宽度，例如 1700", "1700", "body width"},
        {&DrivetrainInputs::motorMaxTorque, "motorMaxTorque", "电机最大转矩", "N·m",
         "以 N·m 为单位的转矩，例如 200", "200", "the motor's maximum torque"},
        {&DrivetrainInputs::requiredGrade, "requiredGrade", "爬坡度需求", "%",
         "以 % 为单位的坡度，例如 30", "30", "required grade, for comparison"},
    }};

// The results in the order a run fills them.
inline constexpr std::array<ResultQuantity<DrivetrainResults>, drivetrainResultCount>
    drivetrainResults = {{
        {&DrivetrainResults::motorRpmText, "motorRpm", "需求车速电机转速", "rpm", "motor rpm",
         "motor speed at the required speed"},
        {&DrivetrainResults::powerText, "power", "需求车速功率需求", "kW", "power demand",
         "power demand on level road"},
        {&DrivetrainResults::gradeText, "grade", "车辆的最大爬坡度", "%", "maximum grade",
         "steepest grade the torque allows"},
    }};

// The place of an input in field order.
constexpr std::size_t fieldIndex(std::string DrivetrainInputs::*member) {
    std::size_t index = 0;
    while (drivetrainInputs[index].member != member) {
        ++index;
    }
    return index;
}

} // namespace evdrive
