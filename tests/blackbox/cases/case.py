"""The shape of one black-box case, shared by every table."""
import dataclasses
import re
from typing import Callable, Dict, List, Optional, Union


class Directory:
    """Stands for a folder in a case's files."""

    def __eq__(self, other):
        return isinstance(other, Directory)

    def __repr__(self):
        return "Directory()"


class Fifo:
    """Stands for a named pipe in a case's files (POSIX only)."""

    def __eq__(self, other):
        return isinstance(other, Fifo)

    def __repr__(self):
        return "Fifo()"


class Sparse:
    """A large file that is mostly a hole: its first bytes, then zeros up to size.
    Found files this large are compared by size and first bytes only."""

    def __init__(self, head, size):
        self.head, self.size = head, size

    def __eq__(self, other):
        return isinstance(other, Sparse) and self.size == other.size and self.head == other.head

    def __repr__(self):
        return f"Sparse({self.head[:16]!r}..., {self.size})"


class Listed:
    """A removal list: groups of names, one group per pattern, in order. Each
    line ends in CR LF. The POSIX search emulation delivers a group sorted by
    upper-cased name, as given; the Windows search under Wine may deliver a
    group in any order, so there only each group's names are compared."""

    def __init__(self, *groups):
        self.groups = [[name.encode() if isinstance(name, str) else name for name in group] for group in groups]

    def matches(self, actual, platform):
        if not isinstance(actual, bytes) or (actual and not actual.endswith(b"\r\n")):
            return False
        lines = actual.split(b"\r\n")[:-1] if actual else []
        if b"".join(line + b"\r\n" for line in lines) != actual:
            return False
        at = 0
        for group in self.groups:
            taken = lines[at:at + len(group)]
            if (taken if platform == "posix" else sorted(taken)) != (group if platform == "posix" else sorted(group)):
                return False
            at += len(group)
        return at == len(lines)

    def __repr__(self):
        return f"Listed{tuple(self.groups)!r}"


Expected = Union[bytes, Callable[[bytes], Optional[str]], None]


@dataclasses.dataclass
class Case:
    name: str
    args: List[str]
    files: Dict[str, object] = dataclasses.field(default_factory=dict)  # name -> bytes, Directory(), Fifo() or Sparse
    stdout: Expected = b""      # exact bytes, a check returning a complaint, or None for "anything"
    stderr: Expected = b""
    code: int = 0
    after: Dict[str, Optional[bytes]] = dataclasses.field(default_factory=dict)  # changed files; None: deleted
    modes: Dict[str, int] = dataclasses.field(default_factory=dict)   # chmod before the run
    environment: Dict[str, str] = dataclasses.field(default_factory=dict)
    stdin: bytes = b""
    stdout_file: Optional[str] = None  # send standard output to this path (/dev/full, say)
    unprivileged: bool = False  # run as an ordinary user when the runner is root
    platforms: Optional[List[str]] = None  # "posix", "windows"; None: every platform
    timeout: float = 60
    program: Optional[str] = None  # another program of the same build, by name ("purgeit")
    before: List[tuple] = dataclasses.field(default_factory=list)  # (program name, args) run first; must succeed
    removed: List[str] = dataclasses.field(default_factory=list)  # files deleted after those steps, before the run


def matches(pattern):
    """A check that the whole stream matches the regular expression."""
    compiled = re.compile(pattern)

    def check(actual):
        if not compiled.fullmatch(actual):
            return f"does not match {pattern!r}"
        return None

    return check
