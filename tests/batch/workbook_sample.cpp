// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/batch/workbook_sample.h"

#include "batch/workbook/workbook_writer.h"

namespace evdrive::batch {
namespace {

using Kind = WorkbookCell::Kind;

WorkbookCell text(std::string_view value) {
    return {.kind = Kind::Text, .text = value};
}

WorkbookCell number(double value) {
    return {.kind = Kind::Number, .number = value};
}

} // namespace

Outcome<> writeSampleWorkbook(const std::string& path) {
    auto writer = WorkbookWriter::create(path, path, "车型结果");
    if (!writer) {
        return std::unexpected(writer.error());
    }
    const std::vector<std::vector<WorkbookCell>> rows = {
        {text("电动汽车驱动计算结果")},
        {text("车型"), text("驱动桥速比"), text("需求车速电机转速 (rpm)"),
         text("需求车速功率需求 (kW)"), text("车辆的最大爬坡度 (%)"), text("错误")},
        {text("SUV <4×4> & \"co\""), number(6), number(3183.02387267905), number(6.49468085106383),
         number(23.622531590605)},
        {text("SUV <4×4> & \"co\""), number(8), number(4244.03183023873), number(6.49468085106383),
         number(32.7845476238428)},
        {text("SUV <4×4> & \"co\""), number(10), number(5305.03978779841), number(6.49468085106383),
         number(42.7598324350799)},
        {text(" 试验台"), number(6), number(1e-7), number(-0.28), number(0.5)},
        {text(" 试验台"), number(8), number(1500), number(1e21), number(12.5)},
        {text(" 试验台"),
         number(10),
         number(2500),
         number(0.1),
         {.kind = Kind::Empty, .marked = true, .comment = "无解：电机转矩超过任何坡度所需"},
         text("InvalidArgument")},
        {{}, {.kind = Kind::Number, .number = 7, .marked = true, .comment = "驱动桥速比有误"}},
    };
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (const auto written =
                (*writer)->writeRow(rows[row], row == 1 ? RowStyle::Header : RowStyle::Normal);
            !written) {
            return written;
        }
    }
    const std::vector<ChartSeries> series = {{"SUV", 2, 4}, {"试验台", 5, 7}};
    const ChartSheet charts{"图表",
                            {
                                {"需求车速电机转速 (rpm)", "驱动桥速比", "rpm", 1, 2, series},
                                {"需求车速功率需求 (kW)", "驱动桥速比", "kW", 1, 3, series},
                                {"车辆的最大爬坡度 (%)", "驱动桥速比", "%", 1, 4, series},
                            }};
    if (const auto added = (*writer)->addChartSheet(charts); !added) {
        return added;
    }
    return (*writer)->close();
}

std::vector<std::string> sampleWorkbookRows() {
    return {
        "1: T'电动汽车驱动计算结果'",
        "2: T'车型' T'驱动桥速比' T'需求车速电机转速 (rpm)' T'需求车速功率需求 (kW)' "
        "T'车辆的最大爬坡度 (%)' T'错误'",
        "3: T'SUV <4×4> & \"co\"' N'6' N'3183.02387267905' N'6.49468085106383' N'23.622531590605'",
        "4: T'SUV <4×4> & \"co\"' N'8' N'4244.03183023873' N'6.49468085106383' N'32.7845476238428'",
        "5: T'SUV <4×4> & \"co\"' N'10' N'5305.03978779841' N'6.49468085106383' "
        "N'42.7598324350799'",
        "6: T' 试验台' N'6' N'1e-07' N'-0.28' N'0.5'",
        "7: T' 试验台' N'8' N'1500' N'1e+21' N'12.5'",
        "8: T' 试验台' N'10' N'2500' N'0.1' E'' T'InvalidArgument'",
        "9: E'' N'7'",
    };
}

} // namespace evdrive::batch
