// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The workbook reader's and writer's rates over generated vehicles with their
// results, 24 columns a row; built with EVDRIVE_BENCHMARKS, run by hand.
//
//     evdrive_workbook_bench [ROWS [FILE]]   writes ROWS rows (100000 unless
//         told) to FILE (a temporary file unless told), then reads them back:
//         the best of three runs of each;
//     evdrive_workbook_bench --write ROWS FILE, --read FILE: one run of
//         either, for measuring its memory (/usr/bin/time -v): the rows are
//         made as they are written, a few thousand at a time.
#include "batch/workbook/workbook_reader.h"
#include "batch/workbook/workbook_writer.h"
#include "bench/batch/vehicle_table.h"
#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace evdrive;
using batch::WorkbookCell;

constexpr int runs = 3;
constexpr std::size_t chunkRows = 4096;

// Wall-clock and processor seconds: on a shared machine the first says more
// about the others.
struct Seconds {
    double wall = 1e300;
    double processor = 1e300;
};

Seconds seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t startClock = std::clock();
    run();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - startClock) / CLOCKS_PER_SEC};
}

Seconds bestOf(const std::function<void()>& run) {
    Seconds best;
    for (int i = 0; i < runs; ++i) {
        const Seconds time = seconds(run);
        best = {std::min(best.wall, time.wall), std::min(best.processor, time.processor)};
    }
    return best;
}

std::string fixed(double value, int decimals) {
    char text[32];
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
}

void print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
}

[[noreturn]] void stop(const batch::Problem& problem) {
    std::fputs((problem.message() + "\n").c_str(), stderr);
    std::exit(1);
}

// The columns besides the inputs and results: what a maker's table holds too.
constexpr std::string_view extraColumns[] = {"maker", "modelYear", "batteryKWh", "seats", "note"};

WorkbookCell numberOrText(std::string_view text) {
    if (const auto value = parseStrict(text)) {
        return {.kind = WorkbookCell::Kind::Number, .number = *value};
    }
    return {.kind = WorkbookCell::Kind::Text, .text = text};
}

// A block of vehicles with their results, and their rows of cells.
struct VehicleRows {
    std::vector<DrivetrainInputs> vehicles;
    std::vector<DrivetrainResults> results;
    std::vector<std::string> names;
    std::vector<std::vector<WorkbookCell>> rows;

    VehicleRows(std::size_t first, std::size_t count) {
        vehicles = bench::randomVehicles(count, 2026 + first);
        for (std::size_t i = 0; i < count; ++i) {
            results.push_back(computeDrivetrain(vehicles[i]));
            names.push_back("variant " + std::to_string(first + i));
        }
        for (std::size_t i = 0; i < count; ++i) {
            rows.push_back(row(i, first + i));
        }
    }

    std::vector<WorkbookCell> row(std::size_t i, std::size_t number) const {
        std::vector<WorkbookCell> cells{
            {.kind = WorkbookCell::Kind::Text, .text = names[i]},
            {.kind = WorkbookCell::Kind::Text, .text = "evdrive"},
            {.kind = WorkbookCell::Kind::Number,
             .number = 2020.0 + static_cast<double>(number % 7)},
            {.kind = WorkbookCell::Kind::Number, .number = 40.0 + static_cast<double>(number % 60)},
            {.kind = WorkbookCell::Kind::Number, .number = 5},
            {}};
        const auto& failure = results[i].error;
        for (const auto& input : drivetrainInputs) {
            WorkbookCell cell = numberOrText(vehicles[i].*input.member);
            if (failure &&
                std::ranges::find(failure->inputs, input.member) != failure->inputs.end()) {
                cell.marked = true;
                cell.comment = "此参数导致计算失败";
            }
            cells.push_back(cell);
        }
        for (const auto& result : drivetrainResults) {
            const auto& text = results[i].*result.member;
            cells.push_back(text ? numberOrText(*text) : WorkbookCell{});
        }
        if (failure) {
            cells.push_back({.kind = WorkbookCell::Kind::Text, .text = errorKey(failure->kind)});
            cells.push_back({.kind = WorkbookCell::Kind::Text, .text = causeKey(failure->cause)});
        }
        return cells;
    }
};

std::vector<WorkbookCell> headerRow(std::vector<std::string>& names) {
    names.assign({"vehicle"});
    names.insert(names.end(), std::begin(extraColumns), std::end(extraColumns));
    for (const auto& input : drivetrainInputs) {
        names.emplace_back(input.key);
    }
    for (const auto& result : drivetrainResults) {
        names.emplace_back(result.key);
    }
    names.insert(names.end(), {"error", "cause", "field"});
    std::vector<WorkbookCell> cells;
    for (const auto& name : names) {
        cells.push_back({.kind = WorkbookCell::Kind::Text, .text = name});
    }
    return cells;
}

// Writes the rows that rowsOf hands out, block by block.
void writeWorkbook(const std::string& path, std::size_t rows,
                   const std::function<const VehicleRows&(std::size_t first)>& rowsOf) {
    auto writer = batch::WorkbookWriter::create(path, path, "vehicles");
    if (!writer) {
        stop(writer.error());
    }
    std::vector<std::string> names;
    if (const auto written = (*writer)->writeRow(headerRow(names), batch::RowStyle::Header);
        !written) {
        stop(written.error());
    }
    for (std::size_t first = 0; first < rows; first += chunkRows) {
        const VehicleRows& block = rowsOf(first);
        for (std::size_t i = 0; i < block.rows.size() && first + i < rows; ++i) {
            if (const auto written = (*writer)->writeRow(block.rows[i]); !written) {
                stop(written.error());
            }
        }
    }
    if (const auto closed = (*writer)->close(); !closed) {
        stop(closed.error());
    }
}

// Reads every row, touching each cell's text; how many cells held something.
std::size_t readWorkbook(const std::string& path) {
    auto reader = batch::WorkbookReader::openFile(path, std::nullopt);
    if (!reader) {
        stop(reader.error());
    }
    std::size_t filled = 0;
    for (;;) {
        const auto row = (*reader)->next();
        if (!row) {
            stop(row.error());
        }
        if (!*row) {
            return filled;
        }
        for (const auto& cell : (*row)->cells) {
            filled += !cell.text.empty();
        }
    }
}

std::size_t count(const char* text) {
    std::size_t value = 0;
    std::from_chars(text, text + std::char_traits<char>::length(text), value);
    return value;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--write") {
        std::optional<VehicleRows> block;
        writeWorkbook(std::string(args[2]), count(argv[2]),
                      [&](std::size_t first) -> const VehicleRows& {
                          block.emplace(first, chunkRows);
                          return *block;
                      });
        return 0;
    }
    if (args.size() == 2 && args[0] == "--read") {
        print(std::to_string(readWorkbook(std::string(args[1]))) + " cells");
        return 0;
    }

    const std::size_t rows = args.empty() ? 100'000 : count(argv[1]);
    const std::string path =
        args.size() > 1
            ? std::string(args[1])
            : (std::filesystem::temp_directory_path() / "evdrive_workbook_bench.xlsx").string();
    std::vector<VehicleRows> blocks;
    for (std::size_t first = 0; first < rows; first += chunkRows) {
        blocks.emplace_back(first, std::min(chunkRows, rows - first));
    }
    const Seconds written = bestOf([&] {
        writeWorkbook(path, rows, [&](std::size_t first) -> const VehicleRows& {
            return blocks[first / chunkRows];
        });
    });
    print("write: " + std::to_string(rows) + " rows of 24 columns in " + fixed(written.wall, 3) +
          " s (processor " + fixed(written.processor, 3) + " s), " +
          fixed(static_cast<double>(rows) / written.wall, 0) + " rows/s, " +
          std::to_string(std::filesystem::file_size(path)) + " bytes");
    std::size_t filled = 0;
    const Seconds read = bestOf([&] { filled = readWorkbook(path); });
    print("read:  " + std::to_string(filled) + " cells in " + fixed(read.wall, 3) +
          " s (processor " + fixed(read.processor, 3) + " s), " +
          fixed(static_cast<double>(rows) / read.wall, 0) + " rows/s");
    if (args.size() < 2) {
        std::filesystem::remove(path);
    }
    return 0;
}
