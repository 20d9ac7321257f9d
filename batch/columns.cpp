// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/columns.h"

namespace evdrive::batch {

using In = DrivetrainInputs;

const std::array<InputColumn, inputCount> inputColumns = {{
    {&In::gearRatio, {"gearRatio", "变速器速比", "", "transmission ratio, 1 without one"}},
    {&In::finalDriveRatio, {"finalDriveRatio", "驱动桥速比", "", "final drive ratio"}},
    {&In::tireRadius, {"tireRadius", "轮胎滚动半径", "m", "tire rolling radius"}},
    {&In::requiredVelocity, {"requiredVelocity", "需求车速", "km/h", "required vehicle speed"}},
    {&In::drivetrainEfficiency,
     {"drivetrainEfficiency", "传动系统效率", "", "efficiency as a fraction, 0.9"}},
    {&In::grossMass, {"grossMass", "满载总质量", "kg", "gross mass at full load"}},
    {&In::rollingCoefficient,
     {"rollingCoefficient", "滚动阻力系数", "", "rolling resistance coefficient"}},
    {&In::dragCoefficient, {"dragCoefficient", "空气阻力系数", "", "aerodynamic drag coefficient"}},
    {&In::bodyHeight, {"bodyHeight", "车身高度", "mm", "body height"}},
    {&In::bodyWidth, {"bodyWidth", "车身宽度", "mm", "body width"}},
    {&In::motorMaxTorque, {"motorMaxTorque", "电机最大转矩", "N·m", "the motor's maximum torque"}},
    {&In::requiredGrade,
     {"requiredGrade", "爬坡度需求", "%", "required grade, read by no formula"}},
}};

const std::array<ColumnNames, resultCount> resultColumns = {{
    {"motorRpm", "需求车速电机转速", "rpm", "motor speed at the required speed"},
    {"power", "需求车速功率需求", "kW", "power demand on level road"},
    {"grade", "车辆的最大爬坡度", "%", "steepest grade the torque allows"},
    {"error", "错误", "", "why the calculation stopped"},
    {"field", "出错参数", "", "the inputs to blame, joined by ;"},
}};

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<NamedInput> findInput(std::string_view name) {
    name = trimBlanks(name);
    for (std::size_t i = 0; i < inputCount; ++i) {
        if (name == inputColumns[i].names.memberName) {
            return NamedInput{i, Naming::Member};
        }
        if (name == inputColumns[i].names.caption) {
            return NamedInput{i, Naming::Caption};
        }
    }
    return std::nullopt;
}

std::string_view columnName(const ColumnNames& names, Naming naming) {
    return naming == Naming::Member ? names.memberName : names.caption;
}

std::string_view inputName(std::size_t index, Naming naming) {
    return columnName(inputColumns[index].names, naming);
}

std::size_t inputIndex(std::string DrivetrainInputs::*member) {
    std::size_t index = 0;
    while (inputColumns[index].member != member) {
        ++index;
    }
    return index;
}

std::string_view errorName(CalcError error) {
    switch (error) {
    case CalcError::TypeMismatch:
        return "TypeMismatch";
    case CalcError::DivisionByZero:
        return "DivisionByZero";
    case CalcError::Overflow:
        return "Overflow";
    case CalcError::InvalidArgument:
        return "InvalidArgument";
    }
    return {};
}

} // namespace evdrive::batch
