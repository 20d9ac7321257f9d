// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/options.h"

#include "batch/layout/input_names.h"
#include "batch/translation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

namespace evdrive::batch {
namespace {

std::unexpected<Problem> fault(std::string_view argument, std::string_view reason) {
    return problem(ExitStatus::BadInput, std::string(argument), std::string(reason));
}

// NAME=VALUE of --set or --sweep. A sweep's range is read once all options
// are known: --decimal-comma may come after it.
Outcome<> addInput(Options& options, std::string_view argument, std::string_view value,
                   bool isSweep) {
    InputOption parsed;
    parsed.argument = argument;
    const auto equals = value.find('=');
    if (equals == std::string_view::npos) {
        return fault(argument,
                     isSweep ? tr("expected NAME=FROM:TO:STEP") : tr("expected NAME=TEXT"));
    }
    const std::string_view name = value.substr(0, equals);
    const NameReading reading = readName(name);
    switch (reading.kind) {
    case NameReading::Kind::Input:
        break;
    case NameReading::Kind::Result:
        return fault(argument, format(tr("\"%1\" is a result, not an input"), {name}));
    case NameReading::Kind::Other:
        if (!reading.otherQuantity.empty()) {
            return fault(argument,
                         format(tr("\"%1\" is %2, not an input"), {name, otherQuantity(reading)}));
        }
        return fault(argument, format(tr("no input is named \"%1\" (see --help)"), {name}));
    case NameReading::Kind::NearInput:
        return fault(argument, format(tr("\"%1\" %2"), {name, nameFault(reading)}));
    case NameReading::Kind::OtherUnit:
        return fault(argument, nameFault(reading));
    }
    parsed.input = reading.input;
    parsed.text = value.substr(equals + 1);
    if (isSweep) {
        parsed.sweep = Sweep{};
    }
    options.inputs.push_back(std::move(parsed));
    return {};
}

Outcome<> setJobs(Options& options, std::string_view argument, std::string_view value) {
    std::size_t jobs = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (ec != std::errc() || end != value.data() + value.size() || jobs == 0 || jobs > 1024) {
        return fault(argument, tr("expected a count of threads from 1 to 1024"));
    }
    options.jobs = jobs;
    return {};
}

Outcome<> setHeaderRow(Options& options, std::string_view argument, std::string_view value) {
    std::size_t row = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), row);
    if (ec != std::errc() || end != value.data() + value.size() || row == 0) {
        return fault(argument, tr("expected the header's row, counted from 1"));
    }
    options.headerRow = row;
    return {};
}

Outcome<> setDelimiter(Options& options, std::string_view argument, std::string_view value) {
    if (value == "," || value == "comma") {
        options.delimiter = ',';
    } else if (value == ";" || value == "semicolon") {
        options.delimiter = ';';
    } else if (value == "\t" || value == "\\t" || value == "tab") {
        options.delimiter = '\t';
    } else {
        return fault(argument, tr("expected a comma, a semicolon or tab"));
    }
    return {};
}

// The options that take a value, "--name VALUE" or "--name=VALUE".
struct ValueOption {
    std::string_view name;
    Outcome<> (*apply)(Options&, std::string_view argument, std::string_view value);
    std::string_view shortName = {}; // "-o FILE"
};

constexpr ValueOption valueOptions[] = {
    {"--set",
     [](Options& o, std::string_view a, std::string_view v) { return addInput(o, a, v, false); }},
    {"--sweep",
     [](Options& o, std::string_view a, std::string_view v) { return addInput(o, a, v, true); }},
    {"--jobs", setJobs},
    {"--encoding",
     [](Options& o, std::string_view, std::string_view v) -> Outcome<> {
         o.encoding = std::string(v);
         return {};
     }},
    {"--delimiter", setDelimiter},
    {"--output",
     [](Options& o, std::string_view, std::string_view v) -> Outcome<> {
         o.output = std::string(v);
         return {};
     },
     "-o"},
    {"--header-row", setHeaderRow},
    {"--sheet",
     [](Options& o, std::string_view a, std::string_view v) -> Outcome<> {
         if (v.empty()) {
             return fault(a, tr("expected a sheet's name, or its number counted from 1"));
         }
         o.sheet = std::string(v);
         return {};
     }},
    {"--keep-column",
     [](Options& o, std::string_view, std::string_view v) -> Outcome<> {
         o.keptColumns.emplace_back(v);
         return {};
     }},
};

struct FlagOption {
    std::string_view name;
    bool Options::*flag;
};

constexpr FlagOption flagOptions[] = {
    {"--decimal-comma", &Options::decimalComma},
    {"--digit-grouping", &Options::digitGrouping},
    {"--strict", &Options::strict},
};

// Each input is given once at most, each sweep's range is one, and the sweeps
// together stay within the row limit.
Outcome<> checkInputOptions(Options& options) {
    std::uint64_t rows = 1;
    auto& inputs = options.inputs;
    for (auto it = inputs.begin(); it != inputs.end(); ++it) {
        const auto earlier = std::find_if(inputs.begin(), it, [&](const InputOption& other) {
            return other.input.index == it->input.index;
        });
        if (earlier != it) {
            return fault(it->argument,
                         format(tr("the input is given already by %1"), {earlier->argument}));
        }
        if (!it->sweep) {
            continue;
        }
        const std::string range = options.decimalComma ? swapPointAndComma(it->text) : it->text;
        const auto sweep = parseSweep(range, it->argument);
        if (!sweep) {
            return std::unexpected(sweep.error());
        }
        it->sweep = *sweep;
        rows *= sweep->count;
        if (rows > maxSweepRows) {
            return fault(it->argument, tr(sweepsMakeTooManyRows));
        }
    }
    return {};
}

} // namespace

bool givesInput(std::span<const InputOption> options, std::size_t input) {
    return std::any_of(options.begin(), options.end(),
                       [&](const InputOption& option) { return option.input.index == input; });
}

std::string swapPointAndComma(std::string_view text) {
    // A point in such a table groups digits ("1.500" is 1500): swapped for a
    // comma, it makes the text no number rather than a thousand times less.
    std::string swapped(text);
    for (char& c : swapped) {
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    }
    return swapped;
}

Outcome<Options> parseOptions(std::span<const std::string_view> args) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
#ifdef _WIN32
        // What Windows' own commands take for their help.
        if (arg == "/?" && !optionsEnded) {
            options.help = true;
            return options;
        }
#endif
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.front() == '-';
        if (!isOption) {
            if (options.file) {
                return fault(arg, tr("only one FILE can be given"));
            }
            options.file = std::string(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            (arg == "--version" ? options.version : options.help) = true;
            return options;
        }
        const auto flag = std::find_if(std::begin(flagOptions), std::end(flagOptions),
                                       [&](const FlagOption& known) { return arg == known.name; });
        if (flag != std::end(flagOptions)) {
            options.*flag->flag = true;
            continue;
        }
        const ValueOption* matched = nullptr;
        std::string_view value;
        for (const ValueOption& known : valueOptions) {
            if (arg == known.name || (!known.shortName.empty() && arg == known.shortName)) {
                if (i + 1 == args.size()) {
                    return fault(arg, tr("expected a value after it"));
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
            return fault(arg, tr("unknown option (see --help)"));
        }
        const std::string argument = std::string(matched->name) + " " + std::string(value);
        if (auto applied = matched->apply(options, argument, value); !applied) {
            return std::unexpected(applied.error());
        }
    }
    if (auto checked = checkInputOptions(options); !checked) {
        return std::unexpected(checked.error());
    }
    return options;
}

} // namespace evdrive::batch
