// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/layout/columns.h"
#include "core/drivetrain.h"

#include <array>
#include <string>

namespace evdrive::batch {

// Writes the notes of a row: for each input whose figure lies outside the
// range of real road vehicles, the input, the figure and, where the catalogue
// knows it, the slip of units it most likely is, in the table's language:
// "tireRadius 300 m is more than 1.5 m: in mm? (0.3)", "传动系统效率 90 大于
// 1：是否为百分数？应为 0.9". A note changes no figure.
class FigureNotes {
  public:
    FigureNotes(Naming naming, bool decimalComma);

    // The notes of a row, from the numbers its fields were read as and, for
    // fields the calculation did not read, their texts; empty for none.
    const std::string& of(const std::array<double, inputCount>& read,
                          const DrivetrainCells& fields);

  private:
    void note(std::size_t input, double figure);
    std::string number(double value) const;

    Naming naming_;
    bool decimalComma_;
    // The ranges, at hand for a test of every row: an input without one has
    // one that takes every figure.
    std::array<double, inputCount> low_;
    std::array<double, inputCount> high_;
    std::string notes_;
};

} // namespace evdrive::batch
