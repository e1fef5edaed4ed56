#!/usr/bin/env python3
"""Runs pressGo.exe under wine64 on a virtual X display of its own, with a
stand-in for the started program that shows a window of class
"ConsoleWindowClass" and logs where it ends up, and checks each case:
the console types, a corner mode's manual start, the version report, the
default configuration."""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

STAND_IN = "console_stand_in.exe"


def free_display():
    for number in range(90, 140):
        if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return f":{number}"
    sys.exit("no free X display")


class Session:
    """Xvfb and a Wine prefix whose X11 driver draws no decorations."""

    def __init__(self, wine, prefix):
        self.wine = wine
        self.display = free_display()
        self.xvfb = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.environment = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", DISPLAY=self.display)
        time.sleep(1)
        for key in ("Decorated", "UseTakeFocus"):
            subprocess.run([wine, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", key, "/d", "N", "/f"],
                           env=self.environment, capture_output=True, timeout=120)

    def start(self, directory, args):
        return subprocess.Popen([self.wine, "pressGo.exe"] + args, cwd=directory, env=self.environment,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)


def stand_in_log(directory):
    path = directory / "stand_in.log"
    return path.read_text().splitlines() if path.exists() else []


def final_state(lines):
    states = [line.split() for line in lines if line.startswith("state ")]
    if not states:
        return None
    last = states[-1]
    return (int(last[1]), int(last[2]), int(last[3]), int(last[4]), last[5] == "visible=1", last[6] == "minimised=1")


def centred(lines, width, height):
    metrics = next(line.split() for line in lines if line.startswith("metrics "))
    cx, cy, menu, caption = (int(value) for value in metrics[1:])
    return cx // 2 - width // 2, (cy + menu + caption) // 2 - height // 2


def configuration(console_type, delay=500, size=(276, 250)):
    return (f"{STAND_IN} 6[start]\r\n{delay}\r\n{console_type}\r\n{size[0]}\r\n{size[1]}\r\n").encode()


def console_type_case(console_type, insert_after, visible, minimised, launcher_ends):
    def check(session, directory):
        (directory / "pressGo.txt").write_bytes(configuration(console_type))
        launcher = session.start(directory, [])
        try:
            launcher.wait(timeout=45)
            ended = True
        except subprocess.TimeoutExpired:
            ended = False
        time.sleep(7)  # the stand-in logs its last state as it ends
        if launcher.poll() is None:
            launcher.kill()
        lines = stand_in_log(directory)
        problems = []
        if ended != launcher_ends:
            problems.append(f"the launcher {'ended' if ended else 'stayed open'}")
        requests = [line for line in lines if line.startswith("insert-after ")]
        if not requests or not requests[-1].startswith(f"insert-after {insert_after}"):
            problems.append(f"z-order requests {requests}, wanted {insert_after}")
        state = final_state(lines)
        if state is None:
            return problems + ["the stand-in logged no state"]
        x, y = centred(lines, 276, 250)
        if (console_type != 1 and state[:4] != (x, y, 276, 250)) or state[4] != visible or state[5] != minimised:
            problems.append(f"final state {state}, wanted {(x, y, 276, 250)} visible={visible} minimised={minimised}")
        return problems
    return check


def corner_mode_starts_nothing_by_itself(session, directory):
    # The file asks for an automatic start after 500 ms; -c1 asks for a manual one.
    (directory / "pressGo.txt").write_bytes(configuration(0))
    launcher = session.start(directory, ["-c1"])
    time.sleep(5)
    launcher.kill()
    lines = stand_in_log(directory)
    return [] if not lines else [f"the stand-in was started: {lines[:2]}"]


def version_report(session, directory):
    launcher = session.start(directory, ["-VC"])
    launcher.wait(timeout=60)
    report = (directory / "version.txt").read_bytes()
    problems = [] if report.startswith(b"pressGo Version 1.09\r\n\r\npressGo        # Decide") else [f"report {report!r}"]
    if (directory / "pressGo.txt").exists():
        problems.append("pressGo.txt written on the report road")
    return problems


def default_configuration(session, directory):
    (directory / "VEX").write_bytes(b"marker")
    launcher = session.start(directory, ["-s-"])
    time.sleep(5)
    launcher.kill()
    problems = []
    written = (directory / "pressGo.txt").read_bytes() if (directory / "pressGo.txt").exists() else None
    if written != b"java.exe Orvex[Start]\r\n1000\r\n1\r\n276\r\n276\r\n":
        problems.append(f"pressGo.txt {written!r}")
    if (directory / "VEX").exists():
        problems.append("VEX is still there")
    return problems


CASES = [
    ("console type 0: centred on top", console_type_case(0, "top", True, False, True)),
    ("console type 1: at the bottom, minimised", console_type_case(1, "bottom", True, True, True)),
    ("console type 2: at the bottom", console_type_case(2, "bottom", True, False, True)),
    ("console type 3: hidden, the launcher stays", console_type_case(3, "bottom", False, False, False)),
    ("a corner mode starts nothing by itself", corner_mode_starts_nothing_by_itself),
    ("-VC writes the commented report", version_report),
    ("the default configuration is written and VEX deleted", default_configuration),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="the win64 build's bin directory")
    parser.add_argument("--wine", required=True, help="the wine64 loader")
    parser.add_argument("--prefix", required=True, help="the Wine prefix to use")
    options = parser.parse_args()
    binaries = pathlib.Path(options.bin).resolve()

    session = Session(options.wine, options.prefix)
    failures = 0
    try:
        for name, check in CASES:
            directory = pathlib.Path(tempfile.mkdtemp(prefix="launcher-"))
            try:
                for program in ("pressGo.exe", STAND_IN):
                    shutil.copy(binaries / program, directory / program)
                problems = check(session, directory)
            finally:
                shutil.rmtree(directory, ignore_errors=True)
            if problems:
                failures += 1
                print(f"FAIL {name}")
                for problem in problems:
                    print("     " + problem)
            else:
                print(f"ok   {name}")
    finally:
        session.close()
    print(f"{len(CASES) - failures} of {len(CASES)} launcher cases passed under Wine")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
