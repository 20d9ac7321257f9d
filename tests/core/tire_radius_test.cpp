#include "core/tire_radius.h"
#include "tests/core/table_row.h"

#include <gtest/gtest.h>
#include <string>

namespace evdrive {
namespace {

using In = TireDesignation;

struct Tire {
    const char* name;
    TireDesignation tire;
    std::expected<std::string, CalcError> radius;
    std::string In::*blamed = nullptr;
};

class ComputeTireRadius : public testing::TestWithParam<Tire> {};

TEST_P(ComputeTireRadius, GivesFourDecimalsOrBlamesAField) {
    const Tire& row = GetParam();
    EXPECT_EQ(computeTireRadius(row.tire), row.radius);
    const auto detailed = computeTireRadiusOrBlame(row.tire);
    if (!detailed) {
        EXPECT_EQ(detailed.error().blamedInput, row.blamed);
    }
}

constexpr auto TM = CalcError::TypeMismatch;
constexpr auto OV = CalcError::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Table, ComputeTireRadius,
    testing::Values(
        Tire{"Common", {"195", "70", "15"}, "0.3270"},
        Tire{"ExactHalfOfTheLastPlace", {"205", "55", "16"}, "0.3160"},
        Tire{"Zeros", {"0", "0", "0"}, "0.0000"},
        Tire{"BlanksAround", {" 195 ", "\t70", "15 "}, "0.3270"},
        Tire{"NegativeWidthIsComputed", {"-195", "70", "15"}, "0.0540"},
        Tire{"LightTruckSuffix", {"195", "70", "15 LT"}, std::unexpected(TM), &In::rimDiameter},
        Tire{"EmptyRim", {"195", "70", ""}, std::unexpected(TM), &In::rimDiameter},
        Tire{"WidthReadFirst", {"", "", ""}, std::unexpected(TM), &In::sectionWidth},
        Tire{"AspectReadBeforeRim", {"195", "70%", "x"}, std::unexpected(TM), &In::aspectRatio},
        Tire{"WidthBeyondRange", {"1e400", "70", "15"}, std::unexpected(OV), &In::sectionWidth},
        Tire{"ProductBeyondRangeBlamesNoField", {"1e200", "1e200", "15"}, std::unexpected(OV)}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace evdrive
