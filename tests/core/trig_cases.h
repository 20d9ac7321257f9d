// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace evdrive {
namespace {

// One line of tests/core/data/hard_trig_cases.txt: "atan|tan ARGUMENT RESULT",
// both in C99 hexadecimal, perhaps followed by a note.
struct TrigCase {
    bool tangent;
    double argument;
    double result;
};

std::optional<double> hexDouble(std::string_view text) {
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    if (!text.starts_with("0x")) {
        return std::nullopt;
    }
    text.remove_prefix(2);
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::hex);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// The cases of the file, or none if a line does not read.
std::vector<TrigCase> readTrigCases() {
    std::vector<TrigCase> cases;
    std::FILE* in = std::fopen(EVDRIVE_TRIG_CASES, "rb");
    if (in == nullptr) {
        return {};
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, in) != nullptr) {
        std::string_view line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        std::vector<std::string_view> fields;
        for (std::size_t start = 0; start <= line.size();) {
            const std::size_t space = std::min(line.find(' ', start), line.size());
            fields.push_back(line.substr(start, space - start));
            start = space + 1;
        }
        const auto argument = fields.size() >= 3 ? hexDouble(fields[1]) : std::nullopt;
        const auto result = fields.size() >= 3 ? hexDouble(fields[2]) : std::nullopt;
        if ((fields[0] != "atan" && fields[0] != "tan") || !argument || !result) {
            std::fclose(in);
            return {};
        }
        cases.push_back({fields[0] == "tan", *argument, *result});
    }
    std::fclose(in);
    return cases;
}

} // namespace
} // namespace evdrive
