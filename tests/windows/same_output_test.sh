#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs evdrive-batch of a Linux build and evdrive-batch.exe under Wine over one
# generated table of plausible and of random vehicles, and fails unless both
# write the very same bytes: every figure, the grade's last digit included, is
# the same on both platforms.
# Usage: same_output_test.sh LINUX_EVDRIVE_BATCH WINDOWS_EVDRIVE_BATCH [ROWS]
# Wine runs in the prefix of WINEPREFIX.
set -euo pipefail
native=$1
windows=$2
rows=${3:-200000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Two rows in three are vehicles as engineers size them, written with 3 to 17
# significant digits; the rest have figures of any magnitude, now and then
# negative, empty or no number at all. The same seed gives the same table.
LC_ALL=C awk -v rows="$rows" '
    function digits(x) { return sprintf("%." (3 + int(rand() * 15)) "g", x) }
    function within(low, high) { return digits(low + rand() * (high - low)) }
    function anything(    r) {
        r = rand()
        if (r < 0.02) return ""
        if (r < 0.04) return "x" int(rand() * 100)
        return (r < 0.1 ? "-" : "") digits(10 ^ (rand() * 10 - 4))
    }
    BEGIN {
        srand(20261207)
        print "vehicle,gearRatio,finalDriveRatio,tireRadius,requiredVelocity," \
              "drivetrainEfficiency,grossMass,rollingCoefficient,dragCoefficient," \
              "bodyHeight,bodyWidth,motorMaxTorque,requiredGrade"
        for (i = 1; i <= rows; ++i) {
            if (rand() < 2 / 3) {
                row = within(1, 15) "," within(2, 12) "," within(0.2, 0.55) "," \
                      within(10, 200) "," within(0.7, 0.98) "," within(500, 49000) "," \
                      within(0.005, 0.04) "," within(0.15, 0.9) "," within(1000, 4200) "," \
                      within(1400, 2600) "," within(30, 4000) "," within(5, 60)
            } else {
                row = anything()
                for (k = 2; k <= 12; ++k) row = row "," anything()
            }
            print "v" i "," row
        }
    }' >"$work/vehicles.csv"

"$native" "$work/vehicles.csv" >"$work/linux.csv" 2>"$work/linux.err"
wine "$windows" <"$work/vehicles.csv" >"$work/windows.csv" 2>"$work/windows.err"

if ! cmp -s "$work/linux.csv" "$work/windows.csv"; then
    echo "same_output_test: evdrive-batch on Linux and on Windows differ for $rows vehicles;" \
        "the first differing rows (Linux <, Windows >):" >&2
    diff "$work/linux.csv" "$work/windows.csv" | head -n 20 >&2 || true
    exit 1
fi
grades=$(awk -F, 'NR > 1 && $16 != "" { ++n } END { print n + 0 }' "$work/linux.csv")
echo "same_output_test: $rows vehicles, $grades grades, $(wc -c <"$work/linux.csv") bytes:" \
    "the same from Linux and Windows"
