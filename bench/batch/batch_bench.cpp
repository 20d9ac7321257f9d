// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// evdrive-batch's rate over a million generated vehicles, file to /dev/null,
// beside a bare loop of computeDrivetrain over the same vehicles in memory
// and the least program that gives the same output, which it must match byte
// for byte. Usage: evdrive_batch_bench [ROWS [TABLE]]; with TABLE the table
// is written there and kept, for timing the command itself.
#include "batch/run/table_run.h"
#include "batch/text/byte_source.h"
#include "bench/batch/minimal_batch.h"
#include "bench/batch/vehicle_table.h"
#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace evdrive;

constexpr int runs = 5;

double seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string number(double value, int decimals) {
    char text[32];
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
}

void print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
}

std::string contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    std::size_t rows = 1'000'000;
    if (argc > 1) {
        std::from_chars(argv[1], argv[1] + std::char_traits<char>::length(argv[1]), rows);
    }
    const std::vector<DrivetrainInputs> vehicles = bench::randomVehicles(rows, 20261207);
    std::FILE* table = argc > 2 ? std::fopen(argv[2], "w+b") : std::tmpfile();
    std::FILE* sink = std::fopen("/dev/null", "wb");
    if (!table || !sink) {
        std::perror("evdrive_batch_bench");
        return 1;
    }
    bench::writeVehicleTable(table, vehicles);

    // The same output from both, or the comparison means nothing.
    std::FILE* minimalOut = std::tmpfile();
    std::FILE* batchOut = std::tmpfile();
    std::rewind(table);
    bench::minimalBatch(table, minimalOut);
    std::rewind(table);
    batch::FileSource check(table, "table", true);
    const auto checked = batch::runTable(&check, {}, {batchOut}, {.jobs = 2});
    if (!checked || contents(minimalOut) != contents(batchOut)) {
        print("evdrive-batch and the minimal program disagree");
        return 1;
    }

    const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
    std::size_t failed = 0;
    const std::vector<std::pair<std::string, std::function<void()>>> contenders = {
        {"bare loop of computeDrivetrain",
         [&] {
             failed = 0;
             for (const DrivetrainInputs& vehicle : vehicles) {
                 failed += computeDrivetrain(vehicle).error.has_value();
             }
         }},
        {"minimal program, one thread",
         [&] {
             std::rewind(table);
             bench::minimalBatch(table, sink);
         }},
        {"evdrive-batch, --jobs 1",
         [&] {
             std::rewind(table);
             batch::FileSource source(table, "table", true);
             (void)batch::runTable(&source, {}, {sink}, {.jobs = 1});
         }},
        {"evdrive-batch, --jobs " + std::to_string(processors),
         [&] {
             std::rewind(table);
             batch::FileSource source(table, "table", true);
             (void)batch::runTable(&source, {}, {sink}, {.jobs = processors});
         }},
    };
    // In turn, so that a machine busy with something else slows all alike;
    // the best run of each counts.
    std::vector<double> best(contenders.size(), 1e300);
    for (int i = 0; i < runs; ++i) {
        for (std::size_t c = 0; c < contenders.size(); ++c) {
            best[c] = std::min(best[c], seconds(contenders[c].second));
        }
    }
    const auto rate = [&](std::size_t c) { return static_cast<double>(rows) / best[c]; };
    print(std::to_string(rows) + " rows, " + std::to_string(failed) + " of them failing");
    for (std::size_t c = 0; c < contenders.size(); ++c) {
        print(contenders[c].first + ": " + number(rate(c) / 1e6, 3) + " M rows/s");
    }
    print("--jobs 1 / minimal program: " + number(rate(2) / rate(1), 3));
    print("--jobs " + std::to_string(processors) + " / --jobs 1: " + number(rate(3) / rate(2), 3));
    print("--jobs 1 / bare loop: " + number(rate(2) / rate(0), 3));
}
