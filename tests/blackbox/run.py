#!/usr/bin/env python3
"""Runs a built program against a table of cases.

Each case runs in a fresh directory holding its input files. The runner
compares standard output, standard error and the exit code, then the files
left behind: every file the case gave stays unchanged unless the case says
otherwise, and no other file appears.

A table is a Python file that defines CASES, a list of Case (see cases/case.py).
With --wine the program is a Windows build run under the given wine64
loader; its console streams are compared with CR LF folded to LF.
"""
import argparse
import concurrent.futures
import importlib.util
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).parent / "cases"))
from case import Directory, Fifo, Listed, Sparse  # noqa: E402

UNPRIVILEGED_ID = 65534  # the "nobody" user and group
SPARSE_HEAD = 4096  # bytes of a sparse file that are compared


def load_table(path):
    table = importlib.util.spec_from_file_location(pathlib.Path(path).stem, path)
    module = importlib.util.module_from_spec(table)
    table.loader.exec_module(module)
    return module.CASES


def lay_out(root, files):
    for name, content in files.items():
        path = root / name
        if isinstance(content, Directory):
            path.mkdir(parents=True, exist_ok=True)
            continue
        if isinstance(content, Fifo):
            path.parent.mkdir(parents=True, exist_ok=True)
            os.mkfifo(path)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        if isinstance(content, Sparse):
            with open(path, "wb") as sparse:
                sparse.write(content.head)
                sparse.truncate(content.size)
        else:
            path.write_bytes(content)


def file_state(root):
    """Every entry under root: a file's bytes, or Directory() for a folder."""
    state = {}
    for path in sorted(root.rglob("*")):
        name = path.relative_to(root).as_posix()
        if path.is_dir():
            state[name] = Directory()
        elif path.is_fifo():
            state[name] = Fifo()
        elif path.stat().st_size > 64 << 20:
            with open(path, "rb") as large:
                state[name] = Sparse(large.read(SPARSE_HEAD), path.stat().st_size)
        else:
            state[name] = path.read_bytes()
    return state


def expected_state(case):
    state = {name: Sparse(content.head.ljust(SPARSE_HEAD, b"\0")[:SPARSE_HEAD], content.size)
             if isinstance(content, Sparse) else content
             for name, content in case.files.items()}
    # Folders that hold given or expected files exist too, unless deleted.
    for name in list(case.files) + [name for name, content in case.after.items() if content is not None]:
        parts = name.split("/")[:-1]
        for depth in range(1, len(parts) + 1):
            state.setdefault("/".join(parts[:depth]), Directory())
    for name in case.removed:
        state.pop(name, None)
    for name, content in case.after.items():
        if content is None:
            state.pop(name, None)
        else:
            state[name] = content
    return dict(sorted(state.items()))


def shown(value, limit=300):
    """A value for a message, shortened when it is long."""
    text = repr(value)
    return text if len(text) <= limit else text[:limit] + "..."


def compare_stream(label, expected, actual, problems):
    if expected is None:
        return
    if callable(expected):
        complaint = expected(actual)
        if complaint:
            problems.append(f"{label}: {complaint}; got {shown(actual)}")
    elif actual != expected:
        problems.append(f"{label}: expected {shown(expected)}\n{' ' * len(label)}       got {shown(actual)}")


def sibling(program, name):
    """The program called name beside the given one, with its suffix (.exe)."""
    if name is None:
        return program
    path = pathlib.Path(program)
    return str(path.with_name(name + path.suffix))


def run_case(case, program, wine, platform):
    """Returns a list of problems; empty when the case passed."""
    root = pathlib.Path(tempfile.mkdtemp(prefix="blackbox-"))
    try:
        lay_out(root, case.files)
        for name, mode in case.modes.items():
            os.chmod(root / name, mode)
        for name, args in case.before:
            step = subprocess.run(([wine] if wine else []) + [sibling(program, name)] + args, cwd=root,
                                  capture_output=True, timeout=case.timeout)
            if step.returncode != 0:
                return [f"step {name} {args!r} failed with {step.returncode}: {step.stderr!r}"]
        for name in case.removed:  # as a user or another program might, between two runs
            (root / name).unlink()
        command = ([wine] if wine else []) + [sibling(program, case.program)] + case.args
        environment = dict(os.environ, **case.environment)
        identity = {}
        if case.unprivileged and os.geteuid() == 0:
            # Root reads every file; run as nobody so that permissions count.
            os.chmod(root, 0o777)
            identity = dict(user=UNPRIVILEGED_ID, group=UNPRIVILEGED_ID, extra_groups=[])
        streams = dict(stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            if case.stdout_file:
                streams["stdout"] = open(case.stdout_file, "wb")
            result = subprocess.run(command, cwd=root, env=environment, input=case.stdin,
                                    timeout=case.timeout, **streams, **identity)
        except subprocess.TimeoutExpired:
            return [f"no end within {case.timeout} s"]
        finally:
            if case.stdout_file:
                streams["stdout"].close()
        for name in case.modes:  # readable again, for the check of what is left
            if (root / name).exists():
                os.chmod(root / name, 0o755 if (root / name).is_dir() else 0o644)
        stdout, stderr = result.stdout or b"", result.stderr
        if wine:
            stdout = stdout.replace(b"\r\n", b"\n")
            stderr = stderr.replace(b"\r\n", b"\n")
        problems = []
        if result.returncode != case.code:
            problems.append(f"exit code: expected {case.code}, got {result.returncode}")
        compare_stream("stdout", case.stdout, stdout, problems)
        compare_stream("stderr", case.stderr, stderr, problems)
        wanted, found = expected_state(case), file_state(root)
        for name, content in wanted.items():
            if isinstance(content, Listed) and content.matches(found.get(name), platform):
                wanted[name] = found[name]
        if wanted != found:
            for name in sorted(set(wanted) | set(found)):
                if wanted.get(name) != found.get(name):
                    problems.append(f"file {name}: expected {shown(wanted.get(name))}, found {shown(found.get(name))}")
        return problems
    finally:
        shutil.rmtree(root, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the built program to run")
    parser.add_argument("--wine", help="wine64 loader: the program is a Windows build")
    parser.add_argument("tables", nargs="+", help="table files defining CASES")
    options = parser.parse_args()
    options.program = os.path.abspath(options.program)

    platform = "windows" if options.wine else "posix"
    cases = [case for table in options.tables for case in load_table(table)
             if case.platforms is None or platform in case.platforms]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        outcomes = list(pool.map(lambda c: (c, run_case(c, options.program, options.wine, platform)), cases))

    failures = 0
    for case, problems in outcomes:
        if problems:
            failures += 1
            print(f"FAIL {case.name}  (args {case.args!r})")
            for problem in problems:
                print("     " + problem.replace("\n", "\n     "))
    print(f"{len(cases) - failures} of {len(cases)} cases passed ({platform}: {options.program})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
