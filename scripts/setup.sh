#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, or
# the packages named on the command line instead.
# Idempotent and quiet: does nothing when everything is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libpoppler-qt6-dev libqpdf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth imagemagick
  dpkg-dev desktop-file-utils appstream
  clang libclang-rt-14-dev
)
[ $# -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
