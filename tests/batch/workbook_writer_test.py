#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The workbook evdrive's writer makes, as openpyxl reads it.

    workbook_writer_test.py WRITE_SAMPLE_WORKBOOK EVDRIVE_BATCH SAMPLES

runs the given program to write tests/batch/workbook_sample.cpp's workbook,
then checks its sheets, cell types and values, the bold and frozen header,
the column widths, the marked cells' fill and notes, and the charts with
their series; then the workbook evdrive-batch writes for a sample workbook
swept over the final drive ratio.
"""
import os
import subprocess
import sys
import tempfile
import unittest

import openpyxl

HEADER = ["车型", "驱动桥速比", "需求车速电机转速 (rpm)", "需求车速功率需求 (kW)",
          "车辆的最大爬坡度 (%)", "错误"]


class WrittenWorkbook(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        path = os.path.join(cls.folder.name, "written.xlsx")
        subprocess.run([sys.argv[1], path], check=True)
        cls.book = openpyxl.load_workbook(path)
        cls.sheet = cls.book["车型结果"]

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_sheets_are_the_data_then_the_charts(self):
        self.assertEqual(self.book.sheetnames, ["车型结果", "图表"])

    def test_numbers_are_numbers_and_texts_texts(self):
        rows = list(self.sheet.iter_rows(values_only=True))
        self.assertEqual(rows[0][0], "电动汽车驱动计算结果")
        self.assertEqual(list(rows[1]), HEADER)
        self.assertEqual(list(rows[2][:5]), ["SUV <4×4> & \"co\"", 6, 3183.02387267905,
                                             6.49468085106383, 23.622531590605])
        self.assertEqual(list(rows[5][:5]), [" 试验台", 6, 1e-7, -0.28, 0.5])
        self.assertEqual(list(rows[7]), [" 试验台", 10, 2500, 0.1, None, "InvalidArgument"])
        self.assertEqual(self.sheet["B3"].data_type, "n")
        self.assertEqual(self.sheet["A3"].data_type, "s")

    def test_header_is_bold_and_frozen_with_columns_as_wide_as_its_texts(self):
        self.assertTrue(all(cell.font.b for cell in self.sheet[2]))
        self.assertFalse(self.sheet["A1"].font.b)
        self.assertFalse(self.sheet["A3"].font.b)
        self.assertEqual(self.sheet.freeze_panes, "A3")
        widths = {letter: self.sheet.column_dimensions[letter].width for letter in "ABCDEF"}
        # Two for a Chinese character, one for another, two to spare; 8.43 at least.
        self.assertAlmostEqual(widths["A"], 8.43 + 0.71, delta=0.8)
        self.assertAlmostEqual(widths["C"], 8 * 2 + 6 + 2 + 0.71, delta=0.8)
        self.assertGreater(widths["D"], widths["B"])

    def test_marked_cells_are_light_red_with_their_notes(self):
        marked = {"E8": "无解：电机转矩超过任何坡度所需", "B9": "驱动桥速比有误"}
        for reference, note in marked.items():
            cell = self.sheet[reference]
            self.assertEqual(cell.fill.fill_type, "solid", reference)
            self.assertEqual(cell.fill.fgColor.rgb, "FFFFC7CE", reference)
            self.assertEqual(cell.comment.text, note, reference)
        self.assertEqual(self.sheet["B9"].value, 7)
        self.assertIsNone(self.sheet["E8"].value)
        self.assertEqual(self.sheet["D8"].fill.fill_type, None)
        self.assertIsNone(self.sheet["D8"].comment)

    def test_chart_sheet_holds_a_chart_for_each_result(self):
        charts = self.book["图表"]._charts
        self.assertEqual(len(charts), 3)
        for chart, column in zip(charts, "CDE"):
            self.assertEqual(chart.tagname, "scatterChart")
            series = chart.series
            self.assertEqual([s.tx.strRef.f if s.tx.strRef else s.tx.v for s in series],
                             ["SUV", "试验台"])
            self.assertEqual([s.xVal.numRef.f for s in series],
                             ["'车型结果'!$B$3:$B$5", "'车型结果'!$B$6:$B$8"])
            self.assertEqual([s.yVal.numRef.f for s in series],
                             [f"'车型结果'!${column}$3:${column}$5", f"'车型结果'!${column}$6:${column}$8"])
        titles = ["".join(run.t for run in chart.title.tx.rich.p[0].r) for chart in charts]
        self.assertEqual(titles, HEADER[2:5])
        self.assertEqual("".join(run.t for run in charts[0].x_axis.title.tx.rich.p[0].r),
                         "驱动桥速比")


class SweptWorkbook(unittest.TestCase):
    """evdrive-batch --sweep finalDriveRatio=6:10:2 -o FILE.xlsx on a sheet of
    five vehicles under a title row and a blank row."""

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        path = os.path.join(cls.folder.name, "扫描.xlsx")
        source = os.path.join(sys.argv[3], "workbook_captions_libreoffice.xlsx")
        subprocess.run([sys.argv[2], "--sweep", "finalDriveRatio=6:10:2", "-o", path, source],
                       check=True, capture_output=True)
        cls.book = openpyxl.load_workbook(path)
        cls.sheet = cls.book.worksheets[0]

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_rows_keep_their_types_under_the_frozen_header(self):
        self.assertEqual(self.book.sheetnames, ["车型", "图表"])
        self.assertEqual(self.sheet.freeze_panes, "A4")
        self.assertEqual(self.sheet["A1"].value, "电动汽车驱动参数")
        self.assertTrue(all(cell.font.b for cell in self.sheet[3] if cell.value))
        # City car at the drive ratios 6, 8 and 10; its check box and date.
        self.assertEqual([self.sheet.cell(row, 3).value for row in (4, 5, 6)], [6, 8, 10])
        self.assertEqual([self.sheet.cell(4, column).value for column in (14, 16, 17, 19)],
                         [True, 45000, 2841.98560060629, 27.1836804847808])
        self.assertEqual(self.sheet["M7"].data_type, "n")

    def test_failed_rows_mark_their_inputs_with_the_windows_message(self):
        for row in (13, 14, 15):
            cell = self.sheet.cell(row, 7)
            self.assertIsNone(cell.value)
            self.assertEqual(cell.fill.fgColor.rgb, "FFFFC7CE")
            self.assertTrue(cell.comment.text.startswith("类型不匹配：“满载总质量”为空。"))
        self.assertIsNone(self.sheet["F13"].comment)
        self.assertTrue(all(self.sheet.cell(16, column).value is None for column in range(1, 24)))

    def test_charts_hold_a_line_for_each_vehicle(self):
        charts = self.book["图表"]._charts
        self.assertEqual(len(charts), 3)
        self.assertEqual(len(charts[2].series), 5)
        first = charts[2].series[0]
        self.assertEqual(first.xVal.numRef.f, "'车型'!$C$4:$C$6")
        self.assertEqual(first.yVal.numRef.f, "'车型'!$S$4:$S$6")
        titles = ["".join(run.t for run in chart.title.tx.rich.p[0].r) for chart in charts]
        self.assertEqual(titles, ["需求车速电机转速 (rpm)", "需求车速功率需求 (kW)",
                                  "车辆的最大爬坡度 (%)"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
