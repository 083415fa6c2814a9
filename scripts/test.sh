#!/usr/bin/env bash
# Builds everything and runs every test; then runs the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, and runs each fuzz
# target for a few seconds when clang has its fuzzer runtime. Non-zero on
# failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
jobs="$(nproc)"

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZG_CORE_ONLY=ON -DZG_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
(cd "$root/build-asan" && ctest --output-on-failure -j "$jobs")

# The fuzz targets need the core built by clang, in a build of their own. A
# crash fails the run; its input is left in build-fuzz/.
if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZG_CORE_ONLY=ON -DZG_FUZZ=ON -DZG_BENCH=OFF >/dev/null
fi
if command -v clang++ >/dev/null && grep -q '^ZG_HAVE_LIBFUZZER:INTERNAL=1$' "$root/build-fuzz/CMakeCache.txt"; then
  cmake --build "$root/build-fuzz" -j "$jobs" --target zg_fuzz_targets
  corpus="$(mktemp -d)"
  trap 'rm -rf "$corpus"' EXIT
  for seeds in "$root"/fuzz/corpus/*/; do
    name="$(basename "$seeds")"
    mkdir "$corpus/$name"
    echo "fuzz_$name: 5 seconds"
    if ! (cd "$root/build-fuzz" && "fuzz/fuzz_$name" -max_total_time=5 "$corpus/$name" "$seeds" 2>"$corpus/$name.log"); then
      tail -n 40 "$corpus/$name.log" >&2
      exit 1
    fi
  done
else
  echo "Fuzz targets skipped: no clang with its fuzzer runtime"
fi
