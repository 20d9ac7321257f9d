// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/command.h"

#include "batch/command/help_text.h"
#include "batch/command/options.h"
#include "batch/integer_text.h"
#include "batch/report.h"
#include "batch/run/table_run.h"
#include "batch/text/byte_source.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <thread>

namespace evdrive::batch {
namespace {

int exitWith(ExitStatus status) {
    return static_cast<int>(status);
}

int print(const Streams& streams, const Report& report, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), streams.out) != text.size() ||
        std::fflush(streams.out) != 0) {
        return report.fail({ExitStatus::IoFailure, "standard output", std::strerror(errno)});
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
    if (tally.decimalCommaInFailedField) {
        text += "; fields with a comma are no numbers here: for decimal commas, give "
                "--decimal-comma";
    }
    if (tally.digitGroupsInFailedField) {
        text += "; fields such as 1,500 are no numbers here: where a comma or a blank groups "
                "thousands, give --digit-grouping";
    }
    return text;
}

int run(std::span<const std::string_view> args, std::string_view version, const Streams& streams,
        const Report& report, std::size_t readSize) {
    const auto options = parseOptions(args);
    if (!options) {
        return report.fail(options.error());
    }
    if (options->help) {
        return print(streams, report, helpText());
    }
    if (options->version) {
        return print(streams, report, "evdrive-batch " + std::string(version) + "\n");
    }

    const bool fromFile = options->file && *options->file != "-";
    const bool fromStandardInput = !fromFile && (options->file || options->inputs.empty());
    File opened(fromFile ? std::fopen(options->file->c_str(), "rb") : nullptr, &std::fclose);
    if (fromFile && !opened) {
        return report.fail({ExitStatus::BadInput, *options->file, std::strerror(errno)});
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
        .numbers = {options->decimalComma, options->digitGrouping},
        .headerRow = options->headerRow,
        .keptColumns = options->keptColumns,
        .notices = &report,
    };
    const auto tally =
        runTable(source ? &*source : nullptr, options->inputs, streams.out, settings);
    if (!tally) {
        return report.fail(tally.error());
    }
    if (tally->failed() == 0) {
        return exitWith(ExitStatus::Success);
    }
    report.say(summary(*tally, source.has_value()));
    return exitWith(options->strict ? ExitStatus::FailedRows : ExitStatus::Success);
}

} // namespace

int runCommand(std::span<const std::string_view> args, std::string_view version,
               const Streams& streams, std::size_t readSize) {
    const Report report(streams.err);
    try {
        return run(args, version, streams, report, readSize);
    } catch (const std::bad_alloc&) {
        // A cell of gigabytes, or a machine short of memory: no row after it is written.
        return report.fail({ExitStatus::IoFailure, "memory", "the system has no more to give"});
    }
}

} // namespace evdrive::batch
