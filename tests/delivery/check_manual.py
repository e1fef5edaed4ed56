#!/usr/bin/env python3
"""Checks the typeset manual SeekDocs.pdf: its text (by pdftotext) names
every program and holds every usage line that the programs themselves
print, with comments where a program has them."""
import argparse
import pathlib
import re
import subprocess
import sys

# The launcher writes its usage lines into version.txt, a Windows program's
# file; these are its commented lines.
LAUNCHER_USAGE = ["pressGo # Decide according to pressGo.txt", "pressGo -c3 # diagonal", "pressGo -p # PDF help",
                  "pressGo -s- # manual start", "pressGo -s- -w # Show where the cursor is.",
                  "pressGo -V # version", "pressGo -VC # version with comments"]
# The console tools print theirs; -VC where a tool has comments.
TOOLS = {"hexpeek": "-VC", "lintally": "-V", "trashlist": "-V", "purgeit": "-V", "linepick": "-VC", "clockit": "-V"}


def plain(text):
    """Blanks collapsed, and the typographic hyphens and minus signs a typesetter may use made ASCII."""
    return re.sub(r"\s+", " ", re.sub("[\u2010\u2011\u2012\u2013\u2212]", "-", text)).strip()


def usage_lines(program, option):
    """The lines after the version line and the empty line that follows it."""
    result = subprocess.run([str(program), option], capture_output=True, text=True, timeout=30)
    lines = (result.stdout + result.stderr).splitlines()[2:]
    return [plain(line) for line in lines if line.strip()]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pdf", required=True)
    parser.add_argument("--bin", required=True, help="where the native console tools are")
    options = parser.parse_args()
    text = subprocess.run(["pdftotext", "-layout", options.pdf, "-"], capture_output=True, text=True, check=True,
                          timeout=60).stdout
    lines = {plain(line) for line in text.splitlines()}

    missing = []
    wanted = {"pressGo": LAUNCHER_USAGE}
    for tool, option in TOOLS.items():
        wanted[tool] = usage_lines(pathlib.Path(options.bin) / tool, option)
    for program, usage in wanted.items():
        if not re.search(rf"\b{program}\b", text):
            missing.append(f"the name {program}")
        if not usage:
            missing.append(f"{program}: no usage lines to look for")
        missing += [f"{program}: the usage line {line!r}" for line in usage if line not in lines]
        if not re.search(rf"(?m)^\s*\d+\.\s+{program}\b", text):
            missing.append(f"a section for {program}")
    for problem in missing:
        print("missing from the manual: " + problem)
    print(f"the manual holds {sum(len(usage) for usage in wanted.values())} usage lines of {len(wanted)} programs"
          if not missing else f"{len(missing)} things missing")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
