// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

namespace evdrive {
namespace {

// Rows of the test tables print as their names rather than as raw bytes, in
// failure messages and in the test list that ctest shows.
template <class Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

} // namespace
} // namespace evdrive
