"""trashlist: the argument table, the built-in patterns, pattern files, the
size filter, remove_e.txt exactly, the usage block, messages and exit codes."""
from case import Case, Directory, Fifo, Listed, Sparse

USAGE = (b"trashlist Version 1.067\n\n"
         b"trashlist -V\n"
         b"trashlist -x64\n"
         b"trashlist  \n"
         b"trashlist trashlist.txt\n")
LIST = "remove_e.txt"

# One or more entries for each built-in pattern, and entries that match none.
BUILT_IN = {
    "CCCone.txt": b"1", "ccctwo.TXT": b"22", "CCC.txt": b"",
    "DIRlist.bat": b"x", "LS_a.bat": b"y", "FNLfinal.txt": b"z",
    "a.tmp": b"a", "b.TMP": b"b",
    "keep.txt": b"k", "CCCnot.bat": b"n", "xCCC.txt": b"x", "tmp": b"t", "a.tmpx.bat": b"q",
}
BUILT_IN_LIST = Listed(["CCC.txt", "CCCone.txt", "ccctwo.TXT"], ["DIRlist.bat"], ["LS_a.bat"], ["FNLfinal.txt"],
                       ["a.tmp", "b.TMP"])


def patterns(*lines, end=b"\n"):
    return b"".join(line.encode() + end for line in lines)


def listing(name, args, files, *groups, code=0, **extra):
    return Case(name, args, files=files, after={LIST: Listed(*groups)}, code=code, **extra)


def pattern_file(name, lines, files, *groups, **extra):
    return listing(name, ["p.lst"], dict(files, **{"p.lst": lines}), *groups, **extra)


CASES = [
    # The command line.
    listing("no argument: the built-in patterns", [], BUILT_IN, *BUILT_IN_LIST.groups),
    listing("two arguments are passed over", ["-x", "100"], BUILT_IN, *BUILT_IN_LIST.groups),
    listing("-V with a second argument is passed over", ["-V", "x"], BUILT_IN, *BUILT_IN_LIST.groups),
    Case("-V: the usage block, the list untouched", ["-V"], files={LIST: b"old\r\n"}, stderr=USAGE, code=1),
    Case("-X5 is a pattern file name", ["-X5"], stderr=b"-X5\n", code=1),
    Case("-v is a pattern file name", ["-v"], stderr=b"-v\n", code=1),
    Case("-VC is a pattern file name", ["-VC"], files={LIST: b"old\r\n"}, stderr=b"-VC\n", code=1),
    Case("a pattern file that is a directory", ["sub"], files={"sub": Directory()}, stderr=b"sub\n", code=1),
    Case("an unreadable pattern file", ["p.lst"], files={"p.lst": b"*.tmp\n", LIST: b"old\r\n"},
         modes={"p.lst": 0o000}, stderr=b"p.lst\n", code=1, unprivileged=True, platforms=["posix"]),
    Case("a read-only remove_e.txt is not written", [], files={LIST: b"old\r\n", "a.tmp": b""}, modes={LIST: 0o444},
         stderr=b"remove_e.txt: Permission denied\n", code=1, unprivileged=True, platforms=["posix"]),
    Case("a missing pattern file with a name of 300 characters", ["p" * 300], stderr=b"p" * 300 + b"\n", code=1),

    # The size filter.
    listing("-x100: 99 bytes listed, 100 not, a directory listed", ["-x100"],
            {"a.tmp": b"a" * 99, "b.tmp": b"b" * 100, "c.tmp": Directory(), "CCCbig.txt": b"c" * 1000},
            [], [], [], [], ["a.tmp", "c.tmp"]),
    listing("-x alone means 64", ["-x"], {"a.tmp": b"a" * 63, "b.tmp": b"b" * 64}, [], [], [], [], ["a.tmp"]),
    listing("-x0 means 64", ["-x0"], {"a.tmp": b"a" * 63, "b.tmp": b"b" * 64}, [], [], [], [], ["a.tmp"]),
    listing("-x-5 means 64", ["-x-5"], {"a.tmp": b"a" * 63, "b.tmp": b"b" * 64}, [], [], [], [], ["a.tmp"]),
    listing("-xabc means 64", ["-xabc"], {"a.tmp": b"a" * 63, "b.tmp": b"b" * 64}, [], [], [], [], ["a.tmp"]),
    listing("-x beyond 32 bits is the largest", ["-x99999999999"], {"a.tmp": b"a" * 5000}, [], [], [], [],
            ["a.tmp"]),
    listing("a file of 4 GiB and more is never small", ["-x100"],
            {"big.tmp": Sparse(b"x", (4 << 30) + 10), "small.tmp": b"s"}, [], [], [], [], ["small.tmp"]),

    # Pattern files.
    pattern_file("a pattern file", patterns("*.log", "keep*"), {"a.log": b"", "keep.txt": b"", "x.txt": b""},
                 ["a.log"], ["keep.txt"]),
    pattern_file("CR LF lines give the same patterns", patterns("*.log", "keep*", end=b"\r\n"),
                 {"a.log": b"", "keep.txt": b""}, ["a.log"], ["keep.txt"]),
    pattern_file("a last line without LF counts", b"*.log\nkeep*", {"a.log": b"", "keep.txt": b""},
                 ["a.log"], ["keep.txt"]),
    pattern_file("an empty line ends the table", patterns("*.log", "keep*", "", "x*"),
                 {"a.log": b"", "keep.txt": b"", "x.txt": b""}, ["a.log"], ["keep.txt"]),
    pattern_file("an empty pattern file: an empty list", b"", {"a.log": b""}),
    pattern_file("only the first 30 patterns", patterns(*[f"f{n}.x" for n in range(1, 41)]),
                 {f"f{n}.x": b"" for n in range(1, 41)}, *[[f"f{n}.x"] for n in range(1, 31)]),
    pattern_file("a name matching two patterns stands twice", patterns("*.log", "a*"), {"a.log": b""},
                 ["a.log"], ["a.log"]),
    pattern_file("a line longer than 255 characters is passed over whole",
                 patterns("a" * 300 + "*", "*.log"), {"a.log": b"", "a" * 250: b""}, ["a.log"]),
    pattern_file("a line of 255 characters is a pattern", patterns("b" * 254 + "*"), {"b" * 255: b""},
                 ["b" * 255]),
    pattern_file("0x1A ends the pattern file", b"*.log\n\x1a*.txt\n", {"a.log": b"", "k.txt": b""}, ["a.log"]),
    pattern_file("spaces belong to the pattern", patterns("with space*"), {"with space.txt": b"", "with": b""},
                 ["with space.txt"]),
    pattern_file("nothing matches: an empty list", patterns("*.none"), {"a.log": b""}),

    # What the search delivers.
    pattern_file("a single asterisk lists everything, dot entries and the list too", patterns("*"),
                 {"b.txt": b"", "A.txt": b""}, [".", "..", "A.txt", "b.txt", "p.lst", LIST]),
    pattern_file("directories, hidden and read-only entries are listed", patterns("x*"),
                 {"xdir": Directory(), "xro.txt": b"r"}, ["xdir", "xro.txt"], modes={"xro.txt": 0o444}),
    pattern_file("*.* matches names without a dot", patterns("*.*"), {"noext": b"", "a.b": b""},
                 [".", "..", "a.b", "noext", "p.lst", LIST]),
    # Wine strips a pattern's final dots, as it normalises paths, and so lists
    # every name; Windows itself lists the names without an extension.
    pattern_file("a pattern ending in a dot matches names without an extension", patterns("*."),
                 {"noext": b"", "a.b": b""}, [".", "..", "noext"], platforms=["posix"]),
    pattern_file("? is one character", patterns("a?c.txt"), {"abc.txt": b"", "abbc.txt": b"", "ac.txt": b""},
                 ["abc.txt"]),
    pattern_file("hidden names", patterns(".h*"), {".hidden": b""}, [".hidden"]),
    pattern_file("a named pipe reports no attribute and is passed over", patterns("q*"),
                 {"q.txt": b"", "queue": Fifo()}, ["q.txt"], platforms=["posix"]),

    # A directory part is written with each name it matched.
    pattern_file("a directory part stands before each name", patterns("sub/*.tmp"),
                 {"sub/a.tmp": b"", "sub/b.txt": b"", "a.tmp": b""}, ["sub/a.tmp"]),
    pattern_file("a backslash directory part", patterns("sub\\*.tmp"), {"sub/a.tmp": b""}, ["sub\\a.tmp"]),
    pattern_file("a missing directory matches nothing", patterns("none/*"), {}),

    # The list cannot be written.
    Case("remove_e.txt cannot be created", [], files={LIST: Directory()},
         stderr=b"remove_e.txt: Permission denied\n", code=1),
]
