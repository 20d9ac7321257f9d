// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Streams a million generated vehicles from a file through evdrive-batch's
// runner to /dev/null, and compares its rate with a bare loop of
// computeDrivetrain over the same vehicles held in memory: what reading,
// writing and the table around them cost.
#include "batch/columns.h"
#include "batch/csv_writer.h"
#include "batch/integer_text.h"
#include "batch/table_run.h"
#include "core/drivetrain.h"
#include "core/number_text.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace evdrive;
using namespace evdrive::batch;

constexpr std::size_t rowCount = 1'000'000;
constexpr int runs = 5;

// Figures of passenger cars and light vans with one or two gears, about one
// row in twenty of which fails: an empty or mistyped field, a zero radius, a
// torque no slope can take.
DrivetrainInputs randomVehicle(std::mt19937_64& random) {
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto figure = [&](double value, double unit) {
        return formatGeneral(std::round(value / unit) * unit);
    };
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
        vehicle.drivetrainEfficiency = "0,9";
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
    return vehicle;
}

// The vehicles as a CSV file with a pass-through column in front.
std::FILE* writeTable(const std::vector<DrivetrainInputs>& vehicles) {
    std::FILE* file = std::tmpfile();
    {
        CsvWriter writer(file, "\n");
        writer.cell("vehicle");
        for (const auto& input : drivetrainInputs) {
            writer.cell(input.key);
        }
        writer.endRow();
        for (std::size_t row = 0; row < vehicles.size(); ++row) {
            writer.cell("variant " + integerText(row));
            for (const auto& input : drivetrainInputs) {
                writer.cell(vehicles[row].*input.member);
            }
            writer.endRow();
        }
    }
    return file;
}

template <class Run>
double rowsPerSecond(Run run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    return static_cast<double>(rowCount) / seconds.count();
}

void print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
}

} // namespace

int main() {
    std::mt19937_64 random(20261207);
    std::vector<DrivetrainInputs> vehicles;
    vehicles.reserve(rowCount);
    for (std::size_t row = 0; row < rowCount; ++row) {
        vehicles.push_back(randomVehicle(random));
    }
    std::FILE* table = writeTable(vehicles);
    std::FILE* sink = std::fopen("/dev/null", "wb");
    if (!table || !sink) {
        std::perror("evdrive_batch_bench");
        return 1;
    }

    std::size_t failed = 0;
    const auto bareLoop = [&] {
        failed = 0;
        for (const DrivetrainInputs& vehicle : vehicles) {
            failed += computeDrivetrain(vehicle).error.has_value();
        }
    };
    bool done = true;
    const auto streamTable = [&] {
        std::rewind(table);
        done = done && runTable(table, {}, sink).kind == RunOutcome::Kind::Done;
    };
    // The two in turn, so that a machine busy with something else slows both
    // alike; the best run of each counts.
    double bare = 0;
    double streamed = 0;
    for (int i = 0; i < runs; ++i) {
        bare = std::max(bare, rowsPerSecond(bareLoop));
        streamed = std::max(streamed, rowsPerSecond(streamTable));
    }
    if (!done) {
        print("the runner did not finish the table");
        return 1;
    }
    print(integerText(rowCount) + " rows, " + integerText(failed) + " of them failing");
    print("bare loop of computeDrivetrain: " + integerText(std::llround(bare)) + " rows/s");
    print("evdrive-batch runner, file to /dev/null: " + integerText(std::llround(streamed)) +
          " rows/s");
    print("ratio: " + formatFixed4(streamed / bare));
}
