#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""evdrive-batch's .xlsx to .xlsx beside the same work in pandas: read a
workbook of vehicles with read_excel (openpyxl), compute the motor rpm, power
demand and steepest grade row by row in Python, write the table with its
results with to_excel (openpyxl). Prints the best of three runs of each, in
wall-clock and in processor time.

    bench/batch/pandas_workbook.py [--evdrive-batch PROGRAM] [ROWS [WORKBOOK]]

WORKBOOK (by default vehicles_ROWS.xlsx in the temporary folder) is made
first when it is not there: ROWS ordinary vehicles (100000 unless told), a
name and the twelve inputs under their keys. With --evdrive-batch, PROGRAM
runs first over the workbook to a workbook, and over the same table as CSV
to CSV. Needs python3-pandas and python3-openpyxl.
"""
import csv
import math
import os
import subprocess
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


def write_csv(workbook, path):
    """The workbook's table as CSV, each number in its shortest exact form."""
    book = openpyxl.load_workbook(workbook, read_only=True)
    with open(path, "w", newline="", encoding="utf-8") as table:
        writer = csv.writer(table, lineterminator="\n")
        for row in book.worksheets[0].iter_rows(values_only=True):
            writer.writerow(["" if value is None else repr(value) if isinstance(value, float)
                             else value for value in row])


def best_of_three(run):
    """The least wall-clock and processor seconds of three runs; the
    processor time too, for on a shared machine the wall-clock time says more
    about the others."""
    best = cpu = math.inf
    for _ in range(3):
        started, started_cpu = time.perf_counter(), time.process_time()
        children = os.times()
        run()
        after = os.times()
        best = min(best, time.perf_counter() - started)
        cpu = min(cpu, time.process_time() - started_cpu + after.children_user - children.children_user
                  + after.children_system - children.children_system)
    return best, cpu


def report(what, rows, seconds):
    best, cpu = seconds
    print(f"{what}: {rows} rows in {best:.2f} s (processor {cpu:.2f} s), {rows / best:.0f} rows/s")


def run(source, target):
    table = pandas.read_excel(source, engine="openpyxl")
    results = [figures(vehicle) for vehicle in table.itertuples(index=False)]
    table["motorRpm"], table["power"], table["grade"] = zip(*results)
    table.to_excel(target, index=False, engine="openpyxl")


def main():
    args = sys.argv[1:]
    program = None
    if args[:1] == ["--evdrive-batch"]:
        program, args = args[1], args[2:]
    rows = int(args[0]) if args else 100_000
    source = (args[1] if len(args) > 1
              else os.path.join(tempfile.gettempdir(), f"vehicles_{rows}.xlsx"))
    if not os.path.exists(source):
        make_workbook(source, rows)
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "results.xlsx")
        if program:
            table = os.path.join(folder, "vehicles.csv")
            write_csv(source, table)

            def batch(given, written):
                subprocess.run([program, "-o", os.path.join(folder, written), given],
                               check=True, stderr=subprocess.DEVNULL)

            evdrive = best_of_three(lambda: batch(source, "results.xlsx"))
            report("evdrive-batch .xlsx to .xlsx", rows, evdrive)
            report("evdrive-batch CSV to CSV", rows, best_of_three(lambda: batch(table, "r.csv")))
        pandas = best_of_three(lambda: run(source, target))
        report("pandas with openpyxl .xlsx to .xlsx", rows, pandas)
        if program:
            print(f"pandas / evdrive-batch: {pandas[0] / evdrive[0]:.1f} times the wall-clock "
                  f"time, {pandas[1] / evdrive[1]:.1f} times the processor time")


if __name__ == "__main__":
    main()
