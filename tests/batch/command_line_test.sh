#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built evdrive-batch as a user would: a table from a file, a sweep,
# a workbook, a malformed table, a full disk, a folder for a FILE, standard input at a
# terminal, and checks its streams and exit statuses.
# Usage: command_line_test.sh EVDRIVE_BATCH VERSION [EMULATOR...]
# With an emulator (Wine, for the Windows build) the command runs through it.
set -uo pipefail
batch=$1 version=$2
shift 2
run=("$@" "$batch")
# Windows refuses to open a folder as a file, as it does a file it may not read.
folder_error="Is a directory"
case $batch in *.exe) folder_error="Permission denied" ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$1" >&2; exit 1; }
# expect STATUS COMMAND...: runs the command, its output in $work/out and $work/err.
expect() {
    local want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq "$want" ] || fail "$* exited with $status, not $want: $(cat "$work/err")"
}

inputs=gearRatio,finalDriveRatio,tireRadius,requiredVelocity,drivetrainEfficiency,grossMass,rollingCoefficient,dragCoefficient,bodyHeight,bodyWidth,motorMaxTorque,requiredGrade
printf '%s\r\n%s\r\n%s\r\n' "vehicle,$inputs" "worked,1,8,0.3,60,0.9,1500,0.015,0.3,1500,1700,200,30" \
    "no radius,1,8,0,60,0.9,1500,0.015,0.3,1500,1700,200,30" >"$work/table.csv"
expect 0 "${run[@]}" "$work/table.csv"
printf '%s\r\n' "vehicle,$inputs,motorRpm,power,grade,error,cause,field,note" \
    "worked,1,8,0.3,60,0.9,1500,0.015,0.3,1500,1700,200,30,4244.03183023873,6.49468085106383,32.7845476238428,,,," \
    "no radius,1,8,0,60,0.9,1500,0.015,0.3,1500,1700,200,30,,,,DivisionByZero,ZeroDivisor,tireRadius,tireRadius 0 m is less than 0.15 m" >"$work/expected"
cmp -s "$work/out" "$work/expected" || fail "the table came out as: $(cat -A "$work/out")"
[ "$(cat "$work/err")" = "evdrive-batch: 2 rows, 1 failed: 1 DivisionByZero; the first on line 3; 1 row with a note on its figures" ] ||
    fail "the failed row was summed up as: $(cat "$work/err")"
expect 3 "${run[@]}" --strict "$work/table.csv"
cmp -s "$work/out" "$work/expected" || fail "--strict changed the table: $(cat -A "$work/out")"
expect 2 "${run[@]}" "$work"
[ "$(cat "$work/err")" = "evdrive-batch: $work: $folder_error" ] ||
    fail "a folder for a FILE was reported as: $(cat "$work/err")"

expect 0 "${run[@]}" --set gearRatio=1 --sweep=finalDriveRatio=6:10:0.5 --set tireRadius=0.3 \
    --set requiredVelocity=60
[ "$(cut -d, -f2,13 "$work/out" | tr '\n' ' ')" = \
    "finalDriveRatio,motorRpm 6,3183.02387267905 6.5,3448.27586206897 7,3713.52785145889 7.5,3978.77984084881 8,4244.03183023873 8.5,4509.28381962865 9,4774.53580901857 9.5,5039.78779840849 10,5305.03978779841 " ] ||
    fail "the sweep came out as: $(cat "$work/out")"

# A byte-order mark and a UTF-16 character that come a byte at a time through a pipe.
{ printf '\377'; sleep 0.1; printf '\376'; sleep 0.1; printf 'g\0'; sleep 0.1
  printf 'e\0a\0r\0R\0a\0t\0i\0o\0\n\0\061\0\n\0'; } |
    "${run[@]}" --jobs 1 >"$work/out" 2>/dev/null
[ "$(iconv -f UTF-16 -t UTF-8 "$work/out" | head -n 1)" = "gearRatio,motorRpm,power,grade,error,cause,field,note" ] ||
    fail "a UTF-16 table through a slow pipe came out as: $(od -c "$work/out" | head -3)"

# A workbook under a Chinese name, read and written as a workbook that reads
# back as the same table (a build with workbooks says so in WORKBOOKS=1).
if [ "${WORKBOOKS:-0}" = 1 ]; then
    samples=$(cd "$(dirname "$0")" && pwd)/samples
    cp "$samples/workbook_captions_libreoffice.xlsx" "$work/车型参数.xlsx"
    expect 0 "${run[@]}" -o "$work/结果.xlsx" "$work/车型参数.xlsx"
    [ "$(head -c 2 "$work/结果.xlsx")" = PK ] || fail "-o 结果.xlsx wrote no workbook"
    expect 0 "${run[@]}" "$work/结果.xlsx"
    cmp -s "$work/out" "$samples/workbook_captions_libreoffice.out.csv" ||
        fail "the written workbook read back as: $(cat "$work/out")"
    [ "$(cat "$work/err")" = "evdrive-batch: 5 rows, 2 failed: 1 TypeMismatch, 1 InvalidArgument; the first in row 7 of the sheet" ] ||
        fail "the written workbook was summed up as: $(cat "$work/err")"
    rm "$work/车型参数.xlsx" "$work/结果.xlsx"
    if [ $# -eq 0 ]; then
        # Through a named pipe, whose bytes come only once.
        mkfifo "$work/pipe.xlsx"
        cat "$samples/workbook_captions_libreoffice.xlsx" >"$work/pipe.xlsx" &
        expect 0 "${run[@]}" "$work/pipe.xlsx"
        cmp -s "$work/out" "$samples/workbook_captions_libreoffice.out.csv" ||
            fail "a workbook through a named pipe came out as: $(cat "$work/err")"
        rm "$work/pipe.xlsx"
    fi
fi

printf 'gearRatio\n1\n2,3\n4\n' >"$work/malformed.csv"
expect 2 "${run[@]}" - <"$work/malformed.csv"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "not the header and one row before the malformed line: $(cat "$work/out")"
[ "$(tail -n 1 "$work/err")" = "evdrive-batch: line 3: 2 cells, more than the header's 1" ] ||
    fail "the malformed line was reported as: $(cat "$work/err")"

expect 2 "${run[@]}" --sweep finalDriveRatio=6:10:0
grep -q '^evdrive-batch: --sweep finalDriveRatio=6:10:0: ' "$work/err" || fail "a zero step was reported as: $(cat "$work/err")"

if [ -w /dev/full ]; then
    "${run[@]}" "$work/table.csv" >/dev/full 2>"$work/err"
    [ $? -eq 1 ] || fail "writing to a full disk did not exit with 1"
    grep -q '^evdrive-batch: standard output: ' "$work/err" || fail "a full disk was reported as: $(cat "$work/err")"
fi

# Standard input at a terminal, as a command started at one without a table
# has it: a short usage and exit status 2 rather than a wait for a table typed
# in. A table of options alone needs no standard input and runs. (script, of
# util-linux, gives the command a terminal of its own.)
at_terminal() {
    local command
    command="$(printf '%q ' "${run[@]}" "$@")>$(printf '%q' "$work/out") 2>$(printf '%q' "$work/err")"
    timeout 60 script -qec "$command; echo \"status \$?\"" /dev/null </dev/null |
        tr -d '\r' >"$work/status"
}
at_terminal
[ "$(cat "$work/status")" = "status 2" ] && [ ! -s "$work/out" ] ||
    fail "with standard input at a terminal: $(cat "$work/status" "$work/out" "$work/err")"
head -n 1 "$work/err" | grep -q '^Usage: evdrive-batch ' &&
    grep -qF 'evdrive-batch --help' "$work/err" ||
    fail "standard input at a terminal got no usage: $(cat "$work/err")"
at_terminal -
[ "$(cat "$work/status")" = "status 2" ] || fail "- at a terminal: $(cat "$work/status")"
at_terminal --set gearRatio=1
[ "$(cat "$work/status")" = "status 0" ] && grep -q '^gearRatio,' "$work/out" ||
    fail "--set alone at a terminal: $(cat "$work/status" "$work/out" "$work/err")"

expect 0 "${run[@]}" --version
[ "$(cat "$work/out")" = "evdrive-batch $version" ] || fail "--version printed $(cat "$work/out")"
expect 0 "${run[@]}" --help
grep -q '满载总质量 (kg)' "$work/out" || fail "--help does not list the columns with their units"
expect 0 "${run[@]}" -h
grep -q '^Usage: evdrive-batch' "$work/out" || fail "-h is not --help: $(head -n 1 "$work/out")"
case $batch in *.exe)
    cp "$work/out" "$work/help"
    expect 0 "${run[@]}" '/?'
    cmp -s "$work/out" "$work/help" || fail "/? is not --help"
    ;;
esac

# -o writes the table whole in FILE's place, the table read included, and
# leaves it as it was when the run fails.
cp "$work/table.csv" "$work/in-place.csv"
expect 0 "${run[@]}" -o "$work/in-place.csv" "$work/in-place.csv"
cmp -s "$work/in-place.csv" "$work/expected" || fail "-o onto the table read wrote: $(cat -A "$work/in-place.csv")"
[ ! -s "$work/out" ] || fail "-o still wrote to standard output: $(cat "$work/out")"
cp "$work/malformed.csv" "$work/kept.csv"
expect 2 "${run[@]}" --output "$work/kept.csv" "$work/kept.csv"
cmp -s "$work/kept.csv" "$work/malformed.csv" || fail "a failed run changed FILE: $(cat "$work/kept.csv")"
[ "$(ls -A "$work" | grep -c evdrive-)" -eq 0 ] || fail "a temporary file was left: $(ls -A "$work")"

if [ $# -eq 0 ]; then
    # In the user's language: Chinese under a Chinese locale, English under C.
    LC_ALL=zh_CN.UTF-8 "$batch" --help >"$work/out"
    [ "$(head -n 1 "$work/out")" = "用法：evdrive-batch [选项]... [FILE]" ] ||
        fail "--help under zh_CN.UTF-8 begins: $(head -n 1 "$work/out")"
    LC_ALL=C.UTF-8 LANGUAGE=zh_CN "$batch" --help >"$work/out"
    [ "$(head -n 1 "$work/out")" = "Usage: evdrive-batch [OPTION]... [FILE]" ] ||
        fail "--help under C.UTF-8 begins: $(head -n 1 "$work/out")"
    [ "$(LC_ALL=zh_CN.UTF-8 "$batch" --jobs 0 2>&1)" = "evdrive-batch: --jobs 0：应为 1 到 1024 之间的线程数" ] ||
        fail "a message under zh_CN.UTF-8: $(LC_ALL=zh_CN.UTF-8 "$batch" --jobs 0 2>&1)"

    # Stopped midway through a large table, by Ctrl-C or SIGTERM: FILE as it
    # was and no temporary file beside it; without -o, the output is said to
    # be incomplete. Job control, so that a background job takes Ctrl-C.
    set -m
    awk -v header="$inputs" 'BEGIN { print header
        for (i = 0; i < 3000000; ++i) print "1,8,0.3,60,0.9,1500,0.015,0.3,1500,1700,200,30" }' >"$work/large.csv"
    echo "as it was" >"$work/target.csv"
    for signal in INT TERM; do
        "$batch" --jobs 1 -o "$work/target.csv" "$work/large.csv" 2>"$work/err" &
        pid=$!
        for _ in $(seq 600); do
            ls -A "$work" | grep -q '^\.target\.csv\.evdrive-' && [ -s "$(ls -d "$work"/.target.csv.evdrive-* | head -n 1)" ] && break
            sleep 0.05
        done
        kill -s "$signal" "$pid"
        wait "$pid"
        status=$?
        want=130; [ "$signal" = TERM ] && want=143
        [ "$status" -eq "$want" ] || fail "SIG$signal during -o exited with $status, not $want"
        [ "$(cat "$work/target.csv")" = "as it was" ] || fail "SIG$signal changed FILE"
        [ "$(ls -A "$work" | grep -c evdrive-)" -eq 0 ] || fail "SIG$signal left $(ls -A "$work")"
        [ "$(cat "$work/err")" = "evdrive-batch: stopped; $work/target.csv is as it was" ] ||
            fail "SIG$signal during -o was said as: $(cat "$work/err")"
    done
    "$batch" --jobs 1 "$work/large.csv" 2>"$work/err" >"$work/partial.csv" &
    pid=$!
    for _ in $(seq 600); do [ -s "$work/partial.csv" ] && break; sleep 0.05; done
    kill -s INT "$pid"
    wait "$pid"
    status=$?
    set +m
    [ "$status" -eq 130 ] || fail "Ctrl-C without -o exited with $status, not 130"
    grep -Eq '^evdrive-batch: stopped after line [0-9]+; the output is incomplete$' "$work/err" ||
        fail "Ctrl-C without -o was said as: $(cat "$work/err")"
fi
echo "evdrive-batch: table, --strict, folder, sweep, workbook, malformed line, bad argument, full disk, terminal, --version, --help, -o, language, interruption"
