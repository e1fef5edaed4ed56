"""lintally: argument forms, the conversion and its worked cases, the report,
the order of opening, the messages."""
from case import Case, Directory

USAGE = (b"lintally Version 1.01 \n\n"
         b"lintally file_name \n"
         b"lintally -c file_name \n"
         b"lintally file_name new_file \n"
         b"lintally -4 file_name \n"
         b"lintally -4 file_name new_file \n"
         b"lintally -V \n"
         b"\n")
NOT_FOUND = b"lintally: No such file or directory\n"
CRLF_TEXT = b"one\r\ntwo\r\n"
LF_TEXT = b"one\ntwo\n"

# The worked cases: input, output and count with group size 4, then with 2.
WORKED = [
    (b"abc\r\ndef\r\n", b"abc\ndef\n", 2, b"abc\ndef\n", 2),
    (b"abc\ndef\n", b"abcdef", 0, b"abcdef", 0),
    (b"a\n\nb", b"a\nb", 1, b"a\nb", 1),
    (b"a\r\n\r\nb", b"a\nb", 1, b"a\n\nb", 2),
    (b"a\r\n\r\n\r\nb", b"a\n\nb", 2, b"a\n\n\nb", 3),
    (b"a\n\n\nb", b"ab", 0, b"a\nb", 1),
    (b"a\rb", b"ab", 0, b"ab", 0),
    (b"a\r\rb", b"a\nb", 1, b"a\nb", 1),
    (b"a\r\n\rb", b"ab", 0, b"a\nb", 1),
    (b"a\r\r\r\rb", b"ab", 0, b"ab", 0),
]


def report(count):
    return b"%d line\n" % count if count == 1 else b"%d lines\n" % count


def worked_cases():
    cases = []
    for number, (given, four, four_count, two, two_count) in enumerate(WORKED, 1):
        cases.append(Case(f"worked case {number}, group size 4", ["-c", "in", "out"], files={"in": given},
                          stdout=report(four_count), after={"out": four}))
        cases.append(Case(f"worked case {number}, group size 2", ["-2", "in", "out"], files={"in": given},
                          after={"out": two}))
    return cases


def usage(name, args, files=None):
    return Case(name, args, files=files or {}, stdout=USAGE, code=1)


CASES = worked_cases() + [
    # Argument forms.
    Case("one argument: output lintally.txt", ["in"], files={"in": CRLF_TEXT}, after={"lintally.txt": LF_TEXT}),
    Case("-c: the report", ["-c", "in"], files={"in": CRLF_TEXT}, stdout=b"2 lines\n",
         after={"lintally.txt": LF_TEXT}),
    Case("-N: the group size", ["-2", "in"], files={"in": b"a\r\n\r\nb"}, after={"lintally.txt": b"a\n\nb"}),
    Case("two names", ["in", "new"], files={"in": CRLF_TEXT}, after={"new": LF_TEXT}),
    Case("-c with two names", ["-c", "in", "new"], files={"in": CRLF_TEXT}, stdout=b"2 lines\n",
         after={"new": LF_TEXT}),
    Case("-N with two names", ["-2", "in", "new"], files={"in": b"a\r\n\r\nb"}, after={"new": b"a\n\nb"}),
    Case("-count turns the report on", ["-count", "in"], files={"in": CRLF_TEXT}, stdout=b"2 lines\n",
         after={"lintally.txt": LF_TEXT}),
    Case("a hyphen inside a name is an option: group size 0", ["my-notes.txt", "out.txt"],
         files={"my-notes.txt": b"x", "out.txt": b"a\r\n\r\nb\r\n"}, after={"lintally.txt": b"ab\n"}),
    Case("-C is a number: group size 0", ["-C", "in"], files={"in": b"a\r\n\r\nb"},
         after={"lintally.txt": b"ab"}),
    Case("an option after the name is the output name", ["in", "-c"], files={"in": CRLF_TEXT},
         after={"-c": LF_TEXT}),
    Case("a lone -c is an input name", ["-c"], stderr=NOT_FOUND, stdout=USAGE, code=1),
    Case("a group size beyond 32 bits is clamped", ["-99999999999", "in"], files={"in": b"a\r\n\r\nb\r\nc"},
         after={"lintally.txt": b"ab\nc"}),
    Case("a negative group size: only pairs", ["--3", "in"], files={"in": b"a\r\n\r\nb\r\nc"},
         after={"lintally.txt": b"ab\nc"}),
    Case("the smallest group size", ["--2147483648", "in"], files={"in": b"a\r\nb"},
         after={"lintally.txt": b"a\nb"}),

    # Usage requests and wrong command lines.
    usage("-V", ["-V"]),
    usage("-VC", ["-VC"]),
    usage("a second character V", ["aVb"]),
    usage("no argument", []),
    usage("four arguments", ["-c", "a", "b", "c"]),
    usage("three arguments without a hyphen", ["a", "b", "c"], {"a": b"x", "b": b"y"}),
    usage("-V first of two", ["-V", "in"], {"in": b"x"}),
    usage("-Vx first of three", ["-Vx", "in", "out"], {"in": b"x"}),

    # The conversion.
    Case("an empty input: an empty output and 0 lines", ["-c", "in"], files={"in": b""}, stdout=b"0 lines\n",
         after={"lintally.txt": b""}),
    Case("no break bytes: copied unchanged", ["-c", "in"], files={"in": b"plain"}, stdout=b"0 lines\n",
         after={"lintally.txt": b"plain"}),
    Case("one CR LF line: the singular", ["-c", "in"], files={"in": b"only\r\n"}, stdout=b"1 line\n",
         after={"lintally.txt": b"only\n"}),
    Case("a single CR or LF at the end is lost", ["in", "out"], files={"in": b"a\r\nb\n"},
         after={"out": b"a\nb"}),
    Case("CR LF CR LF at the end: one LF by the group rule", ["-c", "in"], files={"in": b"a\r\n\r\n"},
         stdout=b"1 line\n", after={"lintally.txt": b"a\n"}),
    Case("NUL, 0x1A and 0xFF are ordinary bytes", ["in"], files={"in": b"\x00\x1a\xff\r\n\x1a\x00"},
         after={"lintally.txt": b"\x00\x1a\xff\n\x1a\x00"}),
    Case("a long CR run never writes", ["-c", "in"], files={"in": b"a" + b"\r" * 100000 + b"\n\nb"},
         stdout=b"0 lines\n", after={"lintally.txt": b"ab"}),
    Case("lines of any length, across blocks", ["-c", "in"],
         files={"in": b"x" * 3000000 + b"\r\n" + b"y" * 1048575 + b"\r\n"}, stdout=b"2 lines\n",
         after={"lintally.txt": b"x" * 3000000 + b"\n" + b"y" * 1048575 + b"\n"}),
    Case("a name longer than 127 characters", ["n" * 200, "o" * 150], files={"n" * 200: CRLF_TEXT},
         after={"o" * 150: LF_TEXT}),
    Case("an existing output is replaced", ["in", "out"], files={"in": CRLF_TEXT, "out": b"old and longer" * 10},
         after={"out": LF_TEXT}),

    # Files that cannot be opened, and the order of opening.
    Case("a missing input leaves an existing output untouched", ["missing", "out"], files={"out": b"keep"},
         stderr=NOT_FOUND, stdout=USAGE, code=1),
    Case("a missing input creates no default output", ["missing"], stderr=NOT_FOUND, stdout=USAGE, code=1),
    Case("a directory as input", ["sub", "out"], files={"sub": Directory()},
         stderr=b"lintally: Permission denied\n", stdout=USAGE, code=1),
    Case("an output that cannot be created", ["in", "sub"], files={"in": CRLF_TEXT, "sub": Directory()},
         stderr=b"lintally: Permission denied\n", stdout=USAGE, code=1),
    Case("an output in a missing folder", ["in", "nowhere/out"], files={"in": CRLF_TEXT},
         stderr=NOT_FOUND, stdout=USAGE, code=1),
    Case("a read-only output is refused and kept", ["in", "out"], files={"in": CRLF_TEXT, "out": b"keep"},
         modes={"out": 0o444}, stderr=b"lintally: Permission denied\n", stdout=USAGE, code=1, unprivileged=True,
         platforms=["posix"]),
    Case("names with spaces", ["-c", "in file.txt", "out file.txt"], files={"in file.txt": CRLF_TEXT},
         stdout=b"2 lines\n", after={"out file.txt": LF_TEXT}),
    Case("an unreadable input", ["locked", "out"], files={"locked": CRLF_TEXT}, modes={"locked": 0o000},
         stderr=b"lintally: Permission denied\n", stdout=USAGE, code=1, unprivileged=True, platforms=["posix"]),

    # The input is never emptied by writing it.
    Case("lintally.txt alone is input and output", ["lintally.txt"], files={"lintally.txt": CRLF_TEXT},
         stderr=b"lintally: input and output are the same file\n", code=1),
    Case("the same file by two names", ["-c", "in", "./in"], files={"in": CRLF_TEXT},
         stderr=b"lintally: input and output are the same file\n", code=1),
    Case("the same file through a folder", ["in", "sub/../in"], files={"in": CRLF_TEXT, "sub": Directory()},
         stderr=b"lintally: input and output are the same file\n", code=1),

    # Failures while converting are reported.
    Case("a read failure", ["/proc/self/mem", "out"], stderr=b"lintally: Input/output error\n", code=1,
         after={"out": b""}, platforms=["posix"]),
    Case("a full disk", ["-c", "in", "/dev/full"], files={"in": CRLF_TEXT},
         stderr=b"lintally: No space left on device\n", code=1, platforms=["posix"]),
    Case("a full standard output for the report", ["-c", "in", "out"], files={"in": CRLF_TEXT},
         stdout_file="/dev/full", stderr=b"lintally: No space left on device\n", code=1,
         after={"out": LF_TEXT}, platforms=["posix"]),
]
