#!/usr/bin/env bash
# Builds the core, its tools and its tests for 64-bit Windows with MinGW-w64
# in build-windows/ and runs the tests under Wine, in a Wine prefix of that
# directory. Installs the cross compiler, Wine and GoogleTest's sources when
# missing. Prints the test summary, the tests skipped on Windows and the
# time taken; non-zero on failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-windows"
jobs="$(nproc)"
started=$SECONDS

bash "$root/scripts/setup.sh" g++-mingw-w64-x86-64-posix wine64 googletest cmake ninja-build

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Debug -DZG_CORE_ONLY=ON -DZG_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"

# The tests run in the build directory's own Wine prefix, made once.
export WINEDEBUG=-all WINEPREFIX="$build/wine"
wine64="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
[ -f "$WINEPREFIX/system.reg" ] || "$wine64" wineboot -i >/dev/null 2>&1
status=0
(cd "$build" && ctest --output-on-failure -j "$jobs") || status=$?
"$wineserver" -k 2>/dev/null || true

echo "Skipped on Windows:"
grep -h '^\[  SKIPPED \] .* ms)$' "$build/Testing/Temporary/LastTest.log" | sed 's/^\[  SKIPPED \]/ /' || true
echo "Windows build and tests: $((SECONDS - started)) s"
exit "$status"
