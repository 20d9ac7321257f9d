// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace evdrive::batch {

// The exit statuses of evdrive-batch.
enum class ExitStatus {
    Success = 0,
    IoFailure = 1,  // reading the table or writing the output failed, or memory ran out
    BadInput = 2,   // a malformed table, a bad argument, a FILE that does not open
    FailedRows = 3, // with --strict: some row's calculation failed
};

// What went wrong and where, as the one-line message says it: where is the
// line ("line 7"), the argument or the stream at fault.
struct Problem {
    ExitStatus status;
    std::string where;
    std::string what;

    std::string message() const { return where + ": " + what; }
};

template <class T = void>
using Outcome = std::expected<T, Problem>;

inline std::unexpected<Problem> problem(ExitStatus status, std::string where, std::string what) {
    return std::unexpected(Problem{status, std::move(where), std::move(what)});
}

} // namespace evdrive::batch
