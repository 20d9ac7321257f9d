#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the sample workbooks of tests/batch/samples, once; they are checked in.

    tests/batch/samples/make_workbooks.py

- workbook_captions_openpyxl.xlsx: written by openpyxl, whose formulas carry
  no stored value; a title row and a blank row above the header, captions
  with units, number formats, a skipped cell and a skipped row, a boolean and
  an error value, a Chinese sheet name and a second sheet;
- workbook_captions_libreoffice.xlsx: the same saved by LibreOffice, which
  computes the formulas and stores their values;
- workbook_keys_handmade.xlsx: XML written here as other programs write it:
  "x:" namespace prefixes, inline strings, rich text with a phonetic run,
  rows and cells without their references, a formula with a string result,
  and the first sheet in tab order stored as sheet2.xml;
- workbook_damaged_xml.xlsx, workbook_missing_string.xlsx: the hand-made
  workbook with its sheet's XML cut short, and with a cell naming a shared
  string the workbook does not have;
- other_formats/: an OpenDocument spreadsheet and an Excel 97-2003 workbook
  saved by LibreOffice, that workbook again named .et, a binary workbook's
  and a plain zip's parts, a PDF's start.

Needs python3-openpyxl and LibreOffice (libreoffice-calc-nogui).
"""
import os
import shutil
import subprocess
import tempfile
import zipfile

import openpyxl
from openpyxl.styles import Font

here = os.path.dirname(os.path.abspath(__file__))
others = os.path.join(here, "other_formats")

CAPTIONS = ["车型", "变速器速比", "驱动桥速比", "轮胎滚动半径 (m)", "需求车速 (km/h)", "传动系统效率",
            "满载总质量 (kg)", "滚动阻力系数", "空气阻力系数", "车身高度 (mm)", "车身宽度 (mm)",
            "电机最大转矩 (N·m)", "爬坡度需求 (%)", "已核对"]


def captions_workbook(path):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "车型"
    sheet["A1"] = "电动汽车驱动参数"
    sheet["A1"].font = Font(bold=True, size=14)
    # Row 2 is left blank; the header is row 3.
    sheet.append([])
    sheet.append(CAPTIONS)
    rows = [
        ["城市小车", 1, 7.5, 0.28, 50, 0.92, 1100, 0.012, 0.32, 1550, 1650, 150, 25, True],
        ["紧凑型", 1, "=4*2", 0.3, 60, 0.9, 1500, 0.015, 0.3, 1500, 1700, 200, 30, False],
        ["SUV", 1, 9.5, 0.35, "=B6*80", 0.9, 2200, 0.015, 0.38, 1700, 1900, 350, 35, "#N/A"],
        ["厢式货车", 1, 10, 0.33, 70, 0.88, None, 0.018, 0.45, 2300, 2000, 300, 20],
    ]
    for row in rows:
        sheet.append(row)
    # Row 8 is skipped; the test rig is row 9.
    sheet.append([])
    sheet.append(["试验台", 1, 8, 0.3, 60, 0.9, 1500, 0.015, 0.3, 1500, 1700, 2000, 30])
    for row in range(4, 10):
        sheet.cell(row, 6).number_format = "0%"
        sheet.cell(row, 7).number_format = "#,##0"
        # A date is a number with a date format, in a column of the table's own
    # after one without a name.
    sheet["P3"] = "核对日期"
    sheet["P4"] = 45000
    sheet["P4"].number_format = "yyyy-mm-dd"
    notes = book.create_sheet("备注")
    notes["A1"] = "数据来源：样车试验"
    book.save(path)


def saved_by_libreoffice(source, target, extension, filter_name):
    with tempfile.TemporaryDirectory() as work:
        profile = "file://" + os.path.join(work, "profile")
        subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless",
                        "--convert-to", extension + ":" + filter_name, "--outdir", work, source],
                       check=True, stdout=subprocess.DEVNULL)
        made = os.path.join(work, os.path.splitext(os.path.basename(source))[0] + "." + extension)
        shutil.move(made, target)


MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PACKAGE_RELS = "http://schemas.openxmlformats.org/package/2006/relationships"


def handmade_workbook(path, edit=lambda sheet: sheet):
    content_types = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/worksheets/sheet2.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/strings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>
</Types>"""
    package_rels = f"""<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="{PACKAGE_RELS}">
<Relationship Id="rId1" Type="{RELS}/officeDocument" Target="xl/workbook.xml"/>
</Relationships>"""
    # The tabs: "vehicles" first, stored as sheet2.xml; "other" second.
    workbook = f"""<?xml version="1.0" encoding="UTF-8"?>
<x:workbook xmlns:x="{MAIN}" xmlns:rel="{RELS}">
<x:sheets>
<x:sheet name="vehicles" sheetId="2" rel:id="rIdB"/>
<x:sheet name="other" sheetId="1" rel:id="rIdA"/>
</x:sheets>
</x:workbook>"""
    workbook_rels = f"""<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="{PACKAGE_RELS}">
<Relationship Id="rIdA" Type="{RELS}/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rIdB" Type="{RELS}/worksheet" Target="/xl/worksheets/sheet2.xml"/>
<Relationship Id="rIdS" Type="{RELS}/sharedStrings" Target="strings.xml"/>
</Relationships>"""
    # Shared strings: plain, rich text in runs, one with a phonetic run.
    strings = f"""<?xml version="1.0" encoding="UTF-8"?>
<x:sst xmlns:x="{MAIN}" count="5" uniqueCount="5">
<x:si><x:t>vehicle</x:t></x:si>
<x:si><x:t>gearRatio</x:t></x:si>
<x:si><x:r><x:rPr><x:b/></x:rPr><x:t>final</x:t></x:r><x:r><x:t xml:space="preserve">Drive Ratio</x:t></x:r></x:si>
<x:si><x:t>城市小车</x:t><x:rPh sb="0" eb="2"><x:t>chengshi</x:t></x:rPh></x:si>
<x:si><x:t>tireRadius</x:t></x:si>
</x:sst>"""
    vehicles = f"""<?xml version="1.0" encoding="UTF-8"?>
<x:worksheet xmlns:x="{MAIN}">
<x:sheetData>
<x:row r="1"><x:c r="A1" t="s"><x:v>0</x:v></x:c><x:c r="B1" t="s"><x:v>1</x:v></x:c><x:c r="C1" t="s"><x:v>2</x:v></x:c><x:c r="D1" t="s"><x:v>4</x:v></x:c><x:c r="E1" t="inlineStr"><x:is><x:t>requiredVelocity</x:t></x:is></x:c><x:c r="F1" t="inlineStr"><x:is><x:r><x:t>checked</x:t></x:r><x:r><x:t>?</x:t></x:r></x:is></x:c></x:row>
<x:row><x:c t="s"><x:v>3</x:v></x:c><x:c><x:v>1</x:v></x:c><x:c><x:f>3*2.5</x:f><x:v>7.5</x:v></x:c><x:c><x:v>0.28000000000000003</x:v></x:c><x:c t="n"><x:v>5E1</x:v></x:c><x:c t="b"><x:v>1</x:v></x:c></x:row>
<x:row r="4"><x:c r="A4" t="str"><x:f>"van"&amp;" 3.5 t"</x:f><x:v>van 3.5 t</x:v></x:c><x:c r="C4"><x:v>10</x:v></x:c><x:c r="D4"><x:f>C4/0</x:f></x:c><x:c r="E4" t="e"><x:f>1/0</x:f><x:v>#DIV/0!</x:v></x:c><x:c r="F4" t="b"><x:v>0</x:v></x:c><x:c r="H4" s="1"/></x:row>
<x:row r="5" spans="1:3"/>
<x:row r="6"><x:c r="B6"><x:v>-1.5e-7</x:v></x:c><x:c r="AA6" t="inlineStr"><x:is><x:t>far</x:t></x:is></x:c></x:row>
</x:sheetData>
</x:worksheet>"""
    other = f"""<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="{MAIN}"><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>other sheet</t></is></c></row></sheetData></worksheet>"""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("[Content_Types].xml", content_types)
        archive.writestr("_rels/.rels", package_rels)
        archive.writestr("xl/workbook.xml", workbook)
        archive.writestr("xl/_rels/workbook.xml.rels", workbook_rels)
        archive.writestr("xl/strings.xml", strings)
        archive.writestr("xl/worksheets/sheet1.xml", other)
        archive.writestr("xl/worksheets/sheet2.xml", edit(vehicles))


def damaged_workbooks():
    handmade_workbook(os.path.join(here, "workbook_damaged_xml.xlsx"),
                      lambda sheet: sheet[:sheet.index('<x:row r="4">') + 12])
    handmade_workbook(os.path.join(here, "workbook_missing_string.xlsx"),
                      lambda sheet: sheet.replace('<x:v>3</x:v>', '<x:v>99</x:v>'))


def zip_of(path, parts):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in parts.items():
            archive.writestr(name, text)


def main():
    os.makedirs(others, exist_ok=True)
    openpyxl_made = os.path.join(here, "workbook_captions_openpyxl.xlsx")
    captions_workbook(openpyxl_made)
    saved_by_libreoffice(openpyxl_made, os.path.join(here, "workbook_captions_libreoffice.xlsx"),
                         "xlsx", "Calc MS Excel 2007 XML")
    handmade_workbook(os.path.join(here, "workbook_keys_handmade.xlsx"))
    damaged_workbooks()

    saved_by_libreoffice(openpyxl_made, os.path.join(others, "vehicles.ods"), "ods", "calc8")
    saved_by_libreoffice(openpyxl_made, os.path.join(others, "vehicles.xls"), "xls", "MS Excel 97")
    shutil.copy(os.path.join(others, "vehicles.xls"), os.path.join(others, "vehicles.et"))
    zip_of(os.path.join(others, "vehicles.xlsb"),
           {"[Content_Types].xml": "<Types/>", "xl/workbook.bin": "\x83\x01\x00"})
    zip_of(os.path.join(others, "tables.zip"), {"vehicles.csv": "gearRatio\n1\n"})
    with open(os.path.join(others, "manual.pdf"), "wb") as pdf:
        pdf.write(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n")


if __name__ == "__main__":
    main()
