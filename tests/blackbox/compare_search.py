#!/usr/bin/env python3
"""Checks the POSIX emulation of the Windows directory search against the
real one: the native trashlist and the Windows trashlist under Wine search
the same fixture directory, one pattern at a time, and must list the same
names for each pattern (as multisets: Wine delivers them in its own order).
First a fixture written by hand, then one of generated names searched with
generated patterns (a fixed seed, so a failure can be run again).
"""
import argparse
import collections
import concurrent.futures
import os
import pathlib
import random
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


NAME_LETTERS = "aAbBx1_"
PATTERN_LETTERS = "aAbB1._*?"


def overlaps_itself(segment):
    """Whether a piece of pattern could match twice with the two matches
    overlapping: a proper beginning that can also be its ending."""
    def same(a, b):
        return a == "?" or b == "?" or a.lower() == b.lower()
    return any(all(same(x, y) for x, y in zip(segment[:k], segment[-k:])) for k in range(1, len(segment)))


def wine_searches_as_windows(pattern):
    """Leaves out the patterns for which Wine's matcher is known not to be the
    Windows search: a final dot (Wine drops it), a question mark right after a
    star (Wine looks for a literal "?"), a piece after the last star that can
    overlap itself (Wine does not go back far enough to find the match that
    ends the name), and more than one dot among the final dots and stars
    (Wine takes them all as matching nothing)."""
    tail = len(pattern) - len(pattern.rstrip(".*"))
    last_piece = pattern.rsplit("*", 1)[1] if "*" in pattern else ""
    return not (pattern.endswith(".") or "*?" in pattern or overlaps_itself(last_piece) or
                pattern[len(pattern) - tail:].count(".") > 1)


def generated(count, seed):
    """Names of the 8.3 form (up to eight letters, a dot and up to three), so
    that no short name stands beside them, and patterns of stars, question
    marks, dots and the names' letters that Wine searches as Windows does.
    The hand-written fixture has the longer names."""
    chooser = random.Random(seed)

    def word(letters, longest):
        return "".join(chooser.choice(letters) for _ in range(chooser.randint(1, longest)))

    names = {}
    while len(names) < count:
        name = word(NAME_LETTERS, 8) + ("." + word(NAME_LETTERS, 3) if chooser.random() < 0.6 else "")
        names.setdefault(name.lower(), name)
    patterns = set()
    while len(patterns) < count:
        pattern = word(PATTERN_LETTERS, 6)
        if wine_searches_as_windows(pattern):
            patterns.add(pattern)
    return sorted(names.values()), sorted(patterns)


def lay_out(root, files, folders=(), read_only=()):
    root.mkdir()
    for folder in folders:
        (root / folder).mkdir()
    for name in list(files) + list(read_only):
        (root / name).write_bytes(b"x")
    for name in read_only:
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
    parser.add_argument("--generated", type=int, default=100, help="how many names and patterns to generate")
    parser.add_argument("--seed", type=int, default=1, help="the seed of the generated names and patterns")
    options = parser.parse_args()
    if not os.access(options.native, os.X_OK):
        sys.exit(f"the native build is needed first: {options.native}")

    names, patterns = generated(options.generated, options.seed)
    rounds = [("the fixture by hand", PATTERNS, dict(files=FILES, folders=FOLDERS, read_only=READ_ONLY)),
              (f"{len(names)} generated names (seed {options.seed})", patterns, dict(files=names))]
    top = pathlib.Path(tempfile.mkdtemp(prefix="search-"))
    failures = 0
    try:
        for title, round_patterns, fixture in rounds:
            # One copy of the fixture for each pattern, so that the patterns can
            # run side by side (which also keeps Wine's server running).
            def compare(numbered):
                number, pattern = numbered
                root = top / f"{title[:3]}-{number}"
                lay_out(root, **fixture)
                native = listed([os.path.abspath(options.native)], root, pattern, os.environ)
                windows = listed([options.wine, os.path.abspath(options.windows)], root, pattern, os.environ)
                return pattern, native, windows

            differing = 0
            with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
                for pattern, native, windows in pool.map(compare, enumerate(round_patterns)):
                    if native != windows:
                        differing += 1
                        print(f"FAIL {pattern!r}: native only {sorted((native - windows).elements())}, "
                              f"Windows only {sorted((windows - native).elements())}")
            print(f"{title}: {len(round_patterns) - differing} of {len(round_patterns)} patterns list the same "
                  f"names natively and under Wine")
            failures += differing
        return 1 if failures else 0
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
