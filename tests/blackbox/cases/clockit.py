"""clockit: every row of the argument table, the usage text byte for byte.

A stamp is checked against its layout and against the local clock: the
fields it shows must agree with the local time of the check, give or take a
few seconds.
"""
import datetime
import re
import zoneinfo

from case import Case

USAGE = (b"clockit Version 1.01 \n"
         b"\n"
         b"clockit \n"
         b"clockit -g \n"
         b"clockit -h \n"
         b"clockit -iso \n"
         b"clockit -_ \n"
         b"clockit -V \n"
         b"clockit -g -y-\n"
         b"clockit -g -ym-\n"
         b"clockit -g -ymd-\n"
         b"clockit -g -s-\n"
         b"clockit -g -ms-\n"
         b"clockit -g -hms-\n"
         b"\n")

TOLERANCE = datetime.timedelta(seconds=10)


def stamp(layout, zone=None):
    """A check for a stamp printed in layout, a strftime pattern without a line
    break, in the named time zone (the runner's own when None)."""
    shape = re.escape(layout)
    for field, digits in (("%Y", 4), ("%m", 2), ("%d", 2), ("%H", 2), ("%M", 2), ("%S", 2)):
        shape = shape.replace(re.escape(field), r"\d{%d}" % digits)
    shape = re.compile(shape.encode())

    def check(actual):
        if not shape.fullmatch(actual):
            return f"not in the layout {layout!r}"
        now = datetime.datetime.now(zoneinfo.ZoneInfo(zone) if zone else None)
        for offset in range(-TOLERANCE.seconds, TOLERANCE.seconds + 1):
            if (now + datetime.timedelta(seconds=offset)).strftime(layout).encode() == actual:
                return None
        return f"not the local time {now.strftime(layout)!r} (within {TOLERANCE.seconds} s)"

    return check


def usage(args):
    return Case(f"usage for {' '.join(args)}", args, stdout=USAGE, code=1)


CASES = [
    Case("no argument: minute and second", [], stdout=stamp("%M:%S")),
    Case("-g", ["-g"], stdout=stamp("%Y-%m-%d %H:%M:%S")),
    Case("-h", ["-h"], stdout=stamp("%H:%M:%S")),
    Case("-iso", ["-iso"], stdout=stamp("%Y-%m-%dT%H:%M:%S")),
    Case("-_", ["-_"], stdout=stamp("%Y-%m-%d_%H-%M-%S")),
    usage(["-V"]),
    Case("an unknown single argument prints nothing", ["-x"]),
    Case("arguments are compared with case", ["-G"]),
    Case("a prefix of an option is not the option", ["-is"]),

    Case("-g -y-", ["-g", "-y-"], stdout=stamp("%m-%d %H:%M:%S")),
    Case("-g -ym-", ["-g", "-ym-"], stdout=stamp("%d %H:%M:%S")),
    Case("-g -ymd-", ["-g", "-ymd-"], stdout=stamp("%H:%M:%S")),
    Case("-g -s-", ["-g", "-s-"], stdout=stamp("%Y-%m-%d %H:%M")),
    Case("-g -ms-", ["-g", "-ms-"], stdout=stamp("%Y-%m-%d %H")),
    Case("-g -hms-", ["-g", "-hms-"], stdout=stamp("%Y-%m-%d")),
    Case("-g and an unknown second argument print nothing", ["-g", "-x"]),
    Case("-g and a single-argument option print nothing", ["-g", "-g"]),
    usage(["-V", "-g"]),
    usage(["-V", "anything"]),
    usage(["-h", "-y-"]),
    usage(["-G", "-y-"]),
    usage(["", "-s-"]),

    Case("three arguments: minute and second", ["-V", "-g", "-y-"], stdout=stamp("%M:%S")),
    Case("four arguments: minute and second", ["a", "b", "c", "d"], stdout=stamp("%M:%S")),

    Case("a full standard output", ["-g"], stdout_file="/dev/full", stderr=b"clockit: No space left on device\n",
         code=1, platforms=["posix"]),

    # The stamp is local time, not the clock's universal time.
    Case("local time zone", ["-g"], environment={"TZ": "Asia/Kathmandu"},
         stdout=stamp("%Y-%m-%d %H:%M:%S", "Asia/Kathmandu"), platforms=["posix"]),
]

