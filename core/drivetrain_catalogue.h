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
// The words are those of Chinese automotive textbooks and data sheets and
// their English counterparts; a word that could name two of the inputs, such
// as 传动比 (the gearbox's or the whole drivetrain's) or 速度, is none's.
inline constexpr std::array<InputQuantity<DrivetrainInputs>, drivetrainInputCount>
    drivetrainInputs = {{
        {&DrivetrainInputs::gearRatio, "gearRatio", "变速器速比", "", "变速器速比，无变速器时填 1",
         "1", "gear ratio, 1 without a gearbox",
         "变速器传动比|变速箱速比|变速箱传动比|变速比|transmission ratio|gearbox ratio",
         "总传动比=the overall ratio, gear ratio times final drive ratio|"
         "传动比=either the gearbox's or the whole drivetrain's ratio"},
        {&DrivetrainInputs::finalDriveRatio, "finalDriveRatio", "驱动桥速比", "",
         "驱动桥速比，例如 8", "8", "final drive ratio",
         "主减速比|主减速器速比|主减速器传动比|主传动比|驱动桥传动比|后桥速比|final drive|axle "
         "ratio|differential ratio"},
        {&DrivetrainInputs::tireRadius, "tireRadius", "轮胎滚动半径", "m",
         "以米为单位的半径，例如 0.3（可用“轮胎计算”求出）", "0.3", "tire rolling radius",
         "滚动半径|车轮滚动半径|rolling radius|tyre rolling radius|wheel rolling radius",
         "轮胎直径=the tire's diameter, twice the radius|车轮直径=the wheel's diameter, twice "
         "the radius|轮辋直径=the rim's diameter"},
        {&DrivetrainInputs::requiredVelocity, "requiredVelocity", "需求车速", "km/h",
         "以 km/h 为单位的车速，例如 60", "60", "required vehicle speed",
         "车速|要求车速|目标车速|vehicle speed|required speed|target speed",
         "电机转速=the motor's speed, not the vehicle's|转速=a speed of rotation, not the "
         "vehicle's speed"},
        {&DrivetrainInputs::drivetrainEfficiency, "drivetrainEfficiency", "传动系统效率", "",
         "小数形式的效率，例如 0.9（不是 90）", "0.9", "efficiency as a fraction, 0.9",
         "传动效率|传动系效率|传动系统机械效率|transmission efficiency|driveline efficiency",
         "电机效率=the motor's efficiency, not the drivetrain's|电池效率=the battery's "
         "efficiency, not the drivetrain's"},
        {&DrivetrainInputs::grossMass, "grossMass", "满载总质量", "kg",
         "以 kg 为单位的质量，例如 1500", "1500", "gross mass at full load",
         "满载质量|总质量|满载总重|车辆总质量|最大总质量|gross mass|gross vehicle mass|GVM|gross "
         "vehicle weight|GVW",
         "整备质量=the curb mass|空载质量=the unladen mass|空车质量=the unladen mass|"
         "额定载质量=the payload|载质量=the payload|curb mass=the curb mass|kerb mass=the curb "
         "mass|curb weight=the curb mass|kerb weight=the curb mass|payload=the payload"},
        {&DrivetrainInputs::rollingCoefficient, "rollingCoefficient", "滚动阻力系数", "",
         "滚动阻力系数，例如 0.015", "0.015", "rolling resistance coefficient",
         "滚阻系数|滚动阻力因数|rolling resistance coefficient|Crr"},
        {&DrivetrainInputs::dragCoefficient, "dragCoefficient", "空气阻力系数", "",
         "空气阻力系数，例如 0.3", "0.3", "aerodynamic drag coefficient",
         "风阻系数|空阻系数|气动阻力系数|drag coefficient|aerodynamic drag coefficient|Cd",
         "迎风面积=the frontal area, which the calculation takes from 车身高度 and 车身宽度|"
         "frontal area=the frontal area, which the calculation takes from 车身高度 and 车身宽度"},
        {&DrivetrainInputs::bodyHeight, "bodyHeight", "车身高度", "mm",
         "以 mm 为单位的高度，例如 1500", "1500", "body height",
         "车高|整车高度|vehicle height|overall height",
         "离地间隙=the ground clearance|质心高度=the height of the centre of mass"},
        {&DrivetrainInputs::bodyWidth, "bodyWidth", "车身宽度", "mm",
         "以 mm 为单位的宽度，例如 1700", "1700", "body width",
         "车宽|整车宽度|vehicle width|overall width",
         "轮距=the track, between the wheels' centres|轴距=the wheelbase"},
        {&DrivetrainInputs::motorMaxTorque, "motorMaxTorque", "电机最大转矩", "N·m",
         "以 N·m 为单位的转矩，例如 200", "200", "the motor's maximum torque",
         "电机峰值转矩|电机峰值扭矩|电机最大扭矩|峰值转矩|峰值扭矩|最大转矩|最大扭矩|peak "
         "torque|motor peak torque|max torque|maximum torque",
         "额定转矩=the rated torque; the calculation needs the peak torque|额定扭矩=the rated "
         "torque; the calculation needs the peak torque|rated torque=the rated torque; the "
         "calculation needs the peak torque"},
        {&DrivetrainInputs::requiredGrade, "requiredGrade", "爬坡度需求", "%",
         "以 % 为单位的坡度，例如 30", "30", "required grade, for comparison",
         "需求爬坡度|爬坡度要求|爬坡要求|要求爬坡度|required gradeability"},
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
