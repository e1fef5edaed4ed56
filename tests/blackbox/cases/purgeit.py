"""purgeit: the argument table, sparing a name, silent failures, the usage
block, the missing list; and round trips with trashlist."""
from case import Case, Directory, Listed

USAGE = (b"purgeit Version 1.03 \n\n"
         b"purgeit \n"
         b"purgeit -V \n"
         b"purgeit -w- \n"
         b"purgeit -w- who.txt \n")
LIST = "remove_e.txt"


def crlf(*names):
    return b"".join(name.encode() + b"\r\n" for name in names)


def purge(name, args, files, deleted, **extra):
    return Case(name, args, files=files, after={gone: None for gone in deleted}, **extra)


LISTED = {LIST: crlf("a.txt", "b.txt"), "a.txt": b"a", "b.txt": b"b", "c.txt": b"c"}

CASES = [
    # The command line.
    purge("no argument: every listed file", [], LISTED, ["a.txt", "b.txt"]),
    purge("one other argument is passed over", ["-x"], LISTED, ["a.txt", "b.txt"]),
    purge("two other arguments are passed over", ["a.txt", "-V"], LISTED, ["a.txt", "b.txt"]),
    Case("-V: the usage block", ["-V"], files=LISTED, stderr=USAGE, code=1),
    Case("-V and a second argument", ["-V", "-w-"], files=LISTED, stderr=USAGE, code=1),
    Case("three arguments", ["-w-", "a.txt", "b.txt"], files=LISTED, stderr=USAGE, code=1),
    Case("no list", [], files={"a.txt": b"a"}, stderr=b"remove_e.txt\n", code=1),
    Case("a list that is a directory", [], files={LIST: Directory(), "a.txt": b"a"},
         stderr=b"remove_e.txt\n", code=1),

    # Sparing one name.
    purge("-w- spares who.txt", ["-w-"], {LIST: crlf("who.txt", "a.txt"), "who.txt": b"w", "a.txt": b"a"},
          ["a.txt"]),
    purge("-w- and a name spares that name", ["-w-", "a.txt"],
          {LIST: crlf("who.txt", "a.txt"), "who.txt": b"w", "a.txt": b"a"}, ["who.txt"]),
    purge("-w- -w- spares a file named -w-", ["-w-", "-w-"], {LIST: crlf("-w-", "a.txt"), "-w-": b"", "a.txt": b""},
          ["a.txt"]),
    purge("the spare comparison is exact", ["-w-"],
          {LIST: crlf("WHO.TXT", "who.txt ", "who.txt"), "WHO.TXT": b"", "who.txt ": b"", "who.txt": b""},
          ["WHO.TXT", "who.txt "], platforms=["posix"]),

    # The list.
    purge("LF line ends give the same names", [], {LIST: b"a.txt\nb.txt\n", "a.txt": b"", "b.txt": b""},
          ["a.txt", "b.txt"]),
    purge("a last line without line end", [], {LIST: b"a.txt\r\nb.txt", "a.txt": b"", "b.txt": b""},
          ["a.txt", "b.txt"]),
    purge("an empty list deletes nothing", [], {LIST: b"", "a.txt": b""}, []),
    purge("0x1A ends the list", [], {LIST: b"a.txt\r\n\x1ab.txt\r\n", "a.txt": b"", "b.txt": b""}, ["a.txt"]),
    purge("failures are passed over silently", [],
          {LIST: crlf("missing.txt", "", "sub", "ro.txt", "a.txt"), "sub": Directory(), "ro.txt": b"r",
           "a.txt": b""}, ["a.txt"], modes={"ro.txt": 0o444}),
    purge("spaces belong to the name", [], {LIST: crlf("with space.txt"), "with space.txt": b"", "with": b""},
          ["with space.txt"]),
    purge("a name with a directory part", [], {LIST: crlf("sub/a.tmp"), "sub/a.tmp": b"", "a.tmp": b""},
          ["sub/a.tmp"]),
    purge("a line longer than 255 characters deletes nothing", [],
          {LIST: crlf("a" * 255 + "b.txt", "c.txt"), "a" * 255: b"", "b.txt": b"", "c.txt": b""}, ["c.txt"]),
    purge("a line of 255 characters names a file", [], {LIST: crlf("d" * 255), "d" * 255: b""}, ["d" * 255]),
    purge("the list itself is never deleted", [],
          {LIST: crlf("remove_e.txt", "./remove_e.txt", "a.txt"), "a.txt": b""}, ["a.txt"]),
    purge("a second run over the same list", [], LISTED, ["a.txt", "b.txt"], before=[("purgeit", [])]),
    purge("a read-only list is read and kept", [], dict(LISTED), ["a.txt", "b.txt"], modes={LIST: 0o444}),
    purge("10 000 names of missing files", [], {LIST: crlf(*(f"gone{n}.txt" for n in range(10000))),
                                                  "kept.txt": b"k"}, []),

    # Round trips: trashlist writes the list, purgeit deletes what it names.
    Case("the built-in patterns, round trip", [],
         files={"CCCone.txt": b"", "a.tmp": b"", "DIRx.bat": Directory(), "keep.txt": b"k"},
         before=[("trashlist", [])],
         after={"CCCone.txt": None, "a.tmp": None, LIST: Listed(["CCCone.txt"], ["DIRx.bat"], [], [], ["a.tmp"])}),
    Case("a single asterisk, round trip: only the list and folders stay", [],
         files={"p.lst": b"*\n", "a.txt": b"", "b.log": b"", "sub": Directory()},
         before=[("trashlist", ["p.lst"])],
         after={"p.lst": None, "a.txt": None, "b.log": None,
                LIST: Listed([".", "..", "a.txt", "b.log", "p.lst", LIST, "sub"])}),
    Case("a directory part, round trip: the same name elsewhere stays", [],
         files={"p.lst": b"sub/*.tmp\n", "sub/a.tmp": b"", "a.tmp": b"top"},
         before=[("trashlist", ["p.lst"])],
         after={"sub/a.tmp": None, LIST: Listed(["sub/a.tmp"])}),
    Case("a size limit, round trip", [], files={"small.tmp": b"s", "large.tmp": b"l" * 100},
         before=[("trashlist", ["-x50"])], after={"small.tmp": None, LIST: Listed([], [], [], [], ["small.tmp"])}),
    Case("files removed after the list was made, round trip", [],
         files={"a.tmp": b"", "b.tmp": b"", "c.tmp": b"", "keep.txt": b"k"}, before=[("trashlist", [])],
         removed=["b.tmp"], after={"a.tmp": None, "c.tmp": None, LIST: Listed([], [], [], [], ["a.tmp", "b.tmp", "c.tmp"])}),
    Case("sparing a listed name, round trip", ["-w-", "a.tmp"], files={"a.tmp": b"", "b.tmp": b""},
         before=[("trashlist", [])], after={"b.tmp": None, LIST: Listed([], [], [], [], ["a.tmp", "b.tmp"])}),
]
