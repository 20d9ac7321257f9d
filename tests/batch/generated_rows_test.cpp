// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drivetrain.h"
#include "core/number_text.h"
#include "tests/batch/command_run.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {
namespace {

using In = DrivetrainInputs;
using Row = std::vector<std::string>;

// The test's own naming, written out rather than taken from the batch library.
struct Input {
    std::string In::*member;
    const char* name;
    const char* caption;
    double low, high; // of realistic figures
};

const std::array<Input, 12> inputs = {{
    {&In::gearRatio, "gearRatio", "变速器速比", 1, 3},
    {&In::finalDriveRatio, "finalDriveRatio", "驱动桥速比", 5, 12},
    {&In::tireRadius, "tireRadius", "轮胎滚动半径", 0.25, 0.4},
    {&In::requiredVelocity, "requiredVelocity", "需求车速", 10, 180},
    {&In::drivetrainEfficiency, "drivetrainEfficiency", "传动系统效率", 0.8, 0.95},
    {&In::grossMass, "grossMass", "满载总质量", 800, 4000},
    {&In::rollingCoefficient, "rollingCoefficient", "滚动阻力系数", 0.008, 0.02},
    {&In::dragCoefficient, "dragCoefficient", "空气阻力系数", 0.2, 0.5},
    {&In::bodyHeight, "bodyHeight", "车身高度", 1200, 2500},
    {&In::bodyWidth, "bodyWidth", "车身宽度", 1500, 2100},
    {&In::motorMaxTorque, "motorMaxTorque", "电机最大转矩", 50, 600},
    {&In::requiredGrade, "requiredGrade", "爬坡度需求", 10, 40},
}};

// The written CSV read back: RFC 4180 with LF line ends.
std::vector<Row> readCsv(std::string_view text) {
    std::vector<Row> rows;
    Row row;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',' || c == '\n') {
            row.push_back(std::move(cell));
            cell.clear();
            if (c == '\n') {
                rows.push_back(std::move(row));
                row.clear();
            }
        } else {
            cell += c;
        }
    }
    return rows;
}

std::string csvCell(const std::string& text, bool quote) {
    if (!quote && text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quotedText = "\"";
    for (const char c : text) {
        quotedText += c;
        if (c == '"') {
            quotedText += '"';
        }
    }
    return quotedText + "\"";
}

std::string errorName(CalcError error) {
    constexpr const char* names[] = {"TypeMismatch", "DivisionByZero", "Overflow",
                                     "InvalidArgument"};
    return names[static_cast<int>(error)];
}

TEST(GeneratedRows, EachEqualsTheCalculationOfItsTexts) {
    std::mt19937_64 random(20261207);
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto pick = [&](const auto& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(random)];
    };
    const std::vector<std::string> oddTexts = {"",      " ",   "0",     "-0",    "x",   "1,5",
                                               "1e400", " 7 ", "1e308", "\"8\"", "8\n", "-1"};
    const std::vector<std::string> notes = {"",           "a,b",      "say \"hi\"",
                                            "two\nlines", "cr\r\nlf", "plain"};

    // A header in its own order, each input named either way, a note among them.
    std::vector<int> columns = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::shuffle(columns.begin(), columns.end(), random);
    Row header;
    std::array<std::string, 12> names;
    for (const int column : columns) {
        if (column < 0) {
            header.push_back("note");
            continue;
        }
        names[column] = chance(0.5) ? inputs[column].name : inputs[column].caption;
        header.push_back(names[column]);
    }
    const int firstInput = columns[0] < 0 ? columns[1] : columns[0];
    const bool chinese = names[firstInput] == inputs[firstInput].caption;

    // Some cells quoted that need no quotes, to read both kinds.
    const auto csvLine = [&](const Row& cells) {
        std::string line;
        for (const std::string& cell : cells) {
            line += (&cell == &cells.front() ? "" : ",") + csvCell(cell, chance(0.2));
        }
        return line + "\n";
    };
    std::string csv = csvLine(header);
    std::vector<Row> table;
    for (int r = 0; r < 3000; ++r) {
        Row row;
        for (const int column : columns) {
            row.push_back(column < 0     ? pick(notes)
                          : chance(0.85) ? formatGeneral(std::uniform_real_distribution<double>(
                                               inputs[column].low, inputs[column].high)(random))
                                         : pick(oddTexts));
        }
        csv += csvLine(row);
        table.push_back(std::move(row));
    }

    const CommandRun run = runBatch({}, csv);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Row> written = readCsv(run.out);
    ASSERT_EQ(written.size(), table.size() + 1);
    Row expectedHeader = header;
    for (const char* name : chinese ? std::array{"需求车速电机转速", "需求车速功率需求",
                                                 "车辆的最大爬坡度", "错误", "出错参数"}
                                    : std::array{"motorRpm", "power", "grade", "error", "field"}) {
        expectedHeader.push_back(name);
    }
    EXPECT_EQ(written[0], expectedHeader);

    for (std::size_t r = 0; r < table.size(); ++r) {
        In vehicle;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c] >= 0) {
                vehicle.*inputs[columns[c]].member = table[r][c];
            }
        }
        const DrivetrainResults results = computeDrivetrain(vehicle);
        Row expected = table[r];
        expected.push_back(results.motorRpmText.value_or(""));
        expected.push_back(results.powerText.value_or(""));
        expected.push_back(results.gradeText.value_or(""));
        std::string blamed;
        if (results.error) {
            for (const auto member : results.error->inputs) {
                const auto input = std::find_if(inputs.begin(), inputs.end(),
                                                [&](const Input& i) { return i.member == member; });
                blamed += (blamed.empty() ? "" : ";") + names[input - inputs.begin()];
            }
        }
        expected.push_back(results.error ? errorName(results.error->kind) : "");
        expected.push_back(blamed);
        ASSERT_EQ(written[r + 1], expected) << "row " << r + 1;
    }
}

} // namespace
} // namespace evdrive::batch
