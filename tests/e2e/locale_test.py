# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The worked run and the tire radius under a given locale: numbers are read
and written with "." whatever the user's language, so the texts never change.

Usage: locale_test.py PROGRAM LOCALE
"""

import locale
import sys

from desktop import Desktop
from windows import WORKED_RESULTS, WORKED_RUN, MainForm, TireRadiusForm


def installed(name):
    # Under a locale that is not installed the program would run in "C" and
    # prove nothing.
    try:
        locale.setlocale(locale.LC_ALL, name)
        return True
    except locale.Error:
        return False
    finally:
        locale.setlocale(locale.LC_ALL, "C")


def same_texts_under(program, name):
    with Desktop(program, locale=name) as desktop:
        form = MainForm(desktop)
        form.fill(WORKED_RUN)
        form.click("Command1")
        form.expect_results(WORKED_RESULTS)
        form.click("Command2")
        tire = TireRadiusForm(desktop)
        tire.fill({"Text1": "195", "Text2": "70", "Text3": "15"})
        tire.click("Command1")
        tire.expect_results({"Label3": "0.3270"})


if __name__ == "__main__":
    program, name = sys.argv[1:]
    if not installed(name):
        sys.exit(f"The locale {name} is not installed (scripts/setup.sh generates it).")
    same_texts_under(program, name)
