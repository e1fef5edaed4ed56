"""A desktop for end-to-end runs of Windows programs: a virtual X display of
its own, a Wine prefix whose X11 driver draws no decorations (so an X
window covers a Windows window's outer rectangle), and the mouse, the
keyboard, window titles, positions and screenshots through xdotool and
ImageMagick."""
import os
import pathlib
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time


def free_display():
    for number in range(90, 140):
        if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return f":{number}"
    sys.exit("no free X display")


def wait_for(condition, timeout, step=0.05):
    """Polls condition until it gives something true or timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(step)


class Session:
    """The X display (an Xvfb of its own unless one is given), the Wine prefix, and the programs started in it."""

    def __init__(self, wine, prefix, stand_in, display=None):
        self.wine = wine
        self.wineserver = shutil.which("wineserver", path=str(pathlib.Path(wine).parent)) or "wineserver"
        self.xvfb = None
        if display is None:
            display = free_display()
            self.xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1)
        self.display = display
        self.environment = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all", DISPLAY=display)
        if self.xvfb is not None:
            # Without a window manager, Wine draws the frames itself and gives the focus away.
            for key in ("Decorated", "UseTakeFocus"):
                subprocess.run([wine, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", key, "/d", "N", "/f"],
                               env=self.environment, capture_output=True, timeout=120)
        self.metrics = self._screen_metrics(stand_in)

    def _screen_metrics(self, stand_in):
        """SM_CXFULLSCREEN, SM_CYFULLSCREEN, SM_CYMENU and SM_CYCAPTION as a Windows program sees them."""
        directory = pathlib.Path(tempfile.mkdtemp(prefix="metrics-"))
        try:
            shutil.copy(stand_in, directory)
            self.run(directory, [pathlib.Path(stand_in).name, "metrics"])
            line = next(line for line in (directory / "stand_in.log").read_text().splitlines()
                        if line.startswith("metrics "))
            return dict(zip(("cxFullScreen", "cyFullScreen", "cyMenu", "cyCaption"),
                            (int(value) for value in line.split()[1:])))
        finally:
            shutil.rmtree(directory, ignore_errors=True)

    def open_with(self, extension, command):
        """Makes the shell's "open" of files ending in extension run command ("%1" stands for the file)."""
        kind = "OrvexTest" + extension.strip(".")
        for key, value in ((f"HKCR\\{extension}", kind), (f"HKCR\\{kind}\\shell\\open\\command", command)):
            subprocess.run([self.wine, "reg", "add", key, "/ve", "/d", value, "/f"], env=self.environment,
                           capture_output=True, timeout=120, check=True)

    def start(self, directory, program_and_args):
        return subprocess.Popen([self.wine] + program_and_args, cwd=directory, env=self.environment,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def run(self, directory, program_and_args, timeout=60):
        self.start(directory, program_and_args).wait(timeout=timeout)

    def end_programs(self, executables):
        """Kills the programs of this prefix started from the named executables, so none outlives its case.
        Wine's own services go on running: a restarted prefix would slow every case down."""
        names = {name.lower() for name in executables}
        marker = f"WINEPREFIX={self.environment['WINEPREFIX']}".encode()

        def running():
            found = []
            for entry in pathlib.Path("/proc").iterdir():
                try:
                    program = (entry / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
                    if re.split(r"[\\/]", program)[-1].lower() in names and \
                            marker in (entry / "environ").read_bytes().split(b"\0"):
                        found.append(int(entry.name))
                except (OSError, ValueError):
                    pass
            return found

        for pid in running():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        wait_for(lambda: not running(), 30, step=0.1)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.environment, capture_output=True, text=True,
                                timeout=30)
        return result.stdout.strip()

    def visible_window(self, executable):
        """The X window of the visible top-level window of a program, by its executable's name."""
        found = self.xdotool("search", "--onlyvisible", "--classname", re.escape(executable.lower()))
        return int(found.split()[0]) if found else None

    def geometry(self, window):
        """The window's outer rectangle: x, y, width, height."""
        fields = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return tuple(int(fields[name]) for name in ("X", "Y", "WIDTH", "HEIGHT"))

    def title(self, window):
        return subprocess.run(["xdotool", "getwindowname", str(window)], env=self.environment, capture_output=True,
                              text=True, timeout=30).stdout.rstrip("\n")

    def move_mouse(self, x, y):
        self.xdotool("mousemove", x, y)
        time.sleep(0.2)

    def click(self, x, y):
        self.move_mouse(x, y)
        self.xdotool("click", 1)

    def press(self, x, y):
        self.move_mouse(x, y)
        self.xdotool("mousedown", 1)

    def release(self, x, y):
        self.move_mouse(x, y)
        self.xdotool("mouseup", 1)

    def key(self, name):
        """A key press; keyboard input follows the pointer, so the pointer must be over the window."""
        self.xdotool("key", name)

    def screenshot(self, path, rectangle):
        """Saves the part of the screen inside rectangle as a PNG file and returns its pixels."""
        x, y, width, height = rectangle
        subprocess.run(["import", "-window", "root", "-depth", "8", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                        str(path)], env=self.environment, check=True, capture_output=True, timeout=60)
        raw = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"], check=True, capture_output=True,
                             timeout=60).stdout
        return Picture(width, height, raw)

    def close(self):
        subprocess.run([self.wineserver, "-k"], env=self.environment, capture_output=True, timeout=60)
        if self.xvfb is not None:
            self.xvfb.terminate()
            self.xvfb.wait(timeout=10)


class Picture:
    """Pixels as rows of red, green and blue bytes, top row first."""

    def __init__(self, width, height, rgb):
        self.width, self.height = width, height
        self.rows = [rgb[y * width * 3:(y + 1) * width * 3] for y in range(height)]

    @staticmethod
    def from_bitmap(path):
        """Reads a 24-bit Windows bitmap (rows bottom-up, blue green red, padded to four bytes)."""
        data = pathlib.Path(path).read_bytes()
        offset, = struct.unpack_from("<I", data, 10)
        width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
        assert bits == 24, f"{path}: {bits} bits per pixel"
        stride = (width * 3 + 3) // 4 * 4
        rows = []
        for y in range(height):
            row = data[offset + (height - 1 - y) * stride:][:width * 3]
            rows.append(bytes(row[i + j] for i in range(0, len(row), 3) for j in (2, 1, 0)))
        return Picture(width, height, b"".join(rows))

    def find(self, part, width):
        """The top-left corner where the first width columns of every row of part appear, or None."""
        size = width * 3
        wanted = [row[:size] for row in part.rows]
        for y in range(self.height - part.height + 1):
            for x in range(self.width - width + 1):
                if all(self.rows[y + i][x * 3:x * 3 + size] == wanted[i] for i in range(part.height)):
                    return x, y
        return None

    def dark_pixels(self, top, bottom):
        """How many pixels between rows top and bottom are nearly black: text."""
        return sum(1 for row in self.rows[top:bottom] for i in range(0, len(row), 3) if sum(row[i:i + 3]) < 200)
