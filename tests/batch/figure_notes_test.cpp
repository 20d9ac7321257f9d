// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/figure_notes.h"
#include "core/drivetrain_catalogue.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace evdrive::batch {
namespace {

// The catalogue's examples, an ordinary vehicle.
DrivetrainCells examples() {
    DrivetrainCells cells;
    for (std::size_t i = 0; i < inputCount; ++i) {
        cells[i] = drivetrainInputs[i].example;
    }
    return cells;
}

std::size_t indexOf(std::string_view key) {
    std::size_t index = 0;
    while (drivetrainInputs[index].key != key) {
        ++index;
    }
    return index;
}

std::string notesOf(const DrivetrainCells& fields, Naming naming) {
    std::array<double, inputCount> unread;
    unread.fill(std::numeric_limits<double>::quiet_NaN());
    FigureNotes notes(naming, false);
    return notes.of(unread, fields);
}

TEST(FigureNotes, NoneForAnOrdinaryVehicle) {
    EXPECT_EQ(notesOf(examples(), Naming::Key), "");
}

// A figure at the edge of the range of road vehicles, and one past it, with
// the slip of units it most likely is.
struct Edge {
    const char* name;
    std::string_view key;
    std::string_view figure;
    std::string note;
    Naming naming = Naming::Key;
};

class RangeEdges : public testing::TestWithParam<Edge> {};

TEST_P(RangeEdges, NoteOnlyPastThem) {
    DrivetrainCells fields = examples();
    fields[indexOf(GetParam().key)] = GetParam().figure;
    EXPECT_EQ(notesOf(fields, GetParam().naming), GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RangeEdges,
    testing::Values(Edge{"SmallestTire", "tireRadius", "0.15", ""},
                    Edge{"LargestTire", "tireRadius", "1.5", ""},
                    Edge{"TireBelowTheSmallest", "tireRadius", "0.149",
                         "tireRadius 0.149 m is less than 0.15 m"},
                    Edge{"TireInMillimetres", "tireRadius", "300",
                         "tireRadius 300 m is more than 1.5 m: in mm? (0.3)"},
                    Edge{"TireTooLargeEvenInMillimetres", "tireRadius", "1501",
                         "tireRadius 1501 m is more than 1.5 m"},
                    Edge{"FullEfficiency", "drivetrainEfficiency", "1", ""},
                    Edge{"EfficiencyAsAPercentage", "drivetrainEfficiency", "90",
                         "drivetrainEfficiency 90 is more than 1: a percentage? (0.9)"},
                    Edge{"EfficiencyAsAPercentageInChinese", "drivetrainEfficiency", "90",
                         "传动系统效率 90 大于 1：是否为百分数？应为 0.9", Naming::Caption},
                    Edge{"EfficiencyJustAboveOneIsNoPercentage", "drivetrainEfficiency", "1.1",
                         "drivetrainEfficiency 1.1 is more than 1"},
                    Edge{"ZeroEfficiency", "drivetrainEfficiency", "0",
                         "drivetrainEfficiency 0 is less than 0.01"},
                    Edge{"LightestVehicle", "grossMass", "300", ""},
                    Edge{"HeaviestVehicle", "grossMass", "60000", ""},
                    Edge{"MassInTonnes", "grossMass", "1.5",
                         "grossMass 1.5 kg is less than 300 kg: in t? (1500)"},
                    Edge{"MassBeyondRoadTrains", "grossMass", "60001",
                         "grossMass 60001 kg is more than 60000 kg"},
                    Edge{"RollingCoefficientAsAPercentage", "rollingCoefficient", "1.5",
                         "rollingCoefficient 1.5 is more than 0.3: a percentage? (0.015)"},
                    Edge{"DragOfAStreamlinedCar", "dragCoefficient", "0.15", ""},
                    Edge{"DragTooHigh", "dragCoefficient", "1.6",
                         "dragCoefficient 1.6 is more than 1.5"},
                    Edge{"HeightInMetres", "bodyHeight", "1.5",
                         "bodyHeight 1.5 mm is less than 800 mm: in m? (1500)"},
                    Edge{"WidthInMetresInChinese", "bodyWidth", "1.7",
                         "车身宽度 1.7 mm 小于 900 mm：是否以米为单位？应为 1700", Naming::Caption},
                    Edge{"TorqueInKilonewtonMetres", "motorMaxTorque", "0.2",
                         "motorMaxTorque 0.2 N·m is less than 5 N·m: in kN·m? (200)"},
                    Edge{"GradeNoCalculationReads", "requiredGrade", "150", ""},
                    Edge{"NegativeSpeed", "requiredVelocity", "-60",
                         "requiredVelocity -60 km/h is less than 0 km/h"},
                    Edge{"NoNumberIsNoNote", "grossMass", "3.5t", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FigureNotes, SeveralInFieldOrder) {
    DrivetrainCells fields = examples();
    fields[indexOf("tireRadius")] = "300";
    fields[indexOf("drivetrainEfficiency")] = "90";
    EXPECT_EQ(notesOf(fields, Naming::Caption),
              "轮胎滚动半径 300 m 大于 1.5 m：是否以毫米为单位？应为 0.3；"
              "传动系统效率 90 大于 1：是否为百分数？应为 0.9");
}

} // namespace
} // namespace evdrive::batch
