"""hexpeek: argument recognition, the dump, the usage texts, the error message."""
from case import Case, Directory, Sparse

SHORT_USAGE = (b"hexpeek Version 1.040\n\n"
               b"hexpeek -m3 file_name \n"
               b"hexpeek -V            \n"
               b"hexpeek -VC           \n"
               b"hexpeek file_name     \n")
LONG_USAGE = (b"hexpeek Version 1.040\n\n"
              b"hexpeek -m3 file_name # Express 3 lines in hexadecimal notation. \n"
              b"hexpeek -V            # version \n"
              b"hexpeek -VC           # version with comments \n"
              b"hexpeek file_name     # Express the first part of file as hexadecimal. \n")

# Seven short lines: "1\n" to "7\n".
SEVEN_LINES = b"".join(b"%d\n" % n for n in range(1, 8))
FIVE_LINES_DUMP = b"31 0A 32 0A 33 0A 34 0A 35 0A "
THREE_LINES_DUMP = b"31 0A 32 0A 33 0A "
TWENTY_A = b"41 " * 20
NOT_FOUND = b": No such file or directory\n"


def usage(name, args, files=None):
    return Case(name, args, files=files or {}, stderr=SHORT_USAGE, code=1)


def seven_lines(name, args, stdout):
    return Case(name, args, files={"f.txt": SEVEN_LINES}, stdout=stdout)


CASES = [
    # Usage requests and wrong command lines.
    Case("-V gives the short usage", ["-V"], stderr=SHORT_USAGE, code=1),
    Case("-VC gives the long usage", ["-VC"], stderr=LONG_USAGE, code=1),
    usage("no argument", []),
    usage("three arguments", ["-m3", "f.txt", "f.txt"], {"f.txt": SEVEN_LINES}),
    usage("-M3 is not -m", ["-M3", "f.txt"], {"f.txt": SEVEN_LINES}),
    usage("the option after the file name", ["f.txt", "-m3"], {"f.txt": SEVEN_LINES}),
    usage("-V in front of a file name", ["-V", "f.txt"], {"f.txt": SEVEN_LINES}),
    usage("-VC in front of a file name", ["-VC", "f.txt"], {"f.txt": SEVEN_LINES}),

    # A single argument other than -V and -VC is a file name.
    Case("-v alone is a file name", ["-v"], stderr=b"-v" + NOT_FOUND, code=1),
    Case("-m3 alone is a file name", ["-m3"], stderr=b"-m3" + NOT_FOUND, code=1),
    Case("-VCX alone is a file name", ["-VCX"], stderr=b"-VCX" + NOT_FOUND, code=1),
    Case("-v names an existing file", ["-v"], files={"-v": b"\n"}, stdout=b"0A "),

    # Files that cannot be opened.
    Case("missing file", ["missing.txt"], stderr=b"missing.txt" + NOT_FOUND, code=1),
    Case("missing file with a line limit", ["-m0", "missing.txt"], stderr=b"missing.txt" + NOT_FOUND, code=1),
    Case("empty file name: only the system's text", [""], stderr=b"No such file or directory\n", code=1),
    Case("a directory is not a file", ["sub"], files={"sub": Directory()},
         stderr=b"sub: Permission denied\n", code=1),
    Case("unreadable file", ["locked.txt"], files={"locked.txt": b"secret\n"}, modes={"locked.txt": 0o000},
         stderr=b"locked.txt: Permission denied\n", code=1, unprivileged=True, platforms=["posix"]),

    # The dump.
    Case("empty file prints nothing", ["empty"], files={"empty": b""}),
    Case("a file without LF is dumped whole", ["f"], files={"f": b"abc"}, stdout=b"61 62 63 "),
    Case("twenty bytes make one full line", ["f"], files={"f": b"A" * 20}, stdout=TWENTY_A + b"\n"),
    Case("the twenty-first byte starts a line without a break", ["f"], files={"f": b"A" * 21},
         stdout=TWENTY_A + b"\n41 "),
    Case("special bytes", ["f"], files={"f": b"\x00\x0d\x1a\xff"}, stdout=b"00 0D 1A FF "),
    Case("CR LF counts once, a lone CR not at all", ["-m2", "f"], files={"f": b"a\rb\r\nc\nd\n"},
         stdout=b"61 0D 62 0D 0A 63 0A "),
    seven_lines("the default stops right after the fifth LF", ["f.txt"], FIVE_LINES_DUMP),
    Case("the limit LF as twentieth entry is followed by a break", ["-m1", "f"],
         files={"f": b"A" * 19 + b"\nBBB"}, stdout=b"41 " * 19 + b"0A \n"),
    Case("lines span output lines", ["-m2", "f"], files={"f": b"A" * 25 + b"\n" + b"B" * 30 + b"\nC\n"},
         stdout=TWENTY_A + b"\n" + b"41 " * 5 + b"0A " + b"42 " * 14 + b"\n" + b"42 " * 16 + b"0A "),

    # Reading the number after -m.
    seven_lines("-m3", ["-m3", "f.txt"], THREE_LINES_DUMP),
    seven_lines("-m+3", ["-m+3", "f.txt"], THREE_LINES_DUMP),
    seven_lines("-m03", ["-m03", "f.txt"], THREE_LINES_DUMP),
    seven_lines("-m3x", ["-m3x", "f.txt"], THREE_LINES_DUMP),
    seven_lines("leading blanks are skipped", ["-m  3", "f.txt"], THREE_LINES_DUMP),
    seven_lines("-m0 prints nothing", ["-m0", "f.txt"], b""),
    seven_lines("-m with nothing after it prints nothing", ["-m", "f.txt"], b""),
    seven_lines("-mx prints nothing", ["-mx", "f.txt"], b""),
    seven_lines("a negative limit means 5", ["-m-2", "f.txt"], FIVE_LINES_DUMP),
    seven_lines("a limit below the 32-bit range means 5", ["-m-99999999999", "f.txt"], FIVE_LINES_DUMP),
    seven_lines("a limit above the 32-bit range dumps everything", ["-m99999999999", "f.txt"],
                FIVE_LINES_DUMP + b"36 0A 37 0A "),
    seven_lines("a number text longer than 1023 characters", ["-m" + "0" * 2000 + "3", "f.txt"],
                THREE_LINES_DUMP),

    # Beyond the old fixed limits.
    Case("a file name longer than 255 characters", ["d" * 120 + "/" + "e" * 140],
         files={"d" * 120 + "/" + "e" * 140: b"xy\n"}, stdout=b"78 79 0A "),
    Case("a file of 3 GiB is dumped like any other", ["big.bin"],
         files={"big.bin": Sparse(b"1\n2\n3\n4\n5\n6\n", 3 << 30)}, stdout=FIVE_LINES_DUMP),

    # A file that fails while it is read, or a dump that cannot be written, is a failure.
    Case("a read failure after the open", ["/proc/self/mem"],
         stderr=b"/proc/self/mem: Input/output error\n", code=1, platforms=["posix"]),
    Case("a name with spaces", ["my notes.txt"], files={"my notes.txt": SEVEN_LINES}, stdout=FIVE_LINES_DUMP),
    Case("a full standard output fails", ["f.txt"], files={"f.txt": SEVEN_LINES}, stdout_file="/dev/full",
         stderr=b"hexpeek: No space left on device\n", code=1, platforms=["posix"]),
]
