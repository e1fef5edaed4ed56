#!/usr/bin/env python3
"""The launcher's main job, shown step by step: in a demo folder whose
pressGo.txt starts the console stand-in in place of the Java runtime,
pressGo.exe runs under Wine, starts it by itself after the configured delay,
places its console window and ends. Saves a screenshot of the launcher
window and one of the screen with the placed window."""
import argparse
import pathlib
import shutil
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "e2e"))
from wine_desktop import Session, wait_for  # noqa: E402

STAND_IN = "console_stand_in.exe"


def step(text):
    print(f"-- {text}", flush=True)


def stand_in_log(folder):
    path = folder / "stand_in.log"
    return path.read_text().splitlines() if path.exists() else []


def prepare_folder(binaries, configuration, folder):
    folder.mkdir(parents=True, exist_ok=True)
    for leftover in ("stand_in.log", "launcher.png", "placed.png"):
        (folder / leftover).unlink(missing_ok=True)
    shutil.copy(binaries / "pressGo.exe", folder)
    shutil.copy(binaries / STAND_IN, folder)
    shutil.copy(configuration, folder / "pressGo.txt")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="the win64 build's bin directory")
    parser.add_argument("--configuration", required=True, help="the demo's pressGo.txt, with CR LF line ends")
    parser.add_argument("--folder", required=True, help="the demo folder to make and run in")
    parser.add_argument("--wine", required=True, help="the wine64 loader")
    parser.add_argument("--display", help="an X display to use; without one the demo starts an Xvfb of its own")
    options = parser.parse_args()
    binaries, folder = pathlib.Path(options.bin).resolve(), pathlib.Path(options.folder).resolve()

    prepare_folder(binaries, pathlib.Path(options.configuration), folder)
    lines = (folder / "pressGo.txt").read_text().splitlines()
    step(f"demo folder {folder}: pressGo.exe, {STAND_IN} (in place of java.exe) and pressGo.txt:")
    for number, line in enumerate(lines[:5], 1):
        print(f"     line {number}: {line}")
    delay = int(lines[1])

    where = options.display or "an Xvfb display of its own, 1024 x 768"
    step(f"starting Wine (prefix {folder / 'wineprefix'}; its first start takes a while) on {where}")
    session = Session(options.wine, str(folder / "wineprefix"), binaries / STAND_IN, display=options.display)
    try:
        metrics = session.metrics
        step(f"the screen as Windows programs see it: full-screen client area {metrics['cxFullScreen']} x "
             f"{metrics['cyFullScreen']}, menu bar {metrics['cyMenu']}, caption {metrics['cyCaption']}")
        (folder / "stand_in.log").unlink(missing_ok=True)

        step("starting pressGo.exe in the demo folder")
        launcher = session.start(folder, ["pressGo.exe"])
        window = wait_for(lambda: session.visible_window("pressGo.exe"), 60)
        if not window:
            sys.exit("pressGo's window did not appear")
        shown_at = time.monotonic()
        time.sleep(0.3)
        outer = session.geometry(window)
        session.screenshot(folder / "launcher.png", outer)
        step(f"pressGo's window \"{session.title(window)}\" is shown at ({outer[0]}, {outer[1]}), "
             f"{outer[2]} x {outer[3]}; screenshot {folder / 'launcher.png'}")

        step(f"waiting for the automatic start, {delay} ms after the window was made")
        started = wait_for(lambda: next((line for line in stand_in_log(folder) if line.startswith("started ")), None),
                           delay / 1000 + 30)
        if not started:
            sys.exit("nothing was started")
        step(f"pressGo opened {STAND_IN} with the parameter \"{started.split(' ', 1)[1]}\", "
             f"{time.monotonic() - shown_at:.1f} s after its window appeared")

        try:
            code = launcher.wait(timeout=40)
        except subprocess.TimeoutExpired:
            sys.exit("pressGo did not end")
        time.sleep(0.3)  # the stand-in logs its place every 100 ms
        log = stand_in_log(folder)
        requests = [line.split()[1] for line in log[log.index("shown"):] if line.startswith("insert-after ")]
        state = [line.split() for line in log if line.startswith("state ")][-1]
        x, y, width, height = (int(value) for value in state[1:5])
        step(f"pressGo placed the console window at ({x}, {y}), {width} x {height}, "
             f"z-order {' then '.join(requests) or 'unchanged'}, {'visible' if state[5] == 'visible=1' else 'hidden'}")
        screen = tuple(int(value) for value in session.xdotool("getdisplaygeometry").split())
        session.screenshot(folder / "placed.png", (0, 0) + screen)
        step(f"pressGo ended with exit code {code}; screenshot of the screen with the placed window "
             f"{folder / 'placed.png'}")
        if wait_for(lambda: "ended" in stand_in_log(folder), 15):
            step(f"the stand-in closed by itself; its log is {folder / 'stand_in.log'}")
    finally:
        session.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
