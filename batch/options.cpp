// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/options.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace evdrive::batch {
namespace {

constexpr std::string_view setOption = "--set";
constexpr std::string_view sweepOption = "--sweep";

std::unexpected<std::string> fault(std::string_view argument, std::string_view reason) {
    std::string message(argument);
    message += ": ";
    message += reason;
    return std::unexpected(std::move(message));
}

// NAME=VALUE of --set or --sweep, its value already taken apart from the option.
std::expected<InputOption, std::string> parseInputOption(std::string_view option,
                                                         std::string_view value) {
    InputOption parsed;
    parsed.argument = std::string(option) + " " + std::string(value);
    const bool isSweep = option == sweepOption;
    const auto equals = value.find('=');
    if (equals == std::string_view::npos) {
        return fault(parsed.argument,
                     isSweep ? "expected NAME=FROM:TO:STEP" : "expected NAME=TEXT");
    }
    const std::string_view name = value.substr(0, equals);
    const auto input = findInput(name);
    if (!input) {
        return fault(parsed.argument,
                     "no input is named \"" + std::string(name) + "\" (see --help)");
    }
    parsed.input = *input;
    if (!isSweep) {
        parsed.text = value.substr(equals + 1);
        return parsed;
    }
    const auto sweep = parseSweep(value.substr(equals + 1));
    if (!sweep) {
        return fault(parsed.argument, sweep.error());
    }
    parsed.sweep = *sweep;
    return parsed;
}

// Each input is given once at most, and the sweeps together stay within the row limit.
std::expected<void, std::string> checkInputOptions(const std::vector<InputOption>& inputs) {
    std::uint64_t rows = 1;
    for (auto it = inputs.begin(); it != inputs.end(); ++it) {
        const auto earlier = std::find_if(inputs.begin(), it, [&](const InputOption& other) {
            return other.input.index == it->input.index;
        });
        if (earlier != it) {
            return fault(it->argument, "the input is given already by " + earlier->argument);
        }
        if (it->sweep) {
            rows *= it->sweep->count;
            if (rows > maxSweepRows) {
                return fault(it->argument, "the sweeps make " + std::string(tooManyRows));
            }
        }
    }
    return {};
}

} // namespace

std::expected<Options, std::string> parseOptions(std::span<const std::string_view> args) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.front() == '-';
        if (!isOption) {
            if (options.file) {
                return fault(arg, "only one FILE can be given");
            }
            options.file = std::string(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help") {
            options.help = true;
            return options;
        }
        if (arg == "--version") {
            options.version = true;
            return options;
        }
        std::string_view option;
        std::string_view value;
        for (const std::string_view known : {setOption, sweepOption}) {
            if (arg == known) {
                if (i + 1 == args.size()) {
                    return fault(arg, "expected NAME=… after it");
                }
                option = known;
                value = args[++i];
            } else if (arg.starts_with(known) && arg.substr(known.size()).starts_with('=')) {
                option = known;
                value = arg.substr(known.size() + 1);
            }
        }
        if (option.empty()) {
            return fault(arg, "unknown option (see --help)");
        }
        auto input = parseInputOption(option, value);
        if (!input) {
            return std::unexpected(input.error());
        }
        options.inputs.push_back(std::move(*input));
    }
    if (auto checked = checkInputOptions(options.inputs); !checked) {
        return std::unexpected(checked.error());
    }
    return options;
}

} // namespace evdrive::batch
