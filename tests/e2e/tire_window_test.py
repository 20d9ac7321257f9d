# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The tire window: a tire size turned into a radius that travels to the
calculator window through the clipboard."""

from desktop import expect, main, wait_for
from windows import TIRE_TITLE, WORKED_RUN, MainForm, MessageBox, TireRadiusForm

TIRE_SIZE = {"Text1": "195", "Text2": "70", "Text3": "15"}


def open_tire_window(desktop):
    form = MainForm(desktop)
    form.click("Command2")
    return form, TireRadiusForm(desktop)


def radius_through_clipboard(desktop):
    form, tire = open_tire_window(desktop)
    tire.fill(TIRE_SIZE)
    tire.click("Command1")
    tire.expect_results({"Label3": "0.3270"})
    tire.click("Command2")
    wait_for("the tire window to close", lambda: not tire.window.is_open())
    expect("the clipboard", desktop.clipboard, "0.3270")

    form.fill({name: typed for name, typed in WORKED_RUN.items() if name != "Text3"})
    form.click_into("Text3")
    desktop.key("ctrl+v")
    expect("Text3", lambda: form.field("Text3"), "0.3270")
    form.click("Command1")
    form.expect_results({"Label1": "5466.62448592218"})


def copy_without_result(desktop):
    desktop.set_clipboard("0.2985")
    _, tire = open_tire_window(desktop)
    tire.click("Command2")
    box = MessageBox(desktop, TIRE_TITLE)
    assert "还没有计算结果" in box.text(), box.text()
    expect("the clipboard", desktop.clipboard, "0.2985")
    box.dismiss()
    assert tire.window.is_open(), "the tire window closed without a result to copy"


def one_window_for_two_presses(desktop):
    form, tire = open_tire_window(desktop)
    tire.type_into("Text1", "195")
    form.type_into("Text1", "1")
    form.click("Command2")
    wait_for("the tire window to come to the front", tire.window.is_active)
    assert desktop.window_count(TIRE_TITLE) == 1, "a second tire window"
    assert tire.field("Text1") == "195", "the tire window lost what was typed"


def outlives_main_window(desktop):
    form, tire = open_tire_window(desktop)
    form.window.close()
    wait_for("the calculator window to close", lambda: not form.window.is_open())
    assert tire.window.is_open(), "the tire window closed with the calculator window"
    # The program runs on for the tire window, which still calculates.
    tire.fill(TIRE_SIZE)
    tire.click("Command1")
    tire.expect_results({"Label3": "0.3270"})
    assert desktop.program.poll() is None, "the program ended with the tire window open"
    tire.window.close()
    assert desktop.wait_for_exit() == 0


if __name__ == "__main__":
    main(radius_through_clipboard, copy_without_result, one_window_for_two_presses,
         outlives_main_window)
