#!/usr/bin/env bash
# Builds the program (Release) and starts it in DATA_DIR, or in demo/ filled
# with sample data when no directory is given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"

build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZG_BENCH=OFF >/dev/null
cmake --build "$build" --target zgloszenia zgloszenia-demo zgloszenia-pdf

if [ $# -ge 1 ]; then
  data="$1"
else
  data="$root/demo"
  mkdir -p "$data"
  if [ -z "$(ls -A "$data")" ]; then
    "$build/tools/zgloszenia-demo" "$data" --taxpayers 60 --mode 1
  fi
fi
cd "$data"
exec "$build/src/desktop/app/zgloszenia"
