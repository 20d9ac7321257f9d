// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

namespace evdrive::batch {
namespace {

constexpr std::string_view setOption = "--set";
constexpr std::string_view sweepOption = "--sweep";

std::unexpected<Problem> fault(std::string_view argument, std::string_view reason) {
    return problem(ExitStatus::BadInput, std::string(argument), std::string(reason));
}

// NAME=VALUE of --set or --sweep, its value already taken apart from the option.
Outcome<InputOption> parseInputOption(std::string_view option, std::string_view value) {
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
    const auto sweep = parseSweep(value.substr(equals + 1), parsed.argument);
    if (!sweep) {
        return std::unexpected(sweep.error());
    }
    parsed.sweep = *sweep;
    return parsed;
}

// Each input is given once at most, and the sweeps together stay within the row limit.
Outcome<> checkInputOptions(const std::vector<InputOption>& inputs) {
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

// --jobs N: a count of threads, at least one.
Outcome<> setJobs(Options& options, std::string_view argument, std::string_view value) {
    std::size_t jobs = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (ec != std::errc() || end != value.data() + value.size() || jobs == 0 || jobs > 1024) {
        return fault(argument, "expected a count of threads from 1 to 1024");
    }
    options.jobs = jobs;
    return {};
}

Outcome<> addInput(Options& options, std::string_view option, std::string_view value) {
    auto input = parseInputOption(option, value);
    if (!input) {
        return std::unexpected(input.error());
    }
    options.inputs.push_back(std::move(*input));
    return {};
}

// The options that take a value, given as "--name VALUE" or "--name=VALUE".
struct ValueOption {
    std::string_view name;
    Outcome<> (*apply)(Options&, std::string_view argument, std::string_view value);
};

constexpr ValueOption valueOptions[] = {
    {setOption,
     [](Options& o, std::string_view, std::string_view v) { return addInput(o, setOption, v); }},
    {sweepOption,
     [](Options& o, std::string_view, std::string_view v) { return addInput(o, sweepOption, v); }},
    {"--jobs", setJobs},
};

} // namespace

Outcome<Options> parseOptions(std::span<const std::string_view> args) {
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
        const ValueOption* matched = nullptr;
        std::string_view value;
        for (const ValueOption& known : valueOptions) {
            if (arg == known.name) {
                if (i + 1 == args.size()) {
                    return fault(arg, "expected a value after it");
                }
                matched = &known;
                value = args[++i];
            } else if (arg.starts_with(known.name) &&
                       arg.substr(known.name.size()).starts_with('=')) {
                matched = &known;
                value = arg.substr(known.name.size() + 1);
            }
        }
        if (!matched) {
            return fault(arg, "unknown option (see --help)");
        }
        const std::string argument = std::string(matched->name) + " " + std::string(value);
        if (auto applied = matched->apply(options, argument, value); !applied) {
            return std::unexpected(applied.error());
        }
    }
    if (auto checked = checkInputOptions(options.inputs); !checked) {
        return std::unexpected(checked.error());
    }
    return options;
}

} // namespace evdrive::batch
