#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer as a user meets it, in a fresh Wine prefix on an X
# display (xvfb-run): a silent install with evdrive-batch on the PATH; the
# README as Notepad reads it and the program's icon in every size; the
# command run from cmd by its name, with a Chinese file name and argument and
# a table through a pipe, double-clicked into a console of its own, and given
# a GBK table where Wine has no GB18030; the calculator started from its
# Start-menu shortcut, typed into and its results copied out through the
# clipboard, and the tire window's radius pasted into it; screenshots of both
# windows; the installer and the uninstaller refusing to touch the running
# calculator, then the uninstaller asked to go on once it is closed, after
# which the user's files, PATH and registry are as they were.
# Usage: installer_test.sh INSTALLER SCREENSHOT_DIR VERSION
set -euo pipefail
installer=$(realpath "$1")
shots=$2
version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
title="电动汽车驱动系统计算器"
tire_title="轮胎半径计算"
[ -n "${DISPLAY:-}" ] || { echo "installer_test.sh: no X display (run it under xvfb-run)" >&2; exit 1; }
mkdir -p "$shots"

work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "installer_test.sh: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}
step() { echo "installer: $*"; }

# wait_for WHAT COMMAND...: retries the command for up to 20 s.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.2
    done
    fail "timed out waiting for $what"
}

"$here/wine_prefix.sh" "$WINEPREFIX"
# One server for all the runs below, rather than one started for each.
wineserver -p
wine cmd /c exit

windows_path() { wine cmd /c echo "$1" | tr -d '\r'; }
appdata=$(winepath -u "$(windows_path '%LOCALAPPDATA%')")
profile=$(winepath -u "$(windows_path '%USERPROFILE%')")
install_dir="$appdata/Programs/evdrive"
shortcut="$(winepath -u "$(windows_path '%APPDATA%')")/Microsoft/Windows/Start Menu/Programs/$title.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\evdrive'

# What the user has: every file and folder of the profile but the temporary
# ones, and the registry but Wine's own settings and the console's, which the
# console of evdrive-batch's double-click writes as Windows' does.
profile_files() { (cd "$profile" && find . -path ./Temp -prune -o -print | sort); }
user_registry() {
    wine reg export HKCU "$work/hkcu.reg" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/hkcu.reg" | tr -d '\r' | grep -v '^#time=' |
        awk '/^\[/ { wine = index($0, "[HKEY_CURRENT_USER\\Software\\Wine") == 1 ||
                          index($0, "[HKEY_CURRENT_USER\\Console") == 1 } !wine'
}
profile_files >"$work/files-before"
user_registry >"$work/registry-before"

step "installing silently with evdrive-batch on the PATH"
wine "$installer" /S /ADDTOPATH || fail "the installer exited with $?"
for file in evdrive.exe evdrive-batch.exe LICENSE.txt README.txt uninstall.exe; do
    [ -f "$install_dir/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut"
user_registry >"$work/registry-installed"
grep -qxF "\"DisplayName\"=\"$title\"" "$work/registry-installed" ||
    fail "the uninstall entry has no DisplayName $title"
grep -qxF "\"DisplayVersion\"=\"$version\"" "$work/registry-installed" ||
    fail "the uninstall entry has no DisplayVersion $version"
wine reg query 'HKCU\Environment' /v Path | grep -qF 'AppData\Local\Programs\evdrive' ||
    fail "evdrive-batch's folder is not on the user's PATH"

step "README.txt in UTF-8 with a byte-order mark and CRLF line ends"
readme="$install_dir/README.txt"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' \n')" = efbbbf ] ||
    fail "README.txt has no UTF-8 byte-order mark"
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")" ] ||
    fail "README.txt has lines that do not end in CRLF"

step "the program's icon in every size, on a transparent background"
wrestool -x -t 14 -o "$work/evdrive.ico" "$install_dir/evdrive.exe" ||
    fail "no icon in evdrive.exe"
sizes=$(icotool -l "$work/evdrive.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | xargs)
[ "$sizes" = "16 20 24 32 40 48 64 256" ] || fail "the icon's sizes are $sizes"
for size in 16 256; do
    icotool -x -w "$size" -o "$work/icon-$size.png" "$work/evdrive.ico"
    [ "$(convert "$work/icon-$size.png" -format '%[fx:p{0,0}.a]' info:)" = 0 ] ||
        fail "the $size-pixel icon is not transparent in its corner"
done

step "evdrive-batch by its name from cmd"
[ "$(wine cmd /c evdrive-batch --version | tr -d '\r')" = "evdrive-batch $version" ] ||
    fail "cmd does not find evdrive-batch on the PATH"
inputs=gearRatio,finalDriveRatio,tireRadius,requiredVelocity,drivetrainEfficiency,grossMass,rollingCoefficient,dragCoefficient,bodyHeight,bodyWidth,motorMaxTorque,requiredGrade
worked="1,8,0.3,60,0.9,1500,0.015,0.3,1500,1700,200,30"
# The grade's arctangent and tangent are the core's own, correctly rounded:
# the same digits as on Linux.
grade=$(printf '%s\n%s\n' "$inputs" "$worked" | wine "$install_dir/evdrive-batch.exe" - |
    tail -n 1 | cut -d, -f15)
[ "$grade" = "32.7845476238428" ] || fail "the grade is $grade here, 32.7845476238428 on Linux"
results="4244.03183023873,6.49468085106383,$grade,,,,"
# A Chinese file name and argument reach the program whole through its UTF-8
# code page; a Ctrl-Z in a cell and CRLF line ends come through a pipe as
# they are.
mkdir "$work/表格"
printf 'note,%s\r\n车型 A,%s\r\nend \032 of text,%s\r\n' "$inputs" "$worked" "$worked" \
    >"$work/表格/车型.csv"
printf 'note,%s,motorRpm,power,grade,error,cause,field,note\r\n车型 A,%s,%s\r\nend \032 of text,%s,%s\r\n' \
    "$inputs" "$worked" "$results" "$worked" "$results" >"$work/expected.csv"
(cd "$work/表格" && wine cmd /c 'evdrive-batch 车型.csv > 结果.csv') ||
    fail "evdrive-batch failed on 车型.csv"
cmp -s "$work/表格/结果.csv" "$work/expected.csv" ||
    fail "车型.csv came out as: $(cat -A "$work/表格/结果.csv")"
cat "$work/表格/车型.csv" | wine "$install_dir/evdrive-batch.exe" - >"$work/piped.csv" ||
    fail "evdrive-batch failed on a table through a pipe"
cmp -s "$work/piped.csv" "$work/expected.csv" ||
    fail "a table through a pipe came out as: $(cat -A "$work/piped.csv")"
[ "$(wine "$install_dir/evdrive-batch.exe" --set '需求车速=60' --set gearRatio=1 2>/dev/null |
    head -n 1 | cut -d, -f4)" = "需求车速" ] || fail "a Chinese argument did not arrive whole"

step "evdrive-batch double-clicked: the usage in a console of its own"
# start gives the program a new console as Explorer does, with nothing to
# read from it; a program that waited for a table would be stopped here.
batch_exe=$(winepath -w "$install_dir/evdrive-batch.exe")
status=0
timeout 60 wine start /wait "$batch_exe" || status=$?
[ "$status" -eq 2 ] || fail "evdrive-batch in a console of its own exited with $status, not 2"
# The same with the usage sent to a file: cmd in the new console leaves the
# standard input the console.
status=0
timeout 60 wine start /wait cmd /c "$batch_exe" 2">" "$(winepath -w "$work/usage.txt")" || status=$?
[ "$status" -eq 2 ] && head -n 1 "$work/usage.txt" | grep -q '^Usage: evdrive-batch ' ||
    fail "a console of its own got status $status and: $(cat "$work/usage.txt")"
[ "$(wine "$install_dir/evdrive-batch.exe" '/?' | head -n 1)" = "Usage: evdrive-batch [OPTION]... [FILE]" ] ||
    fail "/? is not --help"

step "a GBK table where Wine has no GB18030"
printf '%s\r\n60\r\n' "$(printf '需求车速' | iconv -f UTF-8 -t GBK)" >"$work/gbk.csv"
if ! wine "$install_dir/evdrive-batch.exe" "$work/gbk.csv" >/dev/null 2>"$work/gbk.err"; then
    grep -qF 'give --encoding GBK' "$work/gbk.err" ||
        fail "a table that is not UTF-8 was refused with: $(cat "$work/gbk.err")"
fi
wine "$install_dir/evdrive-batch.exe" --encoding GBK "$work/gbk.csv" 2>/dev/null |
    iconv -f GBK -t UTF-8 | head -n 1 | grep -q '^需求车速,' || fail "--encoding GBK did not read the table"

# The window with a name, once it is shown.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
shown() { [ -n "$(window "$1")" ]; }
gone() { [ -z "$(window "$1")" ]; }
# click WINDOW X Y [COUNT]: clicks into the window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click --repeat "${4:-1}" --delay 100 1
}
# The clipboard as Wine hands it to X; a mark first, so that a copy that
# failed is not taken for the last one.
clear_clipboard() { printf 'nothing copied' | xclip -selection clipboard -in; }
clipboard() { xclip -selection clipboard -out 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
# copied WINDOW X Y EXPECTED: double-clicks a result or field (which selects
# its whole text), copies it and waits for the expected text.
copied() {
    local wid=$1 x=$2 y=$3 expected=$4
    clear_clipboard
    click "$wid" "$x" "$y" 2
    xdotool key --clearmodifiers ctrl+c
    for _ in $(seq 50); do
        clipboard_is "$expected" && return 0
        sleep 0.2
    done
    fail "copied '$(clipboard)' at $x,$y, not '$expected'"
}

step "the calculator from its Start-menu shortcut"
wine start /unix "$shortcut"
wait_for "the calculator window" shown "$title"
main=$(window "$title")
xdotool windowfocus --sync "$main"
sleep 1
import -window root "$shots/main-window.png"

# The start button has the focus; Tab leads through the twelve fields and,
# past the tire button, back to it.
for typed in 1 8 0.3 60 0.9 1500 0.015 0.3 1500 1700 200 30; do
    xdotool key --clearmodifiers Tab
    xdotool type --delay 30 "$typed"
done
xdotool key --clearmodifiers Tab Tab Return
# The results, as the main window lays them out: Label1, Label12, Label28.
copied "$main" 236 356 "4244.03183023873"
copied "$main" 236 404 "6.49468085106383"
copied "$main" 236 452 "$grade"
import -window root "$shots/main-window-results.png"

step "the tire window's radius pasted into the main window"
click "$main" 224 160
wait_for "the tire window" shown "$tire_title"
tire=$(window "$tire_title")
xdotool windowfocus --sync "$tire"
for field in "92 88 195" "160 88 70" "216 88 15"; do
    read -r x y typed <<<"$field"
    click "$tire" "$x" "$y"
    xdotool type --delay 30 "$typed"
done
click "$tire" 148 136
copied "$tire" 132 180 "0.3270"
import -window root "$shots/tire-window.png"
clear_clipboard
click "$tire" 224 180
wait_for "the tire window to close after copying" gone "$tire_title"
wait_for "the radius on the clipboard" clipboard_is "0.3270"
xdotool windowfocus --sync "$main"
click "$main" 140 160
xdotool key --clearmodifiers ctrl+a ctrl+v
copied "$main" 140 160 "0.3270"
import -window root "$shots/main-window-pasted-radius.png"

# Whatever of the installation is there: its files with their contents, the
# Start-menu shortcut and the uninstall entry.
installation() {
    (cd "$install_dir" && sha256sum -- *) 2>/dev/null || true
    if [ -e "$shortcut" ]; then echo "shortcut"; fi
    wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | tr -d '\r' | grep DisplayName || true
}
installation >"$work/installation"
[ "$(wc -l <"$work/installation")" -eq 7 ] || fail "not all installed: $(cat "$work/installation")"
unchanged() {
    installation | diff "$work/installation" - >&2 || fail "$1 changed the installation"
}

step "installing over the running calculator: refused, nothing changed"
status=0
wine "$installer" /S || status=$?
[ "$status" -eq 2 ] || fail "the installer over the running calculator exited with $status, not 2"
unchanged "the installer over the running calculator"

step "uninstalling silently while the calculator runs: refused, nothing removed"
# In its own folder (_?=) the uninstaller works there rather than in a copy of
# itself, and its exit status is seen.
status=0
wine "$install_dir/uninstall.exe" /S "_?=$(winepath -w "$install_dir")" || status=$?
[ "$status" -eq 2 ] || fail "the silent uninstall beside the running calculator exited with $status, not 2"
unchanged "the silent uninstall beside the running calculator"

step "uninstalling while the calculator runs: asked to close it"
# The wizard's caption ends in a blank, the question's does not.
uninstall_title="$title (卸载|Uninstall) ?"
wine "$install_dir/uninstall.exe"
wait_for "the uninstaller's question" shown "$uninstall_title"
question=$(window "$uninstall_title")
import -window root "$shots/uninstall-calculator-running.png"
xdotool windowfocus --sync "$question" key --clearmodifiers Escape
wait_for "the uninstaller to end on Cancel" gone "$uninstall_title"
unchanged "the uninstall cancelled beside the running calculator"

wine "$install_dir/uninstall.exe"
wait_for "the uninstaller's question" shown "$uninstall_title"
question=$(window "$uninstall_title")
# Closed as from its title bar: the question keeps the keyboard.
wine taskkill /im evdrive.exe >/dev/null
wait_for "the calculator to close" gone "$title"
# Retry, the question's default button, now finds nothing running.
xdotool windowfocus --sync "$question" key --clearmodifiers Return
wizard() {
    xdotool search --onlyvisible --name "^$uninstall_title\$" 2>/dev/null | grep -vx "$question" |
        head -n 1
}
wizard_shown() { [ -n "$(wizard)" ]; }
wait_for "the uninstaller's confirmation page" wizard_shown
wizard=$(wizard)
# Its default buttons: Uninstall, then Close once it is done.
xdotool windowfocus --sync "$wizard" key --clearmodifiers Return
uninstalled() {
    [ ! -e "$install_dir" ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1
}
wait_for "the uninstaller to finish" uninstalled
import -window root "$shots/uninstall-finished.png"
xdotool windowfocus --sync "$wizard" key --clearmodifiers Return
wait_for "the uninstaller to close" gone "$uninstall_title"
profile_files >"$work/files-after"
diff "$work/files-before" "$work/files-after" >&2 || fail "files left behind or changed"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
user_registry >"$work/registry-after"
diff "$work/registry-before" "$work/registry-after" >&2 ||
    fail "the user's registry (PATH included) is not as it was"

step "a PATH of the user's own, kept as it was"
own_path='%USERPROFILE%\bin;C:\tools;'
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$own_path" /f >/dev/null
user_registry >"$work/registry-before"
wine "$installer" /S /ADDTOPATH || fail "the installer exited with $?"
wine reg query 'HKCU\Environment' /v Path | tr -d '\r' |
    grep -qF "$own_path;$(windows_path '%LOCALAPPDATA%')\Programs\evdrive" ||
    fail "the PATH is not the user's with the installation folder after it"
wine "$install_dir/uninstall.exe" /S || fail "the uninstaller exited with $?"
wait_for "the uninstaller to finish" uninstalled
user_registry >"$work/registry-after"
diff "$work/registry-before" "$work/registry-after" >&2 ||
    fail "the user's own PATH is not as it was"
step "installed, used and uninstalled without a trace; screenshots in $shots"
