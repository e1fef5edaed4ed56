#!/usr/bin/env python3
"""Checks the POSIX emulation of the Windows directory search against the
real one: the native trashlist and the Windows trashlist under Wine search
the same fixture directory, one pattern at a time, and must list the same
names for each pattern (as multisets: Wine delivers them in its own order).
"""
import argparse
import collections
import concurrent.futures
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

# Names that exercise the wildcard rules: case, stars and question marks,
# dots, names without extension, hidden names, folders, spaces.
FILES = ["CCC1.txt", "ccc2.TXT", "CCC.txt", "xCCC3.txt", "CCC4.txt.bak", "DIRa.bat", "LS_b.bat", "FNLc.txt",
         "a.tmp", "B.TMP", "tmp", "noext", "abc.txt", "abbc.txt", "ac.txt", "a.b.c", "with space.tmp",
         ".hidden", ".cfg.tmp", "README", "x1", "x12", "x123", "Mixed.Case.Txt", "sub/inner.tmp", "sub/other.txt"]
FOLDERS = ["sub", "CCCdir.txt", "emptydir"]
READ_ONLY = ["ro.tmp"]
PATTERNS = ["CCC*.txt", "DIR*.bat", "LS_*.bat", "FNL*.txt", "*.tmp", "*", "*.*", "a?c.txt", "x?", "x??", "?",
            "*.txt", "*.TXT", "c*", "*a*", "*.b*", "a.b.*", "*.c", "README", "readme", "with*", ".*", "*cfg*",
            "sub/*.tmp", "sub\\*", "missing/*", "Mixed.*.txt", "???.txt", "*1*", "*dir*"]


def lay_out(root):
    root.mkdir()
    for folder in FOLDERS:
        (root / folder).mkdir()
    for name in FILES + READ_ONLY:
        (root / name).write_bytes(b"x")
    for name in READ_ONLY:
        os.chmod(root / name, 0o444)


def listed(command, root, pattern, environment):
    (root / "p.lst").write_bytes(pattern.encode() + b"\n")
    result = subprocess.run(command + ["p.lst"], cwd=root, env=environment, capture_output=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{command} failed for {pattern!r}: {result.stderr!r}")
    return collections.Counter((root / "remove_e.txt").read_bytes().split(b"\r\n")[:-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--native", required=True, help="the native trashlist")
    parser.add_argument("--windows", required=True, help="the Windows trashlist.exe")
    parser.add_argument("--wine", required=True, help="the wine64 loader")
    options = parser.parse_args()
    if not os.access(options.native, os.X_OK):
        sys.exit(f"the native build is needed first: {options.native}")

    top = pathlib.Path(tempfile.mkdtemp(prefix="search-"))
    try:
        # One copy of the fixture for each pattern, so that the patterns can
        # run side by side (which also keeps Wine's server running).
        def compare(numbered):
            number, pattern = numbered
            root = top / str(number)
            lay_out(root)
            native = listed([os.path.abspath(options.native)], root, pattern, os.environ)
            windows = listed([options.wine, os.path.abspath(options.windows)], root, pattern, os.environ)
            return pattern, native, windows

        failures = 0
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            for pattern, native, windows in pool.map(compare, enumerate(PATTERNS)):
                if native != windows:
                    failures += 1
                    print(f"FAIL {pattern!r}: native only {sorted((native - windows).elements())}, "
                          f"Windows only {sorted((windows - native).elements())}")
        print(f"{len(PATTERNS) - failures} of {len(PATTERNS)} patterns list the same names natively and under Wine")
        return 1 if failures else 0
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
