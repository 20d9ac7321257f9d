// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/sweep.h"

#include "batch/translation.h"
#include "core/number_text.h"

#include <cmath>

namespace evdrive::batch {
namespace {

double value(double from, double step, std::uint64_t k) {
    return from + static_cast<double>(k) * step;
}

// Whether the k-th value is not beyond TO by more than the tolerance.
bool within(double from, double step, double to, std::uint64_t k) {
    const double beyond = step > 0 ? value(from, step, k) - to : to - value(from, step, k);
    return beyond <= std::fabs(step) * 1e-9;
}

} // namespace

std::string Sweep::text(std::uint64_t k) const {
    return formatGeneral(value(from, step, k));
}

Outcome<Sweep> parseSweep(std::string_view range, std::string_view where) {
    const auto fault = [&](std::string what) {
        return problem(ExitStatus::BadInput, std::string(where), std::move(what));
    };
    const auto firstColon = range.find(':');
    const auto secondColon = range.find(':', firstColon + 1);
    if (secondColon == std::string_view::npos ||
        range.find(':', secondColon + 1) != std::string_view::npos) {
        return fault(std::string(tr("expected FROM:TO:STEP")));
    }
    const std::string_view texts[] = {range.substr(0, firstColon),
                                      range.substr(firstColon + 1, secondColon - firstColon - 1),
                                      range.substr(secondColon + 1)};
    const char* const names[] = {"FROM", "TO", "STEP"};
    double numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto number = parseStrict(texts[i]);
        if (!number) {
            return fault(format(number.error() == CalcError::Overflow
                                    ? tr("%1 is beyond the double range")
                                    : tr("%1 is not a number"),
                                {names[i]}));
        }
        numbers[i] = *number;
    }
    const auto [from, to, step] = numbers;
    if (step == 0) {
        return fault(std::string(tr("STEP is zero")));
    }
    if ((to > from && step < 0) || (to < from && step > 0)) {
        return fault(std::string(tr("STEP leads away from TO")));
    }
    // to − from may be beyond the double range: the quotient is then infinite.
    const double steps = (to - from) / step;
    if (!(steps < static_cast<double>(maxSweepRows))) {
        return fault(std::string(tr(tooManyRows)));
    }
    auto last = static_cast<std::uint64_t>(steps);
    while (within(from, step, to, last + 1)) {
        ++last;
    }
    while (last > 0 && !within(from, step, to, last)) {
        --last;
    }
    if (last + 1 > maxSweepRows) {
        return fault(std::string(tr(tooManyRows)));
    }
    return Sweep{from, step, last + 1};
}

} // namespace evdrive::batch
