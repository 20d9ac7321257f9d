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
//
// The words are those of Chinese automotive textbooks and data sheets and
// their English counterparts; a word that could name two of the inputs, such
// as 传动比 (the gearbox's or the whole drivetrain's) or 速度, is none's.
//
// The plausible ranges hold every road vehicle from a two-seat city car to a
// 60 t road train, with room to spare, so that a real vehicle never trips
// them: transmission ratios from overdrive gears (about 0.6) to the crawler
// gears of trucks (about 15), final drives from about 2.5 (cars) to 15
// (portal axles); rolling radii from small wheels of 0.2 m to truck and tractor
// tires under 1 m; drivetrain efficiencies between 0 and 1; gross masses
// from about 450 kg (quadricycles) to 60 t; rolling coefficients from 0.005
// (truck tires on asphalt) to 0.3 (loose sand); drag coefficients from about
// 0.2 (streamlined cars) to 1.2 (open trucks and buses); bodies from about
// 1 m high and 1.2 m wide to the legal 4 m and 2.55 m; peak torques from tens
// of N·m (microcars) to tens of thousands at the wheels of heavy vehicles with
// hub motors. A figure outside its range whose units slipped, a percentage for a
// fraction or millimetres for metres, falls inside it once converted.
inline constexpr std::array<InputQuantity<DrivetrainInputs>, drivetrainInputCount>
    drivetrainInputs = {{
        {.member = &DrivetrainInputs::gearRatio,
         .key = "gearRatio",
         .caption = "变速器速比",
         .unit = "",
         .hint = "变速器速比，无变速器时填 1",
         .example = "1",
         .meaning = "gear ratio, 1 without a gearbox",
         .words = "变速器传动比|变速箱速比|变速箱传动比|变速比|transmission ratio|gearbox ratio",
         .otherWords = "总传动比=the overall ratio, gear ratio times final drive "
                       "ratio=总传动比，即变速器速比乘以驱动桥速比|"
                       "传动比=either the gearbox's or the whole drivetrain's "
                       "ratio=可能是变速器的，也可能是整个传动系的速比",
         .plausible = PlausibleRange{0.2, 20}},
        {.member = &DrivetrainInputs::finalDriveRatio,
         .key = "finalDriveRatio",
         .caption = "驱动桥速比",
         .unit = "",
         .hint = "驱动桥速比，例如 8",
         .example = "8",
         .meaning = "final drive ratio",
         .words = "主减速比|主减速器速比|主减速器传动比|主传动比|驱动桥传动比|后桥速比|final "
                  "drive|axle ratio|differential ratio",
         .plausible = PlausibleRange{1, 25}},
        {.member = &DrivetrainInputs::tireRadius,
         .key = "tireRadius",
         .caption = "轮胎滚动半径",
         .unit = "m",
         .hint = "以米为单位的半径，例如 0.3（可用“轮胎计算”求出）",
         .example = "0.3",
         .meaning = "tire rolling radius",
         .words = "滚动半径|车轮滚动半径|rolling radius|tyre rolling radius|wheel rolling radius",
         .otherWords = "轮胎直径=the tire's diameter, twice the radius=轮胎直径，是半径的两倍|"
                       "车轮直径=the wheel's diameter, twice the radius=车轮直径，是半径的两倍|"
                       "轮辋直径=the rim's diameter=轮辋直径",
         .plausible = PlausibleRange{0.15, 1.5, 0.001, "in mm?", "是否以毫米为单位？"}},
        {.member = &DrivetrainInputs::requiredVelocity,
         .key = "requiredVelocity",
         .caption = "需求车速",
         .unit = "km/h",
         .hint = "以 km/h 为单位的车速，例如 60",
         .example = "60",
         .meaning = "required vehicle speed",
         .words = "车速|要求车速|目标车速|vehicle speed|required speed|target speed",
         .otherWords = "电机转速=the motor's speed, not the vehicle's=电机的转速，不是车速|"
                       "转速=a speed of rotation, not the vehicle's speed=转速，不是车速",
         .plausible = PlausibleRange{0, 400}},
        {.member = &DrivetrainInputs::drivetrainEfficiency,
         .key = "drivetrainEfficiency",
         .caption = "传动系统效率",
         .unit = "",
         .hint = "小数形式的效率，例如 0.9（不是 90）",
         .example = "0.9",
         .meaning = "efficiency as a fraction, 0.9",
         .words = "传动效率|传动系效率|传动系统机械效率|transmission efficiency|driveline "
                  "efficiency",
         .otherWords =
             "电机效率=the motor's efficiency, not the drivetrain's=电机的效率，不是传动系统的|"
             "电池效率=the battery's efficiency, not the drivetrain's=电池的效率，不是传动系统的",
         .plausible = PlausibleRange{0.01, 1, 0.01, "a percentage?", "是否为百分数？", 0.3}},
        {.member = &DrivetrainInputs::grossMass,
         .key = "grossMass",
         .caption = "满载总质量",
         .unit = "kg",
         .hint = "以 kg 为单位的质量，例如 1500",
         .example = "1500",
         .meaning = "gross mass at full load",
         .words = "满载质量|总质量|满载总重|车辆总质量|最大总质量|gross mass|gross vehicle "
                  "mass|GVM|gross vehicle weight|GVW",
         .otherWords =
             "整备质量=the curb mass=空车的质量，不含载荷|"
             "空载质量=the unladen mass=空载质量，不含载荷|"
             "空车质量=the unladen mass=空载质量，不含载荷|额定载质量=the payload=载质量，只是载荷|"
             "载质量=the payload=载质量，只是载荷|curb mass=the curb mass=空车的质量，不含载荷|"
             "kerb mass=the curb mass=空车的质量，不含载荷|"
             "curb weight=the curb mass=空车的质量，不含载荷|"
             "kerb weight=the curb mass=空车的质量，不含载荷|"
             "payload=the payload=载质量，只是载荷",
         .plausible = PlausibleRange{300, 60000, 1000, "in t?", "是否以吨为单位？"}},
        {.member = &DrivetrainInputs::rollingCoefficient,
         .key = "rollingCoefficient",
         .caption = "滚动阻力系数",
         .unit = "",
         .hint = "滚动阻力系数，例如 0.015",
         .example = "0.015",
         .meaning = "rolling resistance coefficient",
         .words = "滚阻系数|滚动阻力因数|rolling resistance coefficient|Crr",
         .plausible = PlausibleRange{0.001, 0.3, 0.01, "a percentage?", "是否为百分数？"}},
        {.member = &DrivetrainInputs::dragCoefficient,
         .key = "dragCoefficient",
         .caption = "空气阻力系数",
         .unit = "",
         .hint = "空气阻力系数，例如 0.3",
         .example = "0.3",
         .meaning = "aerodynamic drag coefficient",
         .words = "风阻系数|空阻系数|气动阻力系数|drag coefficient|aerodynamic drag "
                  "coefficient|Cd",
         .otherWords = "迎风面积=the frontal area, which the calculation takes from 车身高度 and "
                       "车身宽度=迎风面积，计算由车身高度和车身宽度求出|"
                       "frontal area=the frontal area, which the calculation takes from 车身高度 "
                       "and 车身宽度=迎风面积，计算由车身高度和车身宽度求出",
         .plausible = PlausibleRange{0.15, 1.5}},
        {.member = &DrivetrainInputs::bodyHeight,
         .key = "bodyHeight",
         .caption = "车身高度",
         .unit = "mm",
         .hint = "以 mm 为单位的高度，例如 1500",
         .example = "1500",
         .meaning = "body height",
         .words = "车高|整车高度|vehicle height|overall height",
         .otherWords = "离地间隙=the ground clearance=离地间隙|"
                       "质心高度=the height of the centre of mass=质心高度",
         .plausible = PlausibleRange{800, 5000, 1000, "in m?", "是否以米为单位？"}},
        {.member = &DrivetrainInputs::bodyWidth,
         .key = "bodyWidth",
         .caption = "车身宽度",
         .unit = "mm",
         .hint = "以 mm 为单位的宽度，例如 1700",
         .example = "1700",
         .meaning = "body width",
         .words = "车宽|整车宽度|vehicle width|overall width",
         .otherWords = "轮距=the track, between the wheels' centres=轮距，即左右车轮中心之间的距离|"
                       "轴距=the wheelbase=轴距",
         .plausible = PlausibleRange{900, 3000, 1000, "in m?", "是否以米为单位？"}},
        {.member = &DrivetrainInputs::motorMaxTorque,
         .key = "motorMaxTorque",
         .caption = "电机最大转矩",
         .unit = "N·m",
         .hint = "以 N·m 为单位的转矩，例如 200",
         .example = "200",
         .meaning = "the motor's maximum torque",
         .words = "电机峰值转矩|电机峰值扭矩|电机最大扭矩|峰值转矩|峰值扭矩|最大转矩|最大扭矩|"
                  "peak torque|motor peak torque|max torque|maximum torque",
         .otherWords = "额定转矩=the rated torque; the calculation needs the peak "
                       "torque=额定转矩，而计算要用峰值转矩|"
                       "额定扭矩=the rated torque; the calculation needs the peak "
                       "torque=额定转矩，而计算要用峰值转矩|"
                       "rated torque=the rated torque; the calculation needs the peak "
                       "torque=额定转矩，而计算要用峰值转矩",
         .plausible = PlausibleRange{5, 50000, 1000, "in kN·m?", "是否以 kN·m 为单位？"}},
        {.member = &DrivetrainInputs::requiredGrade,
         .key = "requiredGrade",
         .caption = "爬坡度需求",
         .unit = "%",
         .hint = "以 % 为单位的坡度，例如 30",
         .example = "30",
         .meaning = "required grade, for comparison",
         .words = "需求爬坡度|爬坡度要求|爬坡要求|要求爬坡度|required gradeability"},
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
