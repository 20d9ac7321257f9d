// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command.h"

#include "batch/byte_source.h"
#include "batch/help_text.h"
#include "batch/integer_text.h"
#include "batch/options.h"
#include "batch/table_run.h"
#include "batch/terminal.h"

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

// "40 rows, 3 failed: 2 TypeMismatch, 1 DivisionByZero; the first on line 5",
// or in the 5th row of a table the options make.
std::string summary(const RowTally& tally, bool fromTable) {
    std::string text = integerText(tally.rows) + (tally.rows == 1 ? " row, " : " rows, ") +
                       integerText(tally.failed()) + " failed:";
    bool first = true;
    for (std::size_t kind = 0; kind < tally.failedByKind.size(); ++kind) {
        if (tally.failedByKind[kind] > 0) {
            text += first ? " " : ", ";
            text += integerText(tally.failedByKind[kind]) + " " + std::string(calcErrorKeys[kind]);
            first = false;
        }
    }
    if (tally.firstFailedLine) {
        text += fromTable ? "; the first on line " + integerText(*tally.firstFailedLine)
                          : "; the first in row " + integerText(*tally.firstFailedRow);
    }
    if (tally.commaInFailedField) {
        text += "; fields with a comma are no numbers here: for decimal commas, give "
                "--decimal-comma";
    }
    return text;
}

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
    // Started at a terminal, or double-clicked on Windows, the command would
    // wait for a table that no one is going to type.
    if (fromStandardInput && isTerminal(streams.in)) {
        const std::string_view usage = shortUsage();
        std::fwrite(usage.data(), 1, usage.size(), streams.err);
        std::fflush(streams.err);
        return exitWith(ExitStatus::BadInput);
    }
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
        .jobs = options->jobs.value_or(std::max(1u, std::thread::hardware_concurrency())),
        .readSize = readSize,
        .format = {options->encoding, options->delimiter},
        .decimalComma = options->decimalComma,
        .keptColumns = options->keptColumns,
        .notices = streams.err,
    };
    const auto tally =
        runTable(source ? &*source : nullptr, options->inputs, streams.out, settings);
    if (!tally) {
        return report(streams.err, tally.error());
    }
    if (tally->failed() == 0) {
        return exitWith(ExitStatus::Success);
    }
    say(streams.err, summary(*tally, source.has_value()));
    return exitWith(options->strict ? ExitStatus::FailedRows : ExitStatus::Success);
}

} // namespace evdrive::batch
