#!/usr/bin/env bash
# package_test.sh BUILD_DIR
# Packs the .deb with CPack, unpacks it into a temporary root and checks what
# an office gets: the files in their places, the dependencies, a desktop entry
# and AppStream metadata the validators accept, and an installed exporter that
# prints a stored form from sample data.
set -euo pipefail
build="$1"
work="$(mktemp -d "${TMPDIR:-/tmp}/zgloszenia-package-XXXXXX")"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/out/zgloszenia_*.deb)"

depends="$(dpkg-deb -f "$deb" Depends)"
for dep in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins "fonts-liberation | fonts-dejavu-core"; do
  [[ "$depends" == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=pl.zgloszenia.Zgloszenia
for f in usr/bin/zgloszenia usr/bin/zgloszenia-pdf usr/bin/zgloszenia-demo \
         usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/zgloszenia.svg \
         usr/share/icons/hicolor/48x48/apps/zgloszenia.png usr/share/icons/hicolor/256x256/apps/zgloszenia.png \
         usr/share/doc/zgloszenia/Rejfor.hlp usr/share/doc/zgloszenia/copyright; do
  [ -s "$root/$f" ] || fail "missing $f"
done
[ "$(head -c 4 "$root/usr/share/icons/hicolor/256x256/apps/zgloszenia.png" | tail -c 3)" = PNG ] || fail "icon is no PNG"
grep -qx 'License: GPL-3+' "$root/usr/share/doc/zgloszenia/copyright" || fail "copyright names no GPL-3+ licence"

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
grep -qx 'Name=Zgłoszenia NIP/VAT' "$root/usr/share/applications/$id.desktop" || fail "desktop entry name"
grep -qx 'Categories=Office;Finance;' "$root/usr/share/applications/$id.desktop" || fail "desktop entry categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log"; fail "AppStream metadata"; }

# The sample-data tool makes its directory; the exporter prints a VAT-Z stored
# under account 002 (an otherwise empty record).
data="$work/dane/nowy"
"$root/usr/bin/zgloszenia-demo" "$data" --taxpayers 20 >/dev/null || fail "zgloszenia-demo"
{
  head -c $((597 * 2)) /dev/zero
  printf '\003002'
  head -c $((597 - 4)) /dev/zero
} >"$data/vatz.Rdx"
(cd "$data" && "$root/usr/bin/zgloszenia-pdf" VAT-Z 2 "$work/vatz.pdf") || fail "zgloszenia-pdf"
info="$(pdfinfo "$work/vatz.pdf")"
grep -q '^Pages: *1$' <<<"$info" || fail "pages: $info"
grep -q '^Title: *VAT-Z 002 1/1$' <<<"$info" || fail "document name: $info"
echo "package test passed: $(basename "$deb")"
