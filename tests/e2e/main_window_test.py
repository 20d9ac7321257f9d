# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The calculator window: figures typed in, results read back, failures reported."""

from desktop import expect, has_focus, main
from windows import MAIN_TITLE, WORKED_RESULTS, WORKED_RUN, MainForm, MessageBox


def worked_run_by_keyboard(desktop):
    form = MainForm(desktop)
    form.window.focus()
    start = form.window.find("push button", name="开始计算")
    expect("the focus on 开始计算 at start", lambda: has_focus(start), True)
    # Tab leads from the start button through the fields in number order.
    for typed in WORKED_RUN.values():
        desktop.key("Tab")
        desktop.type(typed)
    for name, typed in WORKED_RUN.items():
        expect(name, lambda: form.field(name), typed)
    # Past the tire button the focus is back on the start button.
    desktop.key("Tab", "Tab", "Return")
    form.expect_results(WORKED_RESULTS)
    assert desktop.window_count(MAIN_TITLE, alert=True) == 0, "a message box after a good run"


def failed_run(desktop):
    form = MainForm(desktop)
    form.fill(WORKED_RUN)
    form.click("Command1")
    form.expect_results(WORKED_RESULTS)
    form.fill({"Text4": "30", "Text6": ""})
    form.click("Command1")

    box = MessageBox(desktop)
    message = box.text()
    assert "类型不匹配" in message and "满载总质量" in message, message
    # Beside the message, the rpm of the new figures stands alone.
    after_failure = {"Label1": "2364.53201970443", "Label12": "", "Label28": ""}
    form.expect_results(after_failure)
    box.dismiss()
    form.expect_results(after_failure)
    expect("Text6", lambda: form.field("Text6"), "")


def painted_layout(desktop):
    form = MainForm(desktop)
    painted = {"Label1": "80FF80", "Label12": "80FF80", "Label28": "80FF80",
               "Line1": "808080", "Line2": "808080"}
    for control, colour in painted.items():
        left, top, width, height = form.layout[control]
        expect(control, lambda: form.window.colours(left, top, width, height), {colour})
        # Only that rectangle: the pixels along each side outside it differ.
        for outside in ((left - 1, top, 1, height), (left + width, top, 1, height),
                        (left, top - 1, width, 1), (left, top + height, width, 1)):
            assert colour not in form.window.colours(*outside), f"{control} beyond {outside}"


if __name__ == "__main__":
    main(worked_run_by_keyboard, failed_run, painted_layout)
