#!/usr/bin/env python3
"""Plants known faults in a copy of the sources, one at a time, and tells
which the test suite catches.

    scripts/mutants.py                 every fault in scripts/mutants.txt
    scripts/mutants.py ID [ID ...]     only those
    scripts/mutants.py --list          the faults, without running anything

The copy lives in build-mutants/tree of the repository, built in its build/
folder, so the real working tree is never touched. Each run first brings the
copy up to date with the working tree (tracked and untracked-not-ignored
files), rewriting only the files that differ so that ninja rebuilds only what
changed, builds it and checks that every test passes unmutated. Then, per
fault: plant, rebuild, run ctest, put the file back as it was.

Results: killed (a test failed; the first one named), survived (every test
passed), invalid (the planted fault does not build), stale (its text is no
longer found exactly once). The exit status is 0 whatever survives; it is
non-zero only when the copy cannot be set up or fails unmutated.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
FAULTS_FILE = REPO / "scripts" / "mutants.txt"
AREA = REPO / "build-mutants"
TREE = AREA / "tree"
# The build sits inside the copy as build dirs sit inside the repository, so
# paths relative to it are the same as in any other build and ccache (based
# at the repository's parent) reuses the objects those builds made.
BUILD = TREE / "build"


@dataclass
class Edit:
    path: str
    find: str
    replace: str


@dataclass
class Fault:
    ident: str
    what: str = ""
    edits: list = field(default_factory=list)


def parse_faults(text):
    """Reads the fault list: '### id', a line saying what the fault is,
    '@ path' naming the file, then '- text' lines (the text to find) each
    run followed by '+ text' lines (its replacement; a lone '+' is empty)."""
    faults, path, minus, plus = [], None, None, None

    def close_edit(lineno):
        nonlocal minus, plus
        if minus is None:
            return
        if plus is None or path is None:
            sys.exit(f"{FAULTS_FILE.name}:{lineno}: '-' lines without '+' lines or '@ path'")
        faults[-1].edits.append(Edit(path, "\n".join(minus), "\n".join(plus)))
        minus, plus = None, None

    for lineno, line in enumerate(text.splitlines(), 1):
        if line.startswith("### "):
            close_edit(lineno)
            faults.append(Fault(line[4:].strip()))
            path = None
        elif line.startswith(("-", "+", "@")) and not faults:
            sys.exit(f"{FAULTS_FILE.name}:{lineno}: edit before the first '### id'")
        elif line.startswith("@ "):
            close_edit(lineno)
            path = line[2:].strip()
        elif line == "-" or line.startswith("- "):
            if plus is not None:
                close_edit(lineno)
            minus = (minus or []) + [line[2:]]
        elif line == "+" or line.startswith("+ "):
            if minus is None:
                sys.exit(f"{FAULTS_FILE.name}:{lineno}: '+' line without '-' lines")
            plus = (plus or []) + [line[2:]]
        elif line.strip() and not line.startswith("#"):
            close_edit(lineno)
            if not faults:
                sys.exit(f"{FAULTS_FILE.name}:{lineno}: text before the first '### id'")
            faults[-1].what = (faults[-1].what + " " + line.strip()).strip()
    close_edit(len(text.splitlines()))
    seen = set()
    for f in faults:
        if not f.edits:
            sys.exit(f"{FAULTS_FILE.name}: fault {f.ident} has no edit")
        if f.ident in seen:
            sys.exit(f"{FAULTS_FILE.name}: fault {f.ident} twice")
        seen.add(f.ident)
    return faults


def run(cmd, log=None, **kw):
    """Runs a command; its output goes to the log file when one is given."""
    if log is None:
        return subprocess.run(cmd, **kw).returncode
    with open(log, "wb") as out:
        return subprocess.run(cmd, stdout=out, stderr=subprocess.STDOUT, **kw).returncode


def working_files():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"],
                         cwd=REPO, check=True, capture_output=True).stdout
    return sorted({p for p in out.decode().split("\0") if p and (REPO / p).is_file()})


def write_fresh(path, data):
    """Writes a file with a new modification time, so ninja sees it changed."""
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    os.utime(path)


def refresh_tree():
    """Makes the copy equal to the working tree, rewriting only files that differ."""
    files = working_files()
    changed = 0
    for rel in files:
        src, dst = REPO / rel, TREE / rel
        data = src.read_bytes()
        if not dst.is_file() or dst.stat().st_size != len(data) or dst.read_bytes() != data:
            write_fresh(dst, data)
            shutil.copymode(src, dst)
            changed += 1
    wanted = set(files)
    removed = 0
    for dirpath, dirnames, filenames in os.walk(TREE):
        if Path(dirpath) == TREE:
            dirnames[:] = [d for d in dirnames if not d.startswith("build")]
        for name in filenames:
            rel = (Path(dirpath) / name).relative_to(TREE).as_posix()
            if rel not in wanted:
                (Path(dirpath) / name).unlink()
                removed += 1
    print(f"copy: {len(files)} files, {changed} rewritten, {removed} removed", flush=True)


def configure():
    if (BUILD / "CMakeCache.txt").exists():
        return 0
    cmd = ["cmake", "-S", str(TREE), "-B", str(BUILD), "-G", "Ninja",
           "-DCMAKE_BUILD_TYPE=Debug", "-DZG_BENCH=OFF"]
    if shutil.which("ccache"):
        cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    if shutil.which("ld.lld"):
        # Every fault relinks every test program; lld does that several times faster.
        cmd += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld", "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"]
    return run(cmd, AREA / "configure.log")


def build(log):
    return run(["ninja", "-C", str(BUILD)], log)


FAILED_TEST = re.compile(r"Test\s+#\d+: (\S+) .*\*\*\*(\w+)")
ANY_TEST = re.compile(r"Test\s+#\d+: ")
FAILED_CASE = re.compile(r"^\[  FAILED  \] (\S+\.\S+)|^FAIL!  : (\S+)")


def failures(lines):
    """The failing tests of a ctest log in the order they finished, each as
    'test: first failing case' (ctest prints a test's output after its line)."""
    found = []
    for i, line in enumerate(lines):
        m = FAILED_TEST.search(line)
        if not m:
            continue
        what = m.group(1) if m.group(2) == "Failed" else f"{m.group(1)} ({m.group(2)})"
        for later in lines[i + 1:]:
            if ANY_TEST.search(later):
                break
            if case := FAILED_CASE.match(later):
                what += ": " + (case.group(1) or case.group(2))
                break
        found.append(what)
    return found


def run_tests(log, args, stop_on_failure):
    """Runs ctest; returns the failing tests."""
    cmd = ["ctest", "--test-dir", str(BUILD), "-j2", "--timeout", str(args.timeout),
           "--output-on-failure"]
    if args.exclude:
        cmd += ["-E", args.exclude]
    if stop_on_failure:
        cmd.append("--stop-on-failure")
    code = run(cmd, log)
    failed = failures(Path(log).read_text(errors="replace").splitlines())
    if code != 0 and not failed:
        failed.append(f"ctest (see {log})")
    return failed


def plant(fault):
    """Applies a fault to the copy; returns the original contents of the
    files it changed, or None when the fault is stale."""
    files = mutated(fault, TREE)
    if files is None:
        return None
    for path, (_, text) in files.items():
        write_fresh(TREE / path, text.encode())
    return {path: original for path, (original, _) in files.items()}


def mutated(fault, root):
    """The files a fault changes under `root`, each as (original bytes,
    mutated text); None when a text to find is not there exactly once."""
    files = {}
    for e in fault.edits:
        if e.path not in files:
            if not (root / e.path).is_file():
                return None
            original = (root / e.path).read_bytes()
            files[e.path] = (original, original.decode())
        original, text = files[e.path]
        if text.count(e.find) != 1:
            return None
        files[e.path] = (original, text.replace(e.find, e.replace))
    return files


def restore(originals):
    for path, data in originals.items():
        write_fresh(TREE / path, data)


def try_fault(fault, args):
    start = time.monotonic()
    originals = plant(fault)
    if originals is None:
        return "stale", "", 0.0
    logs = AREA / "logs"
    try:
        if build(logs / f"{fault.ident}.build.log") != 0:
            outcome, by = "invalid", ""
        else:
            failed = run_tests(logs / f"{fault.ident}.test.log", args, True)
            outcome, by = ("killed", failed[0]) if failed else ("survived", "")
    finally:
        restore(originals)
    return outcome, by, time.monotonic() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("ids", nargs="*", help="faults to run (default: all)")
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--timeout", type=int, default=180, help="seconds per test (default 180)")
    parser.add_argument("--exclude", metavar="REGEX",
                        help="leave out the tests whose names match (ctest -E), e.g. one broken unmutated")
    args = parser.parse_args()

    faults = parse_faults(FAULTS_FILE.read_text())
    if args.list:
        for f in faults:
            files = ", ".join(dict.fromkeys(e.path for e in f.edits))
            state = "stale" if mutated(f, REPO) is None else ""
            print(f"{f.ident:34} {state:6} {files}\n{'':41} {f.what}")
        print(f"{len(faults)} faults")
        return 0
    unknown = [i for i in args.ids if i not in {f.ident for f in faults}]
    if unknown:
        print("unknown fault: " + ", ".join(unknown), file=sys.stderr)
        return 2
    if args.ids:
        faults = [f for f in faults if f.ident in args.ids]

    (AREA / "logs").mkdir(parents=True, exist_ok=True)
    refresh_tree()
    if configure() != 0:
        print(f"setup: cmake failed, see {AREA / 'configure.log'}", file=sys.stderr)
        return 1
    if build(AREA / "build.log") != 0:
        print(f"setup: the unmutated copy does not build, see {AREA / 'build.log'}", file=sys.stderr)
        return 1
    failed = run_tests(AREA / "tests.log", args, False)
    if failed:
        print(f"setup: unmutated, failing: {', '.join(failed)}; see {AREA / 'tests.log'}",
              file=sys.stderr)
        return 1
    print("unmutated: every test passes", flush=True)

    counts = {}
    for fault in faults:
        outcome, by, seconds = try_fault(fault, args)
        counts[outcome] = counts.get(outcome, 0) + 1
        print(f"{fault.ident:34} {outcome:8} {by:60} {seconds:5.0f} s", flush=True)
    others = ", ".join(f"{n} {k}" for k, n in sorted(counts.items()) if k != "killed")
    print(f"killed {counts.get('killed', 0)} of {len(faults)}" + (f" ({others})" if others else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
