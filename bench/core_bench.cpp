// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"
#include "core/tire_radius.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace evdrive;

void computeDrivetrainWorkedRun(benchmark::State& state) {
    // The figures the window's hints give as examples: the worked run.
    DrivetrainInputs inputs;
    for (const auto& input : drivetrainInputs) {
        inputs.*input.member = input.example;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeDrivetrain(inputs));
    }
}
BENCHMARK(computeDrivetrainWorkedRun);

void computeTireRadiusCommonSize(benchmark::State& state) {
    const TireDesignation tire{"195", "70", "15"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeTireRadius(tire));
    }
}
BENCHMARK(computeTireRadiusCommonSize);

// Values of the kinds the calculations format: long fractions, integers, tiny and huge.
constexpr std::array values = {4244.031830238726,
                               6.494680851063830,
                               32.78454762384283,
                               150.0,
                               1.0 / 3,
                               1234567890123456.0,
                               1e-5,
                               -2.5e300};

void formatGeneralValues(benchmark::State& state) {
    for (auto _ : state) {
        for (const double v : values) {
            benchmark::DoNotOptimize(formatGeneral(v));
        }
    }
}
BENCHMARK(formatGeneralValues);

// The C library's nearest equivalent, for comparison only: it depends on the locale.
void snprintfBaseline(benchmark::State& state) {
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        for (const double v : values) {
            std::snprintf(buffer.data(), buffer.size(), "%.15G", v);
            benchmark::DoNotOptimize(std::string(buffer.data()));
        }
    }
}
BENCHMARK(snprintfBaseline);

constexpr std::array texts = {"1",
                              "8",
                              "0.3",
                              "60",
                              "0.9",
                              "1500",
                              "0.015",
                              "1700",
                              "4244.03183023873",
                              "1.23456789012346E+15",
                              " 12.5 ",
                              "1e-5"};

void parseStrictTexts(benchmark::State& state) {
    for (auto _ : state) {
        for (const char* t : texts) {
            benchmark::DoNotOptimize(parseStrict(t));
        }
    }
}
BENCHMARK(parseStrictTexts);

void strtodBaseline(benchmark::State& state) {
    for (auto _ : state) {
        for (const char* t : texts) {
            benchmark::DoNotOptimize(std::strtod(t, nullptr));
        }
    }
}
BENCHMARK(strtodBaseline);

} // namespace
