#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes vehicle_sheet_utf8.csv and vehicle_sheet_gbk.csv: a vehicle sheet as
engineers keep it, saved as CSV by LibreOffice, which writes the cells as they
are displayed. A title row above the header, a blank row, formulas, the
number formats #,##0 and 0%, a header cell wrapped over two lines, headers in
the "quantity/unit" style and in the words engineers use, a blank cell.

Needs python3-openpyxl and libreoffice-calc-nogui; run it in this folder."""

import pathlib
import subprocess
import tempfile

import openpyxl
from openpyxl.styles import Alignment

HEADER = ["车型", "变速器速比", "主减速比", "轮胎滚动半径/m", "需求车速/(km/h)", "传动效率",
          "满载总质量\n(kg)", "滚阻系数", "风阻系数", "车高/mm", "车宽/mm",
          "电机峰值扭矩 (N·m)", "爬坡度需求 (%)", "备注"]
VEHICLES = [
    ["城市小车", 1, 7.5, 0.28, 50, 0.92, 1100, 0.012, 0.32, 1550, 1650, 150, 25, "两座"],
    ["紧凑型", 1, 8, 0.3, 60, 0.9, 1500, 0.015, 0.3, 1500, 1700, 200, 30, None],
    ["SUV", 1, 9.5, 0.35, 80, 0.9, 2200, 0.015, 0.38, 1700, 1900, 350, 35, "四驱"],
    None,
    ["厢式货车", 1.5, 10, "=15*0.0127+0.215*0.65", 70, 0.88, "=2000+1500", 0.018, 0.45, 2300,
     2000, 300, 20, "轮胎 215/65 R15"],
    ["皮卡", 1, 9, 0.34, 70, 0.9, 2800, 0.016, 0.42, 1800, 1850, None, 30, "缺转矩"],
    ["试验台", 1, 8, 0.3, 60, 0.9, 1500, 0.015, 0.3, 1500, 1700, 2000, 30, "转矩过大"],
]
# LibreOffice's numbers for the encodings of its CSV filter.
ENCODINGS = {"utf8": 76, "gbk": 67}


def workbook(path):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "车型参数"
    sheet.append(["2024 年车型参数表（驱动电机选型）"])
    sheet.append(HEADER)
    sheet["G2"].alignment = Alignment(wrap_text=True)
    for vehicle in VEHICLES:
        sheet.append(vehicle or [])
    for row in range(3, 3 + len(VEHICLES)):
        sheet.cell(row=row, column=6).number_format = "0%"
        sheet.cell(row=row, column=7).number_format = "#,##0"
        sheet.cell(row=row, column=11).number_format = "#,##0"
    book.save(path)


def main():
    with tempfile.TemporaryDirectory() as work:
        source = pathlib.Path(work, "vehicle_sheet.xlsx")
        workbook(source)
        for name, encoding in ENCODINGS.items():
            out = pathlib.Path(work, name)
            # Comma, double quote, the encoding, from the first row, cells as shown.
            subprocess.run(["soffice", "--headless", "--convert-to",
                            f"csv:Text - txt - csv (StarCalc):44,34,{encoding},1,,0,false,true,true",
                            "--outdir", str(out), str(source)], check=True, capture_output=True)
            pathlib.Path(f"vehicle_sheet_{name}.csv").write_bytes(
                (out / "vehicle_sheet.csv").read_bytes())


if __name__ == "__main__":
    main()
