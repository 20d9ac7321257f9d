# SPDX-FileCopyrightText: 2026 evdrive developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The calculator's windows as a user meets them: where their controls stand,
what they are called, and the figures of a known run."""

from desktop import expect, has_focus, text, wait_for

MAIN_TITLE = "电动汽车驱动系统计算器"
TIRE_TITLE = "轮胎半径计算"

# A two-speed compact car at 72 km/h, in twelve different figures so that two
# fields fed into each other's inputs would change the results, and what an
# independent step-by-step evaluation of the textbook formulas makes of it.
WORKED_RUN = {"Text1": "1.2", "Text2": "7.8", "Text3": "0.315", "Text4": "72", "Text5": "0.92",
              "Text6": "1620", "Text7": "0.012", "Text8": "0.32", "Text9": "1480",
              "Text10": "1760", "Text11": "230", "Text12": "25"}
WORKED_RESULTS = {"Label1": "5674.87684729064", "Label12": "8.58297813135984",
                  "Label28": "41.5936346102543"}


class Form:
    """A window with a fixed layout: controls by name, read back by what a
    screen reader calls them."""

    # name: (left, top, width, height) within the window
    layout = {}
    # field: the name a screen reader gives it
    fields = {}
    # result label: its description for a screen reader
    results = {}

    def __init__(self, desktop, title):
        self.desktop = desktop
        self.window = desktop.window(title)

    def click(self, control):
        self.window.click(*self.layout[control])

    def _control(self, name):
        # A field by the name a screen reader gives it, a result by its description.
        if name in self.fields:
            return self.window.find("text", name=self.fields[name])
        return self.window.find("text", description=self.results[name])

    def field(self, name):
        return text(self._control(name))

    def wait_for_keyboard(self, name):
        wait_for(f"{name} to take the keyboard", lambda: has_focus(self._control(name)))

    def click_into(self, name):
        """Clicks into a field and waits until it has the keyboard."""
        self.click(name)
        self.wait_for_keyboard(name)

    def type_into(self, name, typed):
        """Clicks into a field, replaces its text and waits until it shows it."""
        self.click_into(name)
        self.desktop.key("ctrl+a", "BackSpace")
        if typed:
            self.desktop.type(typed)
        expect(name, lambda: self.field(name), typed)

    def fill(self, texts):
        for name, typed in texts.items():
            self.type_into(name, typed)

    def result(self, label):
        """The whole result, which a screen reader gets even where the label shortens it."""
        return self._control(label).name

    def expect_results(self, results):
        for label, expected in results.items():
            expect(label, lambda: self.result(label), expected)


class MainForm(Form):
    layout = {
        "Text1": (96, 48, 89, 33), "Text2": (96, 96, 89, 33), "Text3": (96, 144, 89, 33),
        "Text4": (96, 192, 89, 33), "Text5": (96, 240, 89, 33), "Text6": (96, 288, 89, 33),
        "Text7": (352, 48, 89, 33), "Text8": (352, 96, 89, 33), "Text9": (352, 144, 89, 33),
        "Text10": (352, 192, 89, 33), "Text11": (352, 240, 89, 33),
        "Text12": (352, 288, 89, 33),
        "Command2": (208, 144, 33, 33), "Command1": (160, 480, 129, 33),
        "Label1": (192, 344, 89, 25), "Label12": (192, 392, 89, 25),
        "Label28": (192, 440, 89, 25),
        "Line1": (256, 48, 1, 273), "Line2": (8, 328, 473, 1),
    }
    fields = {
        "Text1": "变速器速比", "Text2": "驱动桥速比", "Text3": "轮胎滚动半径", "Text4": "需求车速",
        "Text5": "传动系统效率", "Text6": "满载总质量", "Text7": "滚动阻力系数",
        "Text8": "空气阻力系数", "Text9": "车身高度", "Text10": "车身宽度",
        "Text11": "电机最大转矩", "Text12": "爬坡度需求",
    }
    results = {"Label1": "需求车速电机转速, rpm", "Label12": "需求车速功率需求, kw",
               "Label28": "车辆的最大爬坡度, %"}

    def __init__(self, desktop):
        super().__init__(desktop, MAIN_TITLE)


class TireRadiusForm(Form):
    layout = {
        "Text1": (64, 72, 57, 33), "Text2": (144, 72, 33, 33), "Text3": (200, 72, 33, 33),
        "Command1": (104, 120, 89, 33), "Command2": (192, 168, 65, 25),
    }
    fields = {"Text1": "轮胎型号（断面宽度）", "Text2": "轮胎型号（扁平比）",
              "Text3": "轮胎型号（轮辋直径）"}
    results = {"Label3": "轮胎滚动半径, m"}

    def __init__(self, desktop):
        super().__init__(desktop, TIRE_TITLE)
        # Both windows open at the same corner; this one goes beside the other.
        self.window.move(500, 0)


class MessageBox:
    """The message box in which the program says what it could not do, titled
    as the window it stands over."""

    def __init__(self, desktop, title=MAIN_TITLE):
        self.window = desktop.window(title, alert=True)

    def text(self):
        return self.window.find("label").name

    def dismiss(self):
        self.window.press(self.window.find("push button", name="确定"))
        wait_for("the message box to close", lambda: not self.window.is_open())
