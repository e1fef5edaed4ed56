#!/usr/bin/env python3
"""Runs pressGo.exe under wine64 on a virtual X display of its own, with a
stand-in for the started program that shows a window of class
"ConsoleWindowClass" and logs where it ends up, and checks each case: the
ways to start and to quit, the titles, where the window is placed, the
console types, the reports, the default configuration and the button
pictures on screen."""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

from wine_desktop import Picture, Session, wait_for

STAND_IN = "console_stand_in.exe"
RESOURCES = pathlib.Path(__file__).resolve().parents[2] / "launcher" / "resources"

# Points on the launcher window, measured from its outer top-left corner.
BUTTON = (250, 125)  # inside the start button's active rectangle (x 218 to 281, y 113 to 138)
BESIDE = (100, 80)   # on the picture, away from the button
WIDTH, HEIGHT = 289, 203


def configuration(console_type=2, delay=1000, automatic=False, life=6, size=(276, 250)):
    marker = "[start]" if automatic else ""
    return f"{STAND_IN} {life}{marker}\r\n{delay}\r\n{console_type}\r\n{size[0]}\r\n{size[1]}\r\n".encode()


def stand_in_log(directory):
    path = directory / "stand_in.log"
    return path.read_text().splitlines() if path.exists() else []


class CaseFailure(Exception):
    """A case that cannot go on."""


class Run:
    """One launcher run in its own folder, with what its stand-in logged."""

    def __init__(self, session, directory, args=(), config=configuration()):
        self.session, self.directory = session, directory
        if config is not None:
            (directory / "pressGo.txt").write_bytes(config)
        self.process = session.start(directory, ["pressGo.exe", *args])
        self.window = wait_for(lambda: session.visible_window("pressGo.exe"), 30)
        self.shown_at = time.monotonic()
        if not self.window:
            code = self.process.poll()
            raise CaseFailure("the launcher window did not appear" +
                              ("" if code is None else f"; the launcher ended with {code}"))
        self.outer = wait_for(lambda: self._settled_geometry(), 5)
        if not self.outer:
            raise CaseFailure("the launcher window did not come to rest")

    def _settled_geometry(self):
        first = self.session.geometry(self.window)
        time.sleep(0.3)
        return first if self.session.geometry(self.window) == first else None

    def at(self, point):
        return self.outer[0] + point[0], self.outer[1] + point[1]

    def click(self, point):
        self.session.click(*self.at(point))

    def key(self, name):
        self.click(BESIDE)  # activates the window, as a user would, and starts nothing
        self.session.key(name)

    def title(self):
        return self.session.title(self.window)

    def ended(self, timeout):
        try:
            self.process.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def log(self):
        return stand_in_log(self.directory)

    def starts(self):
        return sum(1 for line in self.log() if line.startswith("started "))

    def wait_for_start(self, timeout=15):
        return wait_for(lambda: self.starts() > 0, timeout)


def expect(problems, condition, message):
    if not condition:
        problems.append(message)


def centred(metrics, width, height):
    return (metrics["cxFullScreen"] // 2 - width // 2,
            (metrics["cyFullScreen"] + metrics["cyMenu"] + metrics["cyCaption"]) // 2 - height // 2)


def menu_points(metrics):
    """The "File" and "Help" entries of the menu bar and the "Start" item of File's pop-up, as Wine draws them."""
    frame, caption, menu = 3, metrics["cyCaption"], metrics["cyMenu"]
    bar = frame + caption + menu // 2
    return {"File": (20, bar), "Help": (98, bar), "Start": (40, bar + menu + 2)}


# The ways to start, each on a launcher that does not start by itself.

def starts_by(action):
    def check(session, directory):
        run = Run(session, directory)
        action(run)
        problems = []
        expect(problems, run.wait_for_start(), "nothing was started")
        expect(problems, run.ended(15), "the launcher stayed open after the start")
        return problems
    return check


def press_beside_release_on_button(run):
    run.session.press(*run.at(BESIDE))
    run.session.release(*run.at(BUTTON))


def choose_menu_item(run):
    points = menu_points(run.session.metrics)
    run.click(points["File"])
    time.sleep(0.5)
    run.click(points["Start"])


def starts_nothing_by(action, launcher_ends):
    def check(session, directory):
        run = Run(session, directory, config=configuration(automatic=True, delay=6000))
        action(run)
        problems = []
        expect(problems, run.ended(4) == launcher_ends,
               "the launcher ended" if not launcher_ends else "the launcher stayed open")
        expect(problems, run.starts() == 0, "the stand-in was started")
        return problems
    return check


def automatic_start_once_after_its_delay(session, directory):
    # Type 3 keeps the launcher open, so a second automatic start would show.
    delay = 3.0
    run = Run(session, directory, config=configuration(console_type=3, delay=int(delay * 1000), automatic=True))
    problems = []
    expect(problems, run.wait_for_start(delay + 10), "nothing was started")
    elapsed = time.monotonic() - run.shown_at
    expect(problems, delay - 1 <= elapsed <= delay + 5, f"started {elapsed:.1f} s after the window appeared")
    time.sleep(delay + 1)
    expect(problems, run.starts() == 1, f"{run.starts()} starts by the timer")
    expect(problems, not run.ended(0), "the launcher ended")
    run.key("F9")  # a start by hand opens the program again
    expect(problems, wait_for(lambda: run.starts() == 2, 15), "F9 after a start that kept the launcher open")
    return problems


# The manual: the shell opens SeekDocs.pdf of the current folder, here with
# the stand-in, which the prefix has as its PDF viewer.

def manual_opened(directory):
    wanted = "Z:" + str(directory).replace("/", "\\") + "\\SeekDocs.pdf"
    return wait_for(lambda: any(line.startswith("started ") and wanted in line for line in stand_in_log(directory)),
                    15)


def manual_by(action):
    def check(session, directory):
        run = Run(session, directory)
        action(run)
        problems = []
        expect(problems, manual_opened(directory), f"the manual was not opened: {run.log()[:1]}")
        expect(problems, not run.ended(2), "the launcher ended")
        return problems
    return check


def manual_from_the_command_line(session, directory):
    (directory / "VEX").write_bytes(b"marker")
    (directory / "pressGo.txt").write_bytes(configuration())
    session.run(directory, ["pressGo.exe", "-p", "-s-", "-c2"])
    problems = []
    expect(problems, manual_opened(directory), "the manual was not opened")
    expect(problems, (directory / "VEX").exists(), "VEX was deleted")
    expect(problems, (directory / "pressGo.txt").read_bytes() == configuration(), "pressGo.txt was changed")
    return problems


# Titles.

def title_keys(session, directory):
    run = Run(session, directory)
    problems = []
    for key, wanted in (("F11", "pressGo 1.09"), ("shift", "pressGo"), ("F11", "pressGo 1.09")):
        run.key(key)
        expect(problems, wait_for(lambda: run.title() == wanted, 3), f"after {key} the title is {run.title()!r}")
    return problems


def cursor_title(session, directory):
    run = Run(session, directory, args=["-w"])
    problems = []
    for point, where in ((BESIDE, "inside"), ((100, 10), "outside")):  # the second is on the caption
        x, y = run.at(point)
        session.move_mouse(x, y)
        wanted = f"{x} : {y} ( {where} ) "
        expect(problems, wait_for(lambda: run.title() == wanted, 3), f"title {run.title()!r}, wanted {wanted!r}")
    run.key("F11")  # overwritten by the cursor text within 50 ms
    expect(problems, wait_for(lambda: re.fullmatch(r"\d+ : \d+ \( inside \) ", run.title()), 3),
           f"after F11 the title stays {run.title()!r}")
    return problems


# Where the window goes, and what a start does in a corner mode.

def placed(args, where):
    def check(session, directory):
        metrics = session.metrics
        right, bottom = metrics["cxFullScreen"] - WIDTH, metrics["cyFullScreen"] + metrics["cyMenu"] - HEIGHT
        wanted = {"top left": (0, 0), "top right": (right, 0), "bottom right": (right, bottom),
                  "bottom left": (0, bottom), "centre": centred(metrics, WIDTH, HEIGHT)}[where] + (WIDTH, HEIGHT)
        run = Run(session, directory, args=args)
        return [] if run.outer == wanted else [f"window at {run.outer}, wanted {wanted}"]
    return check


def corner_mode_start(args, launcher_ends):
    def check(session, directory):
        run = Run(session, directory, args=args)
        run.key("F9")
        problems = []
        expect(problems, run.wait_for_start(), "nothing was started")
        expect(problems, run.ended(5) == launcher_ends,
               "the launcher stayed open" if launcher_ends else "the launcher ended")
        time.sleep(2)
        log = run.log()
        after_showing = log[log.index("shown"):] if "shown" in log else []
        expect(problems, not any(line.startswith("insert-after") for line in after_showing),
               "the console window was moved")
        expect(problems, all(line.startswith("state 10 10 500 300 ") for line in log if line.startswith("state ")),
               "the console window was moved")
        return problems
    return check


def corner_mode_starts_nothing_by_itself(session, directory):
    # The file asks for an automatic start after 500 ms; -c1 asks for a manual one.
    run = Run(session, directory, args=["-c1"], config=configuration(0, delay=500, automatic=True))
    time.sleep(3)
    return [] if run.starts() == 0 else ["the stand-in was started"]


# The console types, started by the timer.

def console_type(type_number, insert_after, visible, minimised, launcher_ends):
    def check(session, directory):
        run = Run(session, directory, config=configuration(type_number, delay=500, automatic=True))
        problems = []
        expect(problems, run.ended(15) == launcher_ends,
               "the launcher stayed open" if launcher_ends else "the launcher ended")
        wait_for(lambda: "ended" in run.log(), 15)  # the stand-in logs its last state as it ends
        log = run.log()
        requests = [line for line in log if line.startswith("insert-after ")]
        expect(problems, requests and requests[-1].startswith(f"insert-after {insert_after}"),
               f"z-order requests {requests}, wanted {insert_after}")
        states = [line.split() for line in log if line.startswith("state ")]
        if not states:
            return problems + ["the stand-in logged no state"]
        last = states[-1]
        rectangle = tuple(int(value) for value in last[1:5])
        shown, iconic = last[5] == "visible=1", last[6] == "minimised=1"
        wanted = centred(session.metrics, 276, 250) + (276, 250)
        # A minimised window keeps its place only in its restored rectangle.
        expect(problems, minimised or rectangle == wanted, f"console window at {rectangle}, wanted {wanted}")
        expect(problems, (shown, iconic) == (visible, minimised),
               f"visible={shown} minimised={iconic}, wanted visible={visible} minimised={minimised}")
        return problems
    return check


# The reports and the configuration.

USAGE = [("pressGo        ", "# Decide according to pressGo.txt "), ("pressGo -c3    ", "# diagonal "),
         ("pressGo -p     ", "# PDF help "), ("pressGo -s-    ", "# manual start "),
         ("pressGo -s- -w ", "# Show where the cursor is. "), ("pressGo -V     ", "# version "),
         ("pressGo -VC    ", "# version with comments ")]


def version_report(option, commented):
    def check(session, directory):
        session.run(directory, ["pressGo.exe", option])
        wanted = "pressGo Version 1.09\r\n\r\n" + "".join(
            line + (comment if commented else "") + "\r\n" for line, comment in USAGE)
        problems = []
        report = (directory / "version.txt").read_bytes() if (directory / "version.txt").exists() else None
        expect(problems, report == wanted.encode(), f"version.txt {report!r}")
        expect(problems, not (directory / "pressGo.txt").exists(), "pressGo.txt written on the report road")
        return problems
    return check


def default_configuration(session, directory):
    (directory / "VEX").write_bytes(b"marker")
    Run(session, directory, args=["-s-"], config=None)
    problems = []
    written = (directory / "pressGo.txt").read_bytes() if (directory / "pressGo.txt").exists() else None
    expect(problems, written == b"java.exe Orvex[Start]\r\n1000\r\n1\r\n276\r\n276\r\n", f"pressGo.txt {written!r}")
    expect(problems, not (directory / "VEX").exists(), "VEX is still there")
    return problems


# The window on screen, saved as test artifacts.

def button_pictures(artifacts):
    raised, pressed = (Picture.from_bitmap(RESOURCES / name) for name in ("start.bmp", "startDepressed.bmp"))
    shown_width = 280  # the client area cuts the pictures' last columns; the button ends at 277

    def check(session, directory):
        run = Run(session, directory)
        problems = []
        shot = session.screenshot(artifacts / "launcher-window.png", run.outer)
        corner = shot.find(raised, shown_width)
        if corner is None:
            return ["the raised button picture is not on the screenshot"]
        x, y = corner
        expect(problems, shot.dark_pixels(y - session.metrics["cyMenu"], y) > 30, "no menu bar text above the picture")
        expect(problems, shot.dark_pixels(y + raised.height, y + raised.height + 20) > 30, "no text in the strip")

        session.press(*run.at(BUTTON))
        time.sleep(0.5)
        shot = session.screenshot(artifacts / "launcher-pressed.png", run.outer)
        expect(problems, shot.find(pressed, shown_width) == corner, "a press on the button does not show it pressed")
        session.release(*run.at(BESIDE))  # a release beside the button shows it raised and starts nothing
        time.sleep(0.5)
        shot = session.screenshot(artifacts / "launcher-released.png", run.outer)
        expect(problems, shot.find(raised, shown_width) == corner, "a release beside the button leaves it pressed")
        time.sleep(1)
        expect(problems, run.starts() == 0 and not run.ended(0), "a release beside the button started or quit")
        return problems
    return check


def cases(artifacts):
    return [
        ("a click on the button starts", starts_by(lambda run: run.click(BUTTON))),
        ("a press beside the button and a release on it starts", starts_by(press_beside_release_on_button)),
        ("the - key starts", starts_by(lambda run: run.key("minus"))),
        ("F9 starts", starts_by(lambda run: run.key("F9"))),
        ("the menu item File, Start starts", starts_by(choose_menu_item)),
        ("the timer starts once, after the configured delay", automatic_start_once_after_its_delay),
        ("F1 opens the manual", manual_by(lambda run: run.key("F1"))),
        ("the menu item Help opens the manual", manual_by(lambda run: run.click(menu_points(run.session.metrics)["Help"]))),
        ("-p opens the manual without a window", manual_from_the_command_line),
        ("a click beside the button starts nothing", starts_nothing_by(lambda run: run.click(BESIDE), False)),
        ("Page Down quits without a start", starts_nothing_by(lambda run: run.key("Next"), True)),
        ("F3 quits without a start", starts_nothing_by(lambda run: run.key("F3"), True)),
        ("F11 and Shift set the title", title_keys),
        ("-w shows the cursor in the title", cursor_title),
        ("no -c: centred", placed([], "centre")),
        ("-c1: top left", placed(["-c1"], "top left")),
        ("-c2: top right", placed(["-c2"], "top right")),
        ("-c3: bottom right", placed(["-c3"], "bottom right")),
        ("-c4: bottom left", placed(["-c4"], "bottom left")),
        ("-c12: centred", placed(["-c12"], "centre")),
        ("-c3: a start leaves the console alone and quits", corner_mode_start(["-c3"], True)),
        ("-c3 -w: a start leaves the console alone and stays", corner_mode_start(["-c3", "-w"], False)),
        ("-c1 starts nothing by itself", corner_mode_starts_nothing_by_itself),
        ("console type 0: centred on top", console_type(0, "top", True, False, True)),
        ("console type 1: at the bottom, minimised", console_type(1, "bottom", True, True, True)),
        ("console type 2: at the bottom", console_type(2, "bottom", True, False, True)),
        ("console type 3: hidden, the launcher stays", console_type(3, "bottom", False, False, False)),
        ("-V writes the short report", version_report("-V", False)),
        ("-VC writes the commented report", version_report("-VC", True)),
        ("the default configuration is written and VEX deleted", default_configuration),
        ("the window shows the button pictures", button_pictures(artifacts)),
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="the win64 build's bin directory")
    parser.add_argument("--wine", required=True, help="the wine64 loader")
    parser.add_argument("--prefix", required=True, help="the Wine prefix to use")
    parser.add_argument("--artifacts", required=True, help="where the screenshots go")
    parser.add_argument("names", nargs="*", help="run only the cases whose names contain one of these")
    options = parser.parse_args()
    binaries = pathlib.Path(options.bin).resolve()
    artifacts = pathlib.Path(options.artifacts).resolve()
    artifacts.mkdir(parents=True, exist_ok=True)

    session = Session(options.wine, options.prefix, binaries / STAND_IN)
    session.open_with(".pdf", f'{STAND_IN} 3 "%1"')
    chosen = [(name, check) for name, check in cases(artifacts)
              if not options.names or any(part in name for part in options.names)]
    failures = 0
    try:
        for name, check in chosen:
            directory = pathlib.Path(tempfile.mkdtemp(prefix="launcher-"))
            try:
                for program in ("pressGo.exe", STAND_IN, "SeekDocs.pdf"):
                    shutil.copy(binaries / program, directory / program)
                problems = check(session, directory)
            except (CaseFailure, subprocess.TimeoutExpired) as failure:
                problems = [str(failure)]
            finally:
                session.end_programs(["pressGo.exe", STAND_IN])
                shutil.rmtree(directory, ignore_errors=True)
            if problems:
                failures += 1
                print(f"FAIL {name}")
                for problem in problems:
                    print("     " + problem)
            else:
                print(f"ok   {name}")
            sys.stdout.flush()
    finally:
        session.close()
    print(f"{len(chosen) - failures} of {len(chosen)} launcher cases passed under Wine; screenshots in {artifacts}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
