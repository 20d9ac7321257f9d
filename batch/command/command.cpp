// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/command.h"

#include "batch/command/help_text.h"
#include "batch/command/interruption.h"
#include "batch/command/options.h"
#include "batch/command/output_file.h"
#include "batch/integer_text.h"
#include "batch/report.h"
#include "batch/run/table_run.h"
#include "batch/text/byte_source.h"
#include "batch/translation.h"
#include "batch/workbook/table_kind.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace evdrive::batch {
namespace {

int exitWith(ExitStatus status) {
    return static_cast<int>(status);
}

int print(const Streams& streams, const Report& report, std::string_view text) {
    if (!writeText(streams.out, text)) {
        return report.fail({ExitStatus::IoFailure, std::string(tr("standard output")),
                            std::string(errorText(errno))});
    }
    return exitWith(ExitStatus::Success);
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Whether two streams are one file.
bool sameFile(std::FILE* a, std::FILE* b) {
#ifdef _WIN32
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return GetFileInformationByHandle(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(a))),
                                      &first) &&
           GetFileInformationByHandle(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(b))),
                                      &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
#else
    struct stat first {};
    struct stat second {};
    return fstat(fileno(a), &first) == 0 && fstat(fileno(b), &second) == 0 &&
           S_ISREG(first.st_mode) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#endif
}

// "40 rows, 3 failed: 2 TypeMismatch, 1 DivisionByZero; the first on line 5",
// or in the 5th row of a table the options make; the rows with notes on
// their figures; and what an option would read that is no number now.
std::string summary(const RowTally& tally, bool fromTable) {
    std::string text = format(tally.rows == 1 ? tr("1 row, %2 failed") : tr("%1 rows, %2 failed"),
                              {integerText(tally.rows), integerText(tally.failed())});
    std::string kinds;
    for (std::size_t kind = 0; kind < tally.failedByKind.size(); ++kind) {
        if (tally.failedByKind[kind] > 0) {
            const std::string counted =
                integerText(tally.failedByKind[kind]) + " " + std::string(calcErrorKeys[kind]);
            kinds = kinds.empty() ? counted : format(tr("%1, %2"), {kinds, counted});
        }
    }
    if (!kinds.empty()) {
        text += format(tr(": %1"), {kinds});
    }
    if (tally.firstFailedLine) {
        text += !fromTable
                    ? format(tr("; the first in row %1"), {integerText(*tally.firstFailedRow)})
                : tally.sheetRows
                    ? format(tr("; the first in row %1 of the sheet"),
                             {integerText(*tally.firstFailedLine)})
                    : format(tr("; the first on line %1"), {integerText(*tally.firstFailedLine)});
    }
    if (tally.noted > 0) {
        text += format(tally.noted == 1 ? tr("; 1 row with a note on its figures")
                                        : tr("; %1 rows with notes on their figures"),
                       {integerText(tally.noted)});
    }
    if (tally.uncomputedFormulaInFailedField) {
        text += tr("; some fields are formulas whose values the workbook does not hold: open it "
                   "in a spreadsheet and save it, and run again");
    }
    if (tally.decimalCommaInFailedField) {
        text += tr("; fields with a comma are no numbers here: for decimal commas, give "
                   "--decimal-comma");
    }
    if (tally.digitGroupsInFailedField) {
        text += tr("; fields such as 1,500 are no numbers here: where a comma or a blank groups "
                   "thousands, give --digit-grouping");
    }
    return text;
}

// -o names a workbook by its extension, as spreadsheets do.
bool namesWorkbook(std::string_view path) {
    const std::string_view extension = ".xlsx";
    return path.size() > extension.size() &&
           std::equal(
               extension.begin(), extension.end(), path.end() - extension.size(),
               [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
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
    // Started at a terminal, or double-clicked on Windows, the command would
    // wait for a table that no one is going to type.
    if (fromStandardInput && isTerminal(streams.in)) {
        writeText(streams.err, tr(terminalUsage));
        return exitWith(ExitStatus::BadInput);
    }
    File opened(fromFile ? std::fopen(options->file->c_str(), "rb") : nullptr, &std::fclose);
    if (fromFile && !opened) {
        return report.fail({ExitStatus::BadInput, *options->file, std::string(errorText(errno))});
    }
    // "evdrive-batch a.csv > a.csv": the shell emptied the table before the run.
    if (fromFile && !options->output && sameFile(opened.get(), streams.out)) {
        return report.fail({ExitStatus::BadInput, *options->file,
                            format(tr("standard output is this file itself, which was emptied "
                                      "before the run began; -o %1 writes the table in its "
                                      "place"),
                                   {*options->file})});
    }
    std::optional<FileSource> source;
    if (fromFile) {
        source.emplace(opened.get(), *options->file, true);
    } else if (fromStandardInput) {
        source.emplace(streams.in, std::string(tr("standard input")), false);
    }
    const bool workbook = options->output && namesWorkbook(*options->output);
    if (workbook && !workbooksBuilt) {
        return report.fail({ExitStatus::BadInput, "-o " + *options->output,
                            std::string(tr("this build of evdrive-batch writes CSV only"))});
    }
    std::unique_ptr<OutputFile> output;
    TableDestination destination{streams.out};
    if (options->output) {
        auto created = OutputFile::create(*options->output);
        if (!created) {
            return report.fail(created.error());
        }
        output = std::move(*created);
        destination.stream = output->stream();
        if (workbook) {
            if (auto released = output->releaseStream(); !released) {
                return report.fail(released.error());
            }
            destination = {nullptr, output->temporaryPath(), *options->output};
        }
    }
    Interruption interruption(streams.err, output ? output->temporaryPath() : std::string(),
                              options->output.value_or(""), !source);
    const RunSettings settings{
        .jobs = options->jobs.value_or(std::max(1u, std::thread::hardware_concurrency())),
        .readSize = readSize,
        .format = {options->encoding, options->delimiter},
        .numbers = {options->decimalComma, options->digitGrouping},
        .headerRow = options->headerRow,
        .sheet = options->sheet,
        .inputPath = fromFile ? *options->file : std::string(),
        .inputName = fromFile ? *options->file : std::string(tr("standard input")),
        .keptColumns = options->keptColumns,
        .notices = &report,
        .progress = &interruption.progress(),
    };
    const auto tally =
        runTable(source ? &*source : nullptr, options->inputs, destination, settings);
    if (!tally) {
        return report.fail(tally.error());
    }
    if (output) {
        // The table read may be FILE itself, which takes the written one's place.
        opened.reset();
        if (auto committed = output->commit(); !committed) {
            return report.fail(committed.error());
        }
    }
    if (tally->failed() == 0 && tally->noted == 0) {
        return exitWith(ExitStatus::Success);
    }
    report.say(summary(*tally, source.has_value()));
    return exitWith(options->strict && tally->failed() > 0 ? ExitStatus::FailedRows
                                                           : ExitStatus::Success);
}

} // namespace

int runCommand(std::span<const std::string_view> args, std::string_view version,
               const Streams& streams, std::size_t readSize) {
    speak(userLanguage());
    const Report report(streams.err);
    try {
        return run(args, version, streams, report, readSize);
    } catch (const std::bad_alloc&) {
        // A cell of gigabytes, or a machine short of memory: no row after it is written.
        return report.fail({ExitStatus::IoFailure, std::string(tr("memory")),
                            std::string(tr("the system has no more to give"))});
    }
}

} // namespace evdrive::batch
