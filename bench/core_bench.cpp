// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/correctly_rounded_trig.h"
#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"
#include "core/tire_radius.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

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

// Arguments of the grade's arctangent: tangents of slopes, |y| from 10^-3 to 10.
std::vector<double> gradeArguments(std::size_t count) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(std::log(1e-3), std::log(10.0));
    std::vector<double> arguments(count);
    for (double& y : arguments) {
        y = std::exp(exponent(random));
    }
    return arguments;
}

// The grade's tan(atan(y)), correctly rounded and by the C library.
template <auto atanOf, auto tanOf>
void gradeFunctions(benchmark::State& state) {
    const std::vector<double> arguments = gradeArguments(4096);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tanOf(atanOf(arguments[next])));
        next = (next + 1) % arguments.size();
    }
}
BENCHMARK(gradeFunctions<correctlyRoundedAtan, correctlyRoundedTan>)
    ->Name("gradeAtanTan/correctlyRounded");
BENCHMARK(
    gradeFunctions<[](double x) { return std::atan(x); }, [](double x) { return std::tan(x); }>)
    ->Name("gradeAtanTan/cLibrary");

// What an argument costs that the double-double evaluation leaves open.
template <auto accurate>
void accurateStage(benchmark::State& state) {
    const std::vector<double> arguments = gradeArguments(4096);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(accurate(arguments[next]));
        next = (next + 1) % arguments.size();
    }
}
BENCHMARK(accurateStage<trig_stages::accurateAtan>)->Name("accurateStage/atan");
BENCHMARK(accurateStage<[](double y) { return trig_stages::accurateTan(std::atan(y)); }>)
    ->Name("accurateStage/tan");

// How often it does so: one iteration is a million grade arguments, and the
// counters say how many of their arctangents and tangents went to the
// accurate evaluation.
void accurateStageRate(benchmark::State& state) {
    const std::vector<double> arguments = gradeArguments(1'000'000);
    for (auto _ : state) {
        int atanDeclined = 0;
        int tanDeclined = 0;
        for (const double y : arguments) {
            const double angle = correctlyRoundedAtan(y);
            atanDeclined += !trig_stages::fastAtan(y);
            tanDeclined += !trig_stages::fastTan(angle);
        }
        state.counters["atanPerMillion"] = atanDeclined;
        state.counters["tanPerMillion"] = tanDeclined;
    }
}
BENCHMARK(accurateStageRate)->Iterations(1)->Unit(benchmark::kMillisecond);

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
