#!/usr/bin/env python3
"""Checks the two rules the source tree is laid out by.

The core (src/core) is standard C++ only: no Qt header and nothing of the
desktop. Inside each half a folder includes only its own layer and those
below it. Prints every include that breaks a rule and exits 1 if any does.
"""
import pathlib
import re
import sys

LAYERS = {
    "core": ["common", "records", "register", "ledger", "print", "forms", "app"],
    "desktop": ["widgets", "register", "ledger", "print", "forms/controls",
                "forms/shell", "forms/frames", "forms/editors", "app"],
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]")


def layer_of(path):
    """(half, rank) of a path relative to src, or None outside the layers."""
    parts = path.split("/")
    if len(parts) < 3 or parts[0] not in LAYERS:
        return None
    names = LAYERS[parts[0]]
    for name in (parts[1] + "/" + parts[2], parts[1]):
        if name in names:
            return parts[0], names.index(name)
    return None


def faults(src):
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        own_path = file.relative_to(src).as_posix()
        own = layer_of(own_path)
        if own is None:
            yield f"{own_path}: outside the core and desktop layers"
            continue
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quote, target = match.groups()
            where = f"{own_path}:{number}: {target}"
            if quote == "<":
                if own[0] == "core" and QT_HEADER.match(target):
                    yield f"{where}: the core includes Qt"
                continue
            other = layer_of(target)
            if other is None:
                continue
            if own[0] == "core" and other[0] == "desktop":
                yield f"{where}: the core includes the desktop"
            elif own[0] == other[0] and other[1] > own[1]:
                yield f"{where}: a lower layer includes a higher one"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    found = list(faults(src))
    for fault in found:
        print(fault)
    print(f"layers: {len(found)} fault(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
