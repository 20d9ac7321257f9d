// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/batch/vehicle_table.h"

#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace evdrive::bench {

std::vector<DrivetrainInputs> randomVehicles(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto figure = [&](double value, double unit) {
        return formatGeneral(std::round(value / unit) * unit);
    };
    std::vector<DrivetrainInputs> vehicles;
    vehicles.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double mass = uniform(900, 3500);
        DrivetrainInputs vehicle{
            .gearRatio = uniform(0, 1) < 0.75 ? "1" : figure(uniform(1.2, 2), 0.01),
            .finalDriveRatio = figure(uniform(6, 11), 0.01),
            .tireRadius = figure(uniform(0.27, 0.38), 0.001),
            .requiredVelocity = figure(uniform(20, 160), 1),
            .drivetrainEfficiency = figure(uniform(0.85, 0.95), 0.01),
            .grossMass = figure(mass, 10),
            .rollingCoefficient = figure(uniform(0.008, 0.02), 0.001),
            .dragCoefficient = figure(uniform(0.25, 0.45), 0.01),
            .bodyHeight = figure(uniform(1300, 2200), 10),
            .bodyWidth = figure(uniform(1600, 2000), 10),
            .motorMaxTorque = figure(mass * uniform(0.07, 0.16), 5),
            .requiredGrade = figure(uniform(15, 40), 1),
        };
        switch (std::uniform_int_distribution<int>(0, 99)(random)) {
        case 0:
            vehicle.grossMass.clear();
            break;
        case 1:
            vehicle.tireRadius = "0";
            break;
        case 2:
            vehicle.drivetrainEfficiency = "90%";
            break;
        case 3:
            vehicle.motorMaxTorque = "4000";
            break;
        case 4:
            vehicle.requiredVelocity = " 60 km/h";
            break;
        default:
            break;
        }
        vehicles.push_back(std::move(vehicle));
    }
    return vehicles;
}

void writeVehicleTable(std::FILE* file, const std::vector<DrivetrainInputs>& vehicles) {
    std::string text = "vehicle";
    for (const auto& input : drivetrainInputs) {
        text += ',';
        text += input.key;
    }
    text += '\n';
    for (std::size_t row = 0; row < vehicles.size(); ++row) {
        char number[24];
        text += "variant ";
        text.append(number, std::to_chars(number, number + sizeof number, row).ptr);
        for (const auto& input : drivetrainInputs) {
            text += ',';
            text += vehicles[row].*input.member;
        }
        text += '\n';
        if (text.size() > (std::size_t{1} << 20)) {
            std::fwrite(text.data(), 1, text.size(), file);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
}

} // namespace evdrive::bench
