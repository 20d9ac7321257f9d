// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/records/csv_dialect.h"

#include "batch/records/csv_records.h"
#include "batch/records/csv_syntax.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>

namespace evdrive::batch {
namespace {

// Enough records to see the header and the rows that follow it, title rows
// above it included.
constexpr std::size_t recordsLookedAt = 30;

// Whether the first line of text, read with this delimiter, ends in CR
// alone: a line end the machine meets outside quoted cells.
bool endsInCrAlone(std::string_view text, bool whole, char delimiter) {
    CsvState state = CsvState::CellStart;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (state != CsvState::Quoted && c == '\r') {
            // A CR at the very end of the look may be the first half of a CRLF.
            return at + 1 < text.size() ? text[at + 1] != '\n' : whole;
        }
        if (state != CsvState::Quoted && c == '\n') {
            return false;
        }
        state = csvStep(state, c, delimiter).state;
    }
    return false;
}

// How well a delimiter reads the records: better when no record is
// malformed, then the more records of more than one cell have the number of
// cells most of them have, then the more cells that is. A delimiter the
// table does not hold reads every record as one cell, and fits least.
using Fit = std::tuple<bool, std::size_t, std::size_t>;

Fit fitOf(std::string_view text, bool whole, char delimiter) {
    CsvRecords records(delimiter);
    records.reset(text, 1);
    std::map<std::size_t, std::size_t> recordsWithCells;
    std::vector<std::size_t> counts;
    bool malformed = false;
    for (CsvRecords::Status status;
         counts.size() < recordsLookedAt && (status = records.next()) != CsvRecords::Status::End;) {
        if (status == CsvRecords::Status::Malformed ||
            (status == CsvRecords::Status::OpenQuote && whole)) {
            malformed = true;
        }
        if (status != CsvRecords::Status::Record) {
            break;
        }
        if (!isBlank(records.record())) {
            counts.push_back(records.record().cells.size());
        }
    }
    // The look may end inside the last record.
    if (!whole && counts.size() > 1 && counts.size() < recordsLookedAt) {
        counts.pop_back();
    }
    for (const std::size_t count : counts) {
        if (count > 1) {
            ++recordsWithCells[count];
        }
    }
    const auto most = std::max_element(
        recordsWithCells.begin(), recordsWithCells.end(), [](const auto& a, const auto& b) {
            return std::tie(a.second, a.first) < std::tie(b.second, b.first);
        });
    if (most == recordsWithCells.end()) {
        return {!malformed, 0, 0};
    }
    return {!malformed, most->second, most->first};
}

// "sep=;" and its line end, as some spreadsheets start a table.
std::optional<char> separatorNamed(std::string_view start, bool whole) {
    if (start.size() < 5 || !start.starts_with("sep=") || start[4] == '"') {
        return std::nullopt;
    }
    const std::string_view end = start.substr(5, 2);
    if ((end.empty() && whole) || end.starts_with('\n') || end.starts_with('\r')) {
        return start[4];
    }
    return std::nullopt;
}

} // namespace

CsvDialect guessCsvDialect(std::string_view start, bool whole, std::optional<char> delimiter) {
    CsvDialect dialect;
    if (const auto named = separatorNamed(start, whole)) {
        dialect.separatorLine = true;
        dialect.delimiter = delimiter.value_or(*named);
        dialect.crAlone = endsInCrAlone(start, whole, *named);
        return dialect;
    }
    if (delimiter) {
        dialect.delimiter = *delimiter;
        dialect.crAlone = endsInCrAlone(start, whole, *delimiter);
        return dialect;
    }
    std::optional<Fit> best;
    for (const char candidate : {',', ';', '\t'}) {
        const bool crAlone = endsInCrAlone(start, whole, candidate);
        std::string text(start);
        if (crAlone) {
            std::replace(text.begin(), text.end(), '\r', '\n');
        }
        const Fit fit = fitOf(text, whole, candidate);
        if (!best || fit > *best) {
            best = fit;
            dialect.delimiter = candidate;
            dialect.crAlone = crAlone;
        }
    }
    return dialect;
}

} // namespace evdrive::batch
