// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/figure_notes.h"

#include "core/drivetrain_catalogue.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace evdrive::batch {

FigureNotes::FigureNotes(Naming naming, bool decimalComma)
    : naming_(naming)
    , decimalComma_(decimalComma) {
    for (std::size_t input = 0; input < inputCount; ++input) {
        const auto& range = drivetrainInputs[input].plausible;
        low_[input] = range ? range->low : -std::numeric_limits<double>::infinity();
        high_[input] = range ? range->high : std::numeric_limits<double>::infinity();
    }
}

const std::string& FigureNotes::of(const std::array<double, inputCount>& read,
                                   const DrivetrainCells& fields) {
    notes_.clear();
    for (std::size_t input = 0; input < inputCount; ++input) {
        double figure = read[input];
        // A field the calculation stopped before, or one it does not read.
        if (std::isnan(figure)) {
            if (fields[input].empty() || !drivetrainInputs[input].plausible) {
                continue;
            }
            figure = parseStrict(fields[input]).value_or(figure);
        }
        if (figure < low_[input] || figure > high_[input]) {
            note(input, figure);
        }
    }
    return notes_;
}

std::string FigureNotes::number(double value) const {
    std::string text = formatGeneral(value);
    if (decimalComma_) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

void FigureNotes::note(std::size_t input, double figure) {
    const auto& quantity = drivetrainInputs[input];
    const PlausibleRange& range = *quantity.plausible;
    const bool chinese = naming_ == Naming::Caption;
    const std::string unit = quantity.unit.empty() ? "" : " " + std::string(quantity.unit);
    const bool above = figure > range.high;
    const std::string bound = number(above ? range.high : range.low) + unit;
    if (!notes_.empty()) {
        notes_ += chinese ? "；" : "; ";
    }
    notes_ += inputName(input, naming_);
    notes_ += " " + number(figure) + unit;
    if (chinese) {
        notes_ += (above ? " 大于 " : " 小于 ") + bound;
    } else {
        notes_ += (above ? " is more than " : " is less than ") + bound;
    }
    const double slipped = figure * range.slipFactor;
    if (range.slipFactor == 0 || slipped < range.slipLow || slipped > range.high) {
        return;
    }
    if (chinese) {
        notes_ += "：" + std::string(range.slipChinese) + "应为 " + number(slipped);
    } else {
        notes_ += ": " + std::string(range.slip) + " (" + number(slipped) + ")";
    }
}

} // namespace evdrive::batch
