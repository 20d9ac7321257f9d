# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Results taken away whole by every way of copying, a spreadsheet cell pasted
into a field, and the window titles as the window manager reads them."""

import subprocess

from desktop import expect, main, wait_for
from windows import MAIN_TITLE, TIRE_TITLE, WORKED_RESULTS, WORKED_RUN, MainForm, TireRadiusForm

LABEL = "Label1"
WHOLE = WORKED_RESULTS[LABEL]
OLD_CLIPBOARD = "剪贴板里原有的文字"


def calculated(desktop):
    form = MainForm(desktop)
    form.fill(WORKED_RUN)
    form.click("Command1")
    form.expect_results(WORKED_RESULTS)
    desktop.set_clipboard(OLD_CLIPBOARD)
    return form


def click_result(desktop, form, repeat=1, button="1", across=0.5):
    """Clicks the result at that share of its width."""
    left, top, width, height = form.layout[LABEL]
    box = form.window.extents()
    # By way of its corner: a move to where the pointer already is never ends.
    desktop.xdotool("mousemove", "--sync", str(box.x + left), str(box.y + top),
                    "mousemove", "--sync", str(box.x + left + int(width * across)),
                    str(box.y + top + height // 2), "click", "--repeat", str(repeat),
                    "--delay", "80", button)


def choose_from_context_menu(desktop, form, last, across):
    """Opens the result's context menu (a read-only field's: 复制, then 全选) and
    chooses its first or its last entry from the keyboard."""
    click_result(desktop, form, button="3", across=across)
    wait_for("the context menu", desktop.menu_open)
    desktop.key("Up" if last else "Down", "Return")
    wait_for("the context menu to close", lambda: not desktop.menu_open())


def copy_with_ctrl_c(desktop):
    form = calculated(desktop)
    click_result(desktop, form)
    form.wait_for_keyboard(LABEL)
    desktop.key("End", "ctrl+c")
    expect("the clipboard", desktop.clipboard, WHOLE)


def copy_from_context_menu(desktop):
    form = calculated(desktop)
    choose_from_context_menu(desktop, form, last=True, across=0.25)  # 全选
    # The menu's 复制 copies what is selected: nothing, but for 全选. A
    # second click where the first was, as quick as a machine clicks, would
    # be a double click, which opens no menu.
    choose_from_context_menu(desktop, form, last=False, across=0.75)
    expect("the clipboard", desktop.clipboard, WHOLE)


def copy_after_clicks(desktop, clicks):
    form = calculated(desktop)
    # A word selection would take the digits on one side of the point alone.
    click_result(desktop, form, repeat=clicks)
    expect("the selection", lambda: desktop.clipboard("primary"), WHOLE)
    desktop.key("ctrl+c")
    expect("the clipboard", desktop.clipboard, WHOLE)


def copy_after_double_click(desktop):
    copy_after_clicks(desktop, 2)


def copy_after_triple_click(desktop):
    copy_after_clicks(desktop, 3)


def pasted_cells_keep_their_first_line(desktop):
    form = MainForm(desktop)
    form.fill({name: typed for name, typed in WORKED_RUN.items() if name not in ("Text4", "Text11")})
    for field, cell in (("Text4", "72\n"), ("Text11", "230\r\n")):
        desktop.set_clipboard(cell)
        form.click_into(field)
        desktop.key("ctrl+v")
        expect(field, lambda: form.field(field), cell.rstrip())
    form.click("Command1")
    form.expect_results(WORKED_RESULTS)


def titles_as_the_window_manager_reads_them(desktop):
    form = MainForm(desktop)
    form.click("Command2")
    tire = TireRadiusForm(desktop)
    for window, title in ((form.window, MAIN_TITLE), (tire.window, TIRE_TITLE)):
        for atom in ("_NET_WM_NAME", "WM_NAME"):
            shown = subprocess.run(["xprop", "-id", window.xid, atom], env={**desktop.env, "LC_ALL": "C.UTF-8"},
                                   check=True, capture_output=True, text=True).stdout
            assert shown.split(" = ", 1)[1].strip() == f'"{title}"', shown


if __name__ == "__main__":
    main(copy_with_ctrl_c, copy_from_context_menu, copy_after_double_click,
         copy_after_triple_click, pasted_cells_keep_their_first_line,
         titles_as_the_window_manager_reads_them)
