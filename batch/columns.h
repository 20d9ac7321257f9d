// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/drivetrain.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace evdrive::batch {

// A table names the inputs either by the members of DrivetrainInputs or by the
// captions of the main window's fields.
enum class Naming { Member, Caption };

// The two names of a column, and what --help says of it.
struct ColumnNames {
    std::string_view memberName;
    std::string_view caption;
    std::string_view unit; // empty for a ratio or coefficient
    std::string_view meaning;
};

struct InputColumn {
    std::string DrivetrainInputs::*member;
    ColumnNames names;
};

inline constexpr std::size_t inputCount = 12;

// The twelve inputs in field order.
extern const std::array<InputColumn, inputCount> inputColumns;

struct NamedInput {
    std::size_t index; // in field order
    Naming naming;
};

// The input a column heading or an option's NAME denotes; blanks around it are ignored.
std::optional<NamedInput> findInput(std::string_view name);

std::string_view inputName(std::size_t index, Naming naming);

// The place of an input in field order.
std::size_t inputIndex(std::string DrivetrainInputs::*member);

inline constexpr std::size_t resultCount = 5;

// The columns written after the inputs, in order: the three results, the
// kind of failure and the inputs to blame.
extern const std::array<ColumnNames, resultCount> resultColumns;

std::string_view columnName(const ColumnNames& names, Naming naming);

// The enumerator's name: "TypeMismatch".
std::string_view errorName(CalcError error);

} // namespace evdrive::batch
