// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tire_radius.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace evdrive {
namespace {

using In = TireDesignation;

struct Tire {
    const char* name;
    TireDesignation tire;
    std::expected<std::string, TireFailure> radius;
};

class ComputeTireRadius : public testing::TestWithParam<Tire> {};

TEST_P(ComputeTireRadius, GivesFourDecimalsOrExplainsTheFailure) {
    EXPECT_EQ(computeTireRadius(GetParam().tire), GetParam().radius);
}

std::unexpected<TireFailure> failure(CalcError kind, FailureCause cause,
                                     std::vector<std::string In::*> inputs) {
    return std::unexpected(TireFailure{kind, cause, std::move(inputs)});
}

constexpr auto TM = CalcError::TypeMismatch;
constexpr auto OV = CalcError::Overflow;
using C = FailureCause;

INSTANTIATE_TEST_SUITE_P(
    Table, ComputeTireRadius,
    testing::Values(
        Tire{"Common", {"195", "70", "15"}, "0.3270"},
        Tire{"ExactHalfOfTheLastPlace", {"205", "55", "16"}, "0.3160"},
        Tire{"Zeros", {"0", "0", "0"}, "0.0000"},
        Tire{"BlanksAround", {" 195 ", "\t70", "15 "}, "0.3270"},
        Tire{"NegativeWidthIsComputed", {"-195", "70", "15"}, "0.0540"},
        Tire{"LightTruckSuffix",
             {"195", "70", "15 LT"},
             failure(TM, C::NotANumber, {&In::rimDiameter})},
        Tire{"EmptyRim", {"195", "70", ""}, failure(TM, C::EmptyField, {&In::rimDiameter})},
        Tire{"WidthReadFirst", {"", "", ""}, failure(TM, C::EmptyField, {&In::sectionWidth})},
        Tire{"AspectReadBeforeRim",
             {"195", "70%", "x"},
             failure(TM, C::NotANumber, {&In::aspectRatio})},
        Tire{"WidthBeyondRange",
             {"1e400", "70", "15"},
             failure(OV, C::NumberBeyondRange, {&In::sectionWidth})},
        Tire{"SidewallBeyondRangeBlamesWidthAndAspect",
             {"1e200", "1e200", "x"},
             failure(OV, C::ResultBeyondRange, {&In::sectionWidth, &In::aspectRatio})}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace evdrive
