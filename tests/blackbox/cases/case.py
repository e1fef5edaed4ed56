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


class Sparse:
    """A large file that is mostly a hole: its first bytes, then zeros up to size.
    Found files this large are compared by size and first bytes only."""

    def __init__(self, head, size):
        self.head, self.size = head, size

    def __eq__(self, other):
        return isinstance(other, Sparse) and self.size == other.size and self.head == other.head

    def __repr__(self):
        return f"Sparse({self.head[:16]!r}..., {self.size})"


Expected = Union[bytes, Callable[[bytes], Optional[str]], None]


@dataclasses.dataclass
class Case:
    name: str
    args: List[str]
    files: Dict[str, object] = dataclasses.field(default_factory=dict)  # name -> bytes, Directory() or Sparse
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


def matches(pattern):
    """A check that the whole stream matches the regular expression."""
    compiled = re.compile(pattern)

    def check(actual):
        if not compiled.fullmatch(actual):
            return f"does not match {pattern!r}"
        return None

    return check
