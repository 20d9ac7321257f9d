// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// computeDrivetrain over vehicles of plausible figures. Built twice into the
// benchmark (bench/CMakeLists.txt): as the core is, and in a copy of the core
// in a namespace of its own whose grade takes the C library's arctangent and
// tangent, so that both run side by side.

#include "core/drivetrain.h"
#include "core/number_text.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace evdrive {
namespace {

std::vector<DrivetrainInputs> plausibleVehicles() {
    std::mt19937_64 random(2026);
    const auto within = [&](double low, double high) {
        return formatGeneral(std::uniform_real_distribution<double>(low, high)(random));
    };
    std::vector<DrivetrainInputs> vehicles(1024);
    for (DrivetrainInputs& v : vehicles) {
        v = {.gearRatio = within(1, 12),
             .finalDriveRatio = within(2, 12),
             .tireRadius = within(0.25, 0.5),
             .requiredVelocity = within(20, 160),
             .drivetrainEfficiency = within(0.8, 0.97),
             .grossMass = within(800, 40000),
             .rollingCoefficient = within(0.008, 0.03),
             .dragCoefficient = within(0.2, 0.8),
             .bodyHeight = within(1200, 4000),
             .bodyWidth = within(1500, 2600),
             .motorMaxTorque = within(50, 2500),
             .requiredGrade = "30"};
    }
    return vehicles;
}

void computeDrivetrainPlausibleVehicles(benchmark::State& state) {
    const std::vector<DrivetrainInputs> vehicles = plausibleVehicles();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeDrivetrain(vehicles[next]));
        next = (next + 1) % vehicles.size();
    }
}
BENCHMARK(computeDrivetrainPlausibleVehicles)->Name("computeDrivetrain/" EVDRIVE_GRADE_FUNCTIONS);

} // namespace
} // namespace evdrive
