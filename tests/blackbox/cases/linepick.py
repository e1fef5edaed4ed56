"""linepick: argument rules, the window, placeholders, the buffer size, LF
mode, and every message of its failure table."""
from case import Case, Directory, Sparse

PLAIN_USAGE = (b"linepick 1.03\n\n"
               b"linepick -a2 -p567 file_name \n"
               b"linepick -b3 -p567 file_name \n"
               b"linepick -c4 -p567 file_name \n"
               b"linepick -LF -p567 file_name \n"
               b"linepick -p567 file_name \n"
               b"linepick -s10240 -p567 file_name \n"
               b"linepick -V \n"
               b"linepick -VC \n")
COMMENTED_USAGE = (b"linepick 1.03\n\n"
                   b"linepick -a2 -p567 file_name # 2 lines after line-567 \n"
                   b"linepick -b3 -p567 file_name # 3 lines before line-567 \n"
                   b"linepick -c4 -p567 file_name # 4 lines before line-567 and 4 lines after line-567 \n"
                   b"linepick -LF -p567 file_name # Count lines. Record the maximum span from LF to LF. \n"
                   b"linepick -p567 file_name # line-567 \n"
                   b"linepick -s10240 -p567 file_name # large buffer size of 10240 bytes \n"
                   b"linepick -V # version \n"
                   b"linepick -VC # version with comments \n")


def numbered(first, last, end=b"\n"):
    return b"".join(b"line %d" % n + end for n in range(first, last + 1))


TEN = {"ten.txt": numbered(1, 10)}
SIX_HUNDRED = {"600.txt": numbered(1, 600)}
LONG_LINE = {"long.txt": b"x" * 4999 + b"\n" + b"next\n"}  # 5000 bytes with its LF
MEASURED = b"ab\nabcd\nxy\n"
BIG = {"big.txt": numbered(1, 200000, b"\r\n")}  # 2.5 MB: many blocks
SPACE = b" \n"


def pick(name, args, files, stdout, code=0):
    return Case(name, args, files=files, stdout=stdout, code=code)


def usage(name, args, files=None, text=PLAIN_USAGE):
    return Case(name, args, files=files or {}, stderr=text, code=1)


def lf_report(name, lines, span, line):
    return b"%s: %d lines\nmaximum LF-to-LF span of %d bytes (line-%d)\n" % (name.encode(), lines, span, line)


CASES = [
    # The window.
    pick("one line", ["-p3", "ten.txt"], TEN, numbered(3, 3)),
    pick("lines after", ["-a2", "-p567", "600.txt"], SIX_HUNDRED, numbered(567, 569)),
    pick("lines before", ["-b3", "-p567", "600.txt"], SIX_HUNDRED, numbered(564, 567)),
    pick("lines around", ["-c4", "-p567", "600.txt"], SIX_HUNDRED, numbered(563, 571)),
    pick("placeholders before line 1", ["-b3", "-p2", "ten.txt"], TEN, SPACE * 2 + numbered(1, 2)),
    pick("the target never reached", ["-a2", "-p9", "ten.txt"], TEN, numbered(8, 10), code=1),
    pick("line 0 is never reached", ["-p0", "ten.txt"], TEN, numbered(10, 10), code=1),
    pick("an empty file shows placeholders", ["-b2", "-p1", "empty"], {"empty": b""}, SPACE * 3, code=1),
    pick("the window is at most 127 lines", ["-c100", "-p500", "600.txt"], SIX_HUNDRED, numbered(474, 600)),
    pick("a later setting replaces an earlier one", ["-a2", "-b3", "-c4", "-a1", "-p10", "600.txt"], SIX_HUNDRED,
         numbered(6, 11)),
    pick("the last line number and file name win", ["-p1", "ten.txt", "-p4", "600.txt"],
         dict(TEN, **SIX_HUNDRED), numbered(4, 4)),
    pick("leading zeros", ["-p007", "ten.txt"], TEN, numbered(7, 7)),
    pick("a line number beyond 32 bits is the largest", ["-p99999999999999", "ten.txt"], TEN,
         numbered(10, 10), code=1),
    pick("sums beyond 32 bits do not wrap", ["-c2147483647", "-p2147483647", "ten.txt"], TEN,
         SPACE * 117 + numbered(1, 10), code=1),
    pick("options are written with their value", ["-a", "-p1"], {"-a": b"dash a\n"}, b"dash a\n"),
    pick("-x5 is a file name", ["-p1", "-x5"], {"-x5": b"x five\n"}, b"x five\n"),
    pick("-a-2 is a file name", ["-p1", "-a-2"], {"-a-2": b"minus\n"}, b"minus\n"),
    pick("-LF5 is a file name", ["-p1", "-LF5"], {"-LF5": b"lf five\n"}, b"lf five\n"),

    # Text: CR bytes dropped, 0x1A ends the input, a NUL ends a shown line.
    pick("CR LF lines", ["-a1", "-p2", "crlf"], {"crlf": b"a\r\nb\r\nc\r\n"}, b"b\nc\n"),
    pick("a CR inside a line", ["-p1", "f"], {"f": b"a\rb\n"}, b"ab\n"),
    pick("0x1A ends the input", ["-p3", "f"], {"f": b"a\nb\n\x1ac\n"}, b"b\n", code=1),
    pick("a NUL ends the shown line", ["-p1", "f"], {"f": b"ab\x00cd\nx\n"}, b"ab\n"),
    pick("the last line without LF", ["-p2", "f"], {"f": b"a\nlast"}, b"last\n"),

    # The line buffer.
    pick("a line longer than the buffer counts twice: first part", ["-p1", "long.txt"], LONG_LINE,
         b"x" * 4223 + b"\n"),
    pick("a line longer than the buffer counts twice: second part", ["-p2", "long.txt"], LONG_LINE,
         b"x" * 776 + b"\n"),
    pick("after it, the next line", ["-p3", "long.txt"], LONG_LINE, b"next\n"),
    pick("-s below 4224 gives 4224", ["-s100", "-p2", "long.txt"], LONG_LINE, b"x" * 776 + b"\n"),
    pick("-s10240 holds the long line", ["-s10240", "-p1", "long.txt"], LONG_LINE, b"x" * 4999 + b"\n"),
    pick("CR bytes do not fill the buffer", ["-p1", "f"], {"f": b"y" * 4000 + b"\r" * 5000 + b"z" * 100 + b"\n"},
         b"y" * 4000 + b"z" * 100 + b"\n"),

    # Many blocks of input.
    pick("a window in a large CR LF file", ["-c2", "-p150000", "big.txt"], BIG, numbered(149998, 150002)),
    pick("the end of a large file", ["-b4", "-p0", "big.txt"], BIG, numbered(199996, 200000), code=1),
    pick("a window across a block boundary", ["-c6", "-p20165", "big.txt"], BIG, numbered(20159, 20171)),

    # LF mode.
    pick("LF mode measures the lines", ["-LF", "-p2", "m.txt"], {"m.txt": MEASURED},
         lf_report("m.txt", 3, 5, 2) + b"abcd\n"),
    pick("LF mode with CR LF lines", ["-LF", "-p2", "m.txt"], {"m.txt": MEASURED.replace(b"\n", b"\r\n")},
         lf_report("m.txt", 3, 5, 2) + b"abcd\n"),
    pick("LF mode: the first of the longest lines", ["-LF", "-p1", "m.txt"], {"m.txt": b"abc\nxyz\n"},
         lf_report("m.txt", 2, 4, 1) + b"abc\n"),
    pick("LF mode: text after the last LF is no line", ["-LF", "-p4", "m.txt"], {"m.txt": b"ab\nabcdefgh"},
         lf_report("m.txt", 1, 3, 1) + b"gh\n"),
    pick("LF mode sizes the buffer past -s", ["-LF", "-s10240", "-p1", "m.txt"],
         {"m.txt": b"z" * 9000 + b"\n"}, lf_report("m.txt", 1, 9001, 1) + b"z" * 9000 + b"\n"),
    pick("LF mode on a file without LF ends", ["-LF", "-p1", "m.txt"], {"m.txt": b"abc"},
         lf_report("m.txt", 0, 0, 0) + b"abc\n"),
    pick("LF mode on an empty file ends", ["-LF", "-b1", "-p1", "m.txt"], {"m.txt": b""},
         lf_report("m.txt", 0, 0, 0) + SPACE * 2, code=1),
    pick("LF mode on a large file", ["-LF", "-c1", "-p199999", "big.txt"], BIG,
         lf_report("big.txt", 200000, 12, 100000) + numbered(199998, 200000)),
    pick("LF mode: a window at the start of a large file", ["-LF", "-c3", "-p5", "big.txt"], BIG,
         lf_report("big.txt", 200000, 12, 100000) + numbered(2, 8)),
    pick("LF mode: placeholders before line 1", ["-LF", "-b2", "-p2", "big.txt"], BIG,
         lf_report("big.txt", 200000, 12, 100000) + SPACE + numbered(1, 2)),
    pick("LF mode: the target past the end", ["-LF", "-a2", "-p199999", "big.txt"], BIG,
         lf_report("big.txt", 200000, 12, 100000) + numbered(199998, 200000), code=1),
    pick("LF mode: the last lines for line 0", ["-LF", "-b5", "-p0", "big.txt"], BIG,
         lf_report("big.txt", 200000, 12, 100000) + numbered(199995, 200000), code=1),
    pick("LF mode: a long last line without LF is cut", ["-LF", "-p200002", "tail.txt"],
         {"tail.txt": BIG["big.txt"] + b"y" * 30}, lf_report("tail.txt", 200000, 12, 100000) + b"y" * 12 + b"\n"),
    pick("LF mode: the end of a long last line", ["-LF", "-b3", "-p0", "tail.txt"],
         {"tail.txt": BIG["big.txt"] + b"y" * 30},
         lf_report("tail.txt", 200000, 12, 100000) + numbered(200000, 200000) + b"y" * 12 + b"\n" + b"y" * 12 + b"\n"
         + b"y" * 6 + b"\n", code=1),

    # Usage and failures.
    usage("-V", ["-V"]),
    usage("-VC", ["-VC"], text=COMMENTED_USAGE),
    usage("-LF -V reads no file", ["-LF", "-V", "-p1", "missing"]),
    usage("-V ends the reading of arguments", ["-p1", "ten.txt", "-V", "-VC"], TEN),
    usage("no line number", ["ten.txt"], TEN),
    usage("no file name", ["-p3"]),
    usage("no argument", []),
    Case("a missing file", ["-p1", "missing"], stderr=b"missing\n", code=1),
    Case("a directory", ["-p1", "sub"], files={"sub": Directory()}, stderr=b"sub\n", code=1),
    Case("LF mode: a missing file", ["-LF", "-p1", "missing"],
         stderr=b'fopen(missing, "rt"): No such file or directory\n', code=1),
    Case("LF mode: a directory", ["-LF", "-p1", "sub"], files={"sub": Directory()},
         stderr=b'fopen(sub, "rt"): Permission denied\n', code=1),
    Case("a read failure", ["-p1", "/proc/self/mem"], stderr=b"/proc/self/mem: Input/output error\n", code=1,
         platforms=["posix"]),
    Case("a full standard output", ["-p1", "ten.txt"], files=TEN, stdout_file="/dev/full",
         stderr=b"linepick: No space left on device\n", code=1, platforms=["posix"]),
    Case("an unreadable file", ["-p1", "locked"], files={"locked": b"x\n"}, modes={"locked": 0o000},
         stderr=b"locked\n", code=1, unprivileged=True, platforms=["posix"]),

    # Names and sizes beyond the usual.
    pick("a name with spaces", ["-p2", "my ten.txt"], {"my ten.txt": numbered(1, 10)}, numbered(2, 2)),
    pick("a name longer than 255 characters", ["-p2", "d" * 200 + "/" + "n" * 200],
         {"d" * 200 + "/" + "n" * 200: numbered(1, 10)}, numbered(2, 2)),
    # 2.5 GiB of zero bytes after two lines: read to its end, counted past 32 bits of bytes.
    pick("a file of 2.5 GiB", ["-a1", "-p1", "big.txt"], {"big.txt": Sparse(b"one\ntwo\n", 5 << 29)},
         b"one\ntwo\n"),
]
