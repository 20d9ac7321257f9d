// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"
#include "tests/batch/command_run.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {
namespace {

using In = DrivetrainInputs;
using Row = std::vector<std::string>;

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

// A table of random vehicles, mostly realistic figures and now and then an odd
// text, with its header in its own order, each input named either way, and a
// note column among them.
struct GeneratedTable {
    explicit GeneratedTable(std::uint64_t seed)
        : random(seed) {}

    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    template <class List>
    auto pick(const List& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(random)];
    }

    void makeHeader() {
        std::shuffle(columns.begin(), columns.end(), random);
        for (const int column : columns) {
            if (column < 0) {
                header.push_back("note");
                continue;
            }
            names[column] =
                chance(0.5) ? drivetrainInputs[column].key : drivetrainInputs[column].caption;
            header.push_back(names[column]);
        }
        const int firstInput = columns[0] < 0 ? columns[1] : columns[0];
        chinese = names[firstInput] == drivetrainInputs[firstInput].caption;
        csv = csvLine(header);
    }

    // Some cells quoted that need no quotes, to read both kinds.
    std::string csvLine(const Row& cells) {
        std::string line;
        for (const std::string& cell : cells) {
            line += (&cell == &cells.front() ? "" : ",") + csvCell(cell, chance(0.2));
        }
        return line + lineEnd;
    }

    void addRow(const std::string& note) {
        static const std::vector<std::string> oddTexts = {
            "", " ", "0", "-0", "x", "1,5", "1e400", " 7 ", "1e308", "\"8\"", "8\n", "-1"};
        // Realistic figures lie within half and one and a half times the example.
        const auto figure = [&](int column) {
            return formatGeneral(*parseStrict(drivetrainInputs[column].example) *
                                 std::uniform_real_distribution<double>(0.5, 1.5)(random));
        };
        Row row;
        for (const int column : columns) {
            row.push_back(column < 0 ? note : chance(0.85) ? figure(column) : pick(oddTexts));
        }
        csv += csvLine(row);
        rows.push_back(std::move(row));
    }

    // Compares the written table with the calculation of each row's texts.
    void expectWritten(std::string_view out) const {
        const std::vector<Row> written = readCsv(out);
        ASSERT_EQ(written.size(), rows.size() + 1);
        Row expectedHeader = header;
        for (const auto& result : drivetrainResults) {
            expectedHeader.push_back(chinese ? std::string(result.caption) + " (" +
                                                   std::string(result.unit) + ")"
                                             : std::string(result.key));
        }
        for (const char* name : chinese ? std::array{"错误", "原因", "出错参数", "提示"}
                                        : std::array{"error", "cause", "field", "note"}) {
            expectedHeader.push_back(name);
        }
        EXPECT_EQ(written[0], expectedHeader);

        for (std::size_t r = 0; r < rows.size(); ++r) {
            In vehicle;
            for (std::size_t c = 0; c < columns.size(); ++c) {
                if (columns[c] >= 0) {
                    vehicle.*drivetrainInputs[columns[c]].member = rows[r][c];
                }
            }
            const DrivetrainResults results = computeDrivetrain(vehicle);
            Row expected = rows[r];
            for (const auto& result : drivetrainResults) {
                expected.push_back((results.*result.member).value_or(""));
            }
            std::string blamed;
            if (results.error) {
                for (const auto member : results.error->inputs) {
                    blamed += (blamed.empty() ? "" : ";") + names[fieldIndex(member)];
                }
            }
            expected.emplace_back(results.error ? errorKey(results.error->kind) : "");
            expected.emplace_back(results.error ? causeKey(results.error->cause) : "");
            expected.push_back(blamed);
            // The notes on the figures have tables of their own.
            Row row = written[r + 1];
            row.pop_back();
            ASSERT_EQ(row, expected) << "row " << r + 1;
        }
    }

    std::mt19937_64 random;
    std::string lineEnd = "\n";
    std::vector<int> columns = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    Row header;
    std::array<std::string, drivetrainInputCount> names;
    bool chinese = false;
    std::string csv;
    std::vector<Row> rows;
};

TEST(GeneratedRows, EachEqualsTheCalculationOfItsTexts) {
    const std::vector<std::string> notes = {"",           "a,b",      "say \"hi\"",
                                            "two\nlines", "cr\r\nlf", "plain"};
    GeneratedTable table(20261207);
    table.makeHeader();
    for (int r = 0; r < 3000; ++r) {
        table.addRow(table.pick(notes));
    }
    const CommandRun run = runBatch({}, table.csv);
    ASSERT_EQ(run.status, 0) << run.err;
    table.expectWritten(run.out);
}

std::string fileContents(const std::string& path) {
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            text.append(buffer, n);
        }
        std::fclose(file);
    }
    return text;
}

// A file in the test's temporary folder holding text; its path.
std::string temporaryFile(const std::string& name, std::string_view text) {
    const std::string path = testing::TempDir() + name;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}

// The built command over a table of a few MiB whose notes now and then run to
// hundreds of KiB, past the edges of its reads, with commas, quotes, line
// breaks and Chinese text in them; read from a file and through a pipe.
TEST(GeneratedRows, BuiltCommandReadsALargeTableWholeFromAFileAndAPipe) {
    const char* command = std::getenv("EVDRIVE_BATCH");
    if (!command) {
        GTEST_SKIP() << "EVDRIVE_BATCH names no built evdrive-batch";
    }
    GeneratedTable table(20261208);
    table.makeHeader();
    std::string longNote;
    while (longNote.size() < 400'000) {
        longNote += "型号 \"A" + std::to_string(longNote.size()) + "\", 电机, 2\r\n档 ";
    }
    for (int r = 0; r < 20000; ++r) {
        table.addRow(r % 5000 == 2500 ? longNote.substr(0, 150'000 * (1 + r / 5000)) : "v");
    }
    ASSERT_GT(table.csv.size(), std::size_t{3} << 20);

    const std::string folder = testing::TempDir();
    const std::string tablePath = temporaryFile("evdrive_large_table.csv", table.csv);
    const std::string quoted = "'" + std::string(command) + "' ";
    const std::string fromFile = folder + "evdrive_large_from_file.csv";
    const std::string fromPipe = folder + "evdrive_large_from_pipe.csv";
    ASSERT_EQ(std::system((quoted + "'" + tablePath + "' > '" + fromFile + "'").c_str()), 0);
    ASSERT_EQ(std::system(("cat '" + tablePath + "' | " + quoted + "> '" + fromPipe + "'").c_str()),
              0);
    const std::string out = fileContents(fromFile);
    EXPECT_TRUE(out == fileContents(fromPipe)) << "a pipe gives another table than the file";
    table.expectWritten(out);
    for (const std::string& path : {tablePath, fromFile, fromPipe}) {
        std::remove(path.c_str());
    }
}

// The same table computed by one thread and by four: a few MiB with CRLF line
// ends, quoted cells, failing rows and, near the end, a row with more cells
// than the header. The same rows, the same message naming the same line, the
// same exit status.
TEST(GeneratedRows, OneJobAndFourGiveTheSameRowsAndMessages) {
    const char* command = std::getenv("EVDRIVE_BATCH");
    if (!command) {
        GTEST_SKIP() << "EVDRIVE_BATCH names no built evdrive-batch";
    }
    GeneratedTable table(20261209);
    table.lineEnd = "\r\n";
    table.makeHeader();
    const std::vector<std::string> notes = {"a,b", "say \"hi\"", "two\r\nlines", "plain"};
    for (int r = 0; r < 40000; ++r) {
        table.addRow(table.pick(notes));
    }
    // The header is line 1 and one note in four spans two lines.
    const std::size_t malformedLine =
        2 + static_cast<std::size_t>(std::count(table.csv.begin(), table.csv.end(), '\n')) - 1;
    table.csv += "x" + std::string(table.header.size(), ',') + "\r\n";
    table.addRow("after");
    ASSERT_GT(table.csv.size(), std::size_t{2} << 20);

    const std::string folder = testing::TempDir();
    const std::string tablePath = temporaryFile("evdrive_jobs_table.csv", table.csv);
    std::string outputs[2];
    std::string messages[2];
    int statuses[2];
    for (const int jobs : {1, 4}) {
        const std::string out = folder + "evdrive_jobs_out.csv";
        const std::string err = folder + "evdrive_jobs_err.txt";
        const int i = jobs == 1 ? 0 : 1;
        statuses[i] = std::system(("'" + std::string(command) + "' --jobs " + std::to_string(jobs) +
                                   " '" + tablePath + "' > '" + out + "' 2> '" + err + "'")
                                      .c_str());
        outputs[i] = fileContents(out);
        messages[i] = fileContents(err);
        std::remove(out.c_str());
        std::remove(err.c_str());
    }
    std::remove(tablePath.c_str());
    EXPECT_EQ(messages[0], "evdrive-batch: line " + std::to_string(malformedLine) + ": " +
                               std::to_string(table.header.size() + 1) +
                               " cells, more than the header's " +
                               std::to_string(table.header.size()) + "\n");
    EXPECT_NE(statuses[0], 0);
    EXPECT_EQ(messages[1], messages[0]);
    EXPECT_EQ(statuses[1], statuses[0]);
    EXPECT_TRUE(outputs[1] == outputs[0]) << "four threads wrote another table than one";
    // Every row before the malformed line, none after it.
    EXPECT_EQ(std::count(outputs[0].begin(), outputs[0].end(), '\n') -
                  std::count(table.csv.begin(), table.csv.end(), '\n'),
              -2);
}

} // namespace
} // namespace evdrive::batch
