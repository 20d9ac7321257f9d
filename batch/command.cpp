// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command.h"

#include "batch/help_text.h"
#include "batch/options.h"
#include "batch/table_run.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace evdrive::batch {
namespace {

int report(std::FILE* err, std::string_view message, int status) {
    std::string line = "evdrive-batch: ";
    line += message;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), err);
    std::fflush(err);
    return status;
}

int print(const Streams& streams, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), streams.out) != text.size() ||
        std::fflush(streams.out) != 0) {
        return report(streams.err, std::string("standard output: ") + std::strerror(errno),
                      exitIoFailure);
    }
    return exitSuccess;
}

} // namespace

int runCommand(std::span<const std::string_view> args, std::string_view version,
               const Streams& streams, std::size_t readSize) {
    const auto options = parseOptions(args);
    if (!options) {
        return report(streams.err, options.error(), exitBadInput);
    }
    if (options->help) {
        return print(streams, helpText());
    }
    if (options->version) {
        return print(streams, "evdrive-batch " + std::string(version) + "\n");
    }

    const bool fromFile = options->file && *options->file != "-";
    const bool fromStandardInput = !fromFile && (options->file || options->inputs.empty());
    std::FILE* opened = fromFile ? std::fopen(options->file->c_str(), "rb") : nullptr;
    if (fromFile && !opened) {
        return report(streams.err, *options->file + ": " + std::strerror(errno), exitBadInput);
    }
    const RunOutcome outcome = runTable(fromFile            ? opened
                                        : fromStandardInput ? streams.in
                                                            : nullptr,
                                        options->inputs, streams.out, readSize);
    if (opened) {
        std::fclose(opened);
    }

    switch (outcome.kind) {
    case RunOutcome::Kind::Done:
        return exitSuccess;
    case RunOutcome::Kind::Malformed:
        return report(streams.err, outcome.message, exitBadInput);
    case RunOutcome::Kind::ReadFailed:
        return report(streams.err,
                      (fromFile ? *options->file : std::string("standard input")) + ": " +
                          outcome.message,
                      exitIoFailure);
    case RunOutcome::Kind::WriteFailed:
        return report(streams.err, "standard output: " + outcome.message, exitIoFailure);
    }
    return exitIoFailure;
}

} // namespace evdrive::batch
