// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command.h"

#include "batch/byte_source.h"
#include "batch/help_text.h"
#include "batch/options.h"
#include "batch/table_run.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace evdrive::batch {
namespace {

int exitWith(ExitStatus status) {
    return static_cast<int>(status);
}

void say(std::FILE* err, std::string_view message) {
    std::string line = "evdrive-batch: ";
    line += message;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), err);
    std::fflush(err);
}

int report(std::FILE* err, const Problem& problem) {
    say(err, problem.message());
    return exitWith(problem.status);
}

int print(const Streams& streams, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), streams.out) != text.size() ||
        std::fflush(streams.out) != 0) {
        return report(streams.err,
                      {ExitStatus::IoFailure, "standard output", std::strerror(errno)});
    }
    return exitWith(ExitStatus::Success);
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

} // namespace

int runCommand(std::span<const std::string_view> args, std::string_view version,
               const Streams& streams, std::size_t readSize) {
    const auto options = parseOptions(args);
    if (!options) {
        return report(streams.err, options.error());
    }
    if (options->help) {
        return print(streams, helpText());
    }
    if (options->version) {
        return print(streams, "evdrive-batch " + std::string(version) + "\n");
    }

    const bool fromFile = options->file && *options->file != "-";
    const bool fromStandardInput = !fromFile && (options->file || options->inputs.empty());
    File opened(fromFile ? std::fopen(options->file->c_str(), "rb") : nullptr, &std::fclose);
    if (fromFile && !opened) {
        return report(streams.err, {ExitStatus::BadInput, *options->file, std::strerror(errno)});
    }
    std::optional<FileSource> source;
    if (fromFile) {
        source.emplace(opened.get(), *options->file, true);
    } else if (fromStandardInput) {
        source.emplace(streams.in, "standard input", false);
    }
    const RunSettings settings{
        options->jobs.value_or(std::max(1u, std::thread::hardware_concurrency())), readSize};
    const auto tally =
        runTable(source ? &*source : nullptr, options->inputs, streams.out, settings);
    if (!tally) {
        return report(streams.err, tally.error());
    }
    return exitWith(ExitStatus::Success);
}

} // namespace evdrive::batch
