#!/usr/bin/env python3
"""Checks a Windows package ZIP: exactly the seven programs (built for the
named machine, the launcher a GUI program and the tools console programs),
the manual, the sample pressGo.txt, the readme with CR LF line ends, and the
demo folder."""
import argparse
import pathlib
import struct
import sys
import zipfile

PROGRAMS = ["pressGo", "hexpeek", "lintally", "trashlist", "purgeit", "linepick", "clockit"]
MACHINES = {"win32": 0x14C, "win64": 0x8664}  # i386, x86-64
GUI, CONSOLE = 2, 3
DEFAULT_CONFIGURATION = b"java.exe Orvex[Start]\r\n1000\r\n1\r\n276\r\n276\r\n"


def executable_kind(data):
    """The machine and the subsystem of a PE file, or None."""
    if data[:2] != b"MZ":
        return None
    header, = struct.unpack_from("<I", data, 0x3C)
    if data[header:header + 4] != b"PE\0\0":
        return None
    machine, = struct.unpack_from("<H", data, header + 4)
    subsystem, = struct.unpack_from("<H", data, header + 24 + 68)  # the same offset in PE32 and PE32+
    return machine, subsystem


def crlf_only(data):
    return data.count(b"\n") > 0 and data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r")


def check(path, kind):
    top = pathlib.Path(path).name[:-len(".zip")] + "/"
    archive = zipfile.ZipFile(path)
    files = {name[len(top):]: archive.read(name) for name in archive.namelist()
             if name.startswith(top) and not name.endswith("/")}
    wanted = {f"{program}.exe" for program in PROGRAMS} | {"SeekDocs.pdf", "pressGo.txt", "README.txt",
                                                           "demo/pressGo.exe", "demo/console_stand_in.exe",
                                                           "demo/pressGo.txt"}
    problems = []
    if set(files) != wanted or any(not name.startswith(top) for name in archive.namelist()):
        problems.append(f"holds {sorted(archive.namelist())}")
    for name, data in files.items():
        if name.endswith(".exe"):
            subsystem = GUI if name.endswith(("pressGo.exe", "console_stand_in.exe")) else CONSOLE
            if executable_kind(data) != (MACHINES[kind], subsystem):
                problems.append(f"{name}: machine and subsystem {executable_kind(data)}")
    if not files.get("SeekDocs.pdf", b"").startswith(b"%PDF-"):
        problems.append("SeekDocs.pdf is no PDF")
    if files.get("pressGo.txt") != DEFAULT_CONFIGURATION:
        problems.append(f"pressGo.txt {files.get('pressGo.txt')!r}")
    if not files.get("demo/pressGo.txt", b"").startswith(b"console_stand_in.exe ") or \
            not crlf_only(files.get("demo/pressGo.txt", b"")):
        problems.append(f"demo/pressGo.txt {files.get('demo/pressGo.txt')!r}")
    readme = files.get("README.txt", b"")
    if not crlf_only(readme) or any(f"{program}.exe".encode() not in readme for program in PROGRAMS):
        problems.append("README.txt lacks CR LF line ends or a program")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("packages", nargs="+", help="kind=path, kind being win32 or win64")
    options = parser.parse_args()
    failures = 0
    for package in options.packages:
        kind, path = package.split("=", 1)
        if not pathlib.Path(path).exists():
            problems = [f"missing; make it with: cmake --build --preset {kind} --target package"]
        else:
            problems = check(path, kind)
        failures += bool(problems)
        print(("ok   " if not problems else "FAIL ") + path)
        for problem in problems:
            print("     " + problem)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
