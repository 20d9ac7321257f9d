#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The same work in pandas, to set evdrive-batch's .xlsx to .xlsx beside:
read a workbook of vehicles with read_excel (openpyxl), compute the motor
rpm, power demand and steepest grade row by row in Python, write the table
with its results with to_excel (openpyxl). Prints the best of three runs, in wall-clock and
in processor time.

    bench/batch/pandas_workbook.py [ROWS [WORKBOOK]]

WORKBOOK (by default vehicles_ROWS.xlsx in the temporary folder) is made
first when it is not there: ROWS ordinary vehicles (100000 unless told), a
name and the twelve inputs under their keys. Needs python3-pandas and
python3-openpyxl.
"""
import math
import os
import random
import sys
import tempfile
import time

import openpyxl
import pandas

KEYS = ["gearRatio", "finalDriveRatio", "tireRadius", "requiredVelocity", "drivetrainEfficiency",
        "grossMass", "rollingCoefficient", "dragCoefficient", "bodyHeight", "bodyWidth",
        "motorMaxTorque", "requiredGrade"]


def make_workbook(path, rows):
    rng = random.Random(2026)
    book = openpyxl.Workbook(write_only=True)
    sheet = book.create_sheet("vehicles")
    sheet.append(["vehicle"] + KEYS)
    for row in range(rows):
        mass = round(rng.uniform(900, 3500), -1)
        sheet.append([
            f"variant {row}", 1 if rng.random() < 0.75 else round(rng.uniform(1.2, 2), 2),
            round(rng.uniform(6, 11), 2), round(rng.uniform(0.27, 0.38), 3),
            round(rng.uniform(20, 160)), round(rng.uniform(0.85, 0.95), 2), mass,
            round(rng.uniform(0.008, 0.02), 3), round(rng.uniform(0.25, 0.45), 2),
            round(rng.uniform(1300, 2200), -1), round(rng.uniform(1600, 2000), -1),
            round(mass * rng.uniform(0.07, 0.16) / 5) * 5, round(rng.uniform(15, 40))])
    book.save(path)


def figures(v):
    """Motor rpm, power demand in kW and steepest grade in %, as the core computes them."""
    rpm = v.finalDriveRatio * (v.gearRatio * v.requiredVelocity) / 0.377 / v.tireRadius
    rolling = v.requiredVelocity * (v.rollingCoefficient * (v.grossMass * 9.8))
    air = (v.requiredVelocity ** 3 * v.bodyWidth * v.bodyHeight * v.dragCoefficient
           / 21.15 / 1000 / 1000)
    power = 1 / 3600 / v.drivetrainEfficiency * (air + rolling)
    dynamic = (v.drivetrainEfficiency * v.finalDriveRatio * v.gearRatio * v.motorMaxTorque
               / v.grossMass / v.tireRadius / 9.8)
    sine = dynamic - v.rollingCoefficient
    grade = math.tan(math.atan(sine / math.sqrt(1 - sine * sine))) * 100 if abs(sine) < 1 else None
    return rpm, power, grade


def run(source, target):
    table = pandas.read_excel(source, engine="openpyxl")
    results = [figures(vehicle) for vehicle in table.itertuples(index=False)]
    table["motorRpm"], table["power"], table["grade"] = zip(*results)
    table.to_excel(target, index=False, engine="openpyxl")


def main():
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 100_000
    source = (sys.argv[2] if len(sys.argv) > 2
              else os.path.join(tempfile.gettempdir(), f"vehicles_{rows}.xlsx"))
    if not os.path.exists(source):
        make_workbook(source, rows)
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "results.xlsx")
        best = cpu = math.inf
        for _ in range(3):
            started, started_cpu = time.perf_counter(), time.process_time()
            run(source, target)
            best = min(best, time.perf_counter() - started)
            cpu = min(cpu, time.process_time() - started_cpu)
    # The processor time too: on a shared machine the wall-clock time says
    # more about the others.
    print(f"pandas with openpyxl: {rows} rows of {source} in {best:.2f} s "
          f"(processor {cpu:.2f} s), {rows / best:.0f} rows/s")


if __name__ == "__main__":
    main()
