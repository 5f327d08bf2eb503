#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# root and runs tarnel-preview from there on the sample deck.
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/*.deb)
dpkg-deb --field "$deb" Depends | grep -q "libqt6core6" || { echo "package lacks its Qt dependency" >&2; exit 1; }
dpkg -x "$deb" "$scratch/root"
prefix=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep '/tarnel-preview$' | sed 's#^\./##; s#/tarnel-preview$##')
for f in tarnel tarnel-preview tarnel-highlight tarnel-check tarnel-wbxml tarnel-wbmp tarnel-phone tarnel-serve data/check.ini skins/skins.ini HELP/content.htm; do
  [ -e "$scratch/root/$prefix/$f" ] || { echo "package lacks $prefix/$f" >&2; exit 1; }
done
for f in applications/tarnel.desktop mime/packages/tarnel.xml icons/hicolor/256x256/apps/tarnel.png; do
  find "$scratch/root" -path "*/share/$f" | grep -q . || { echo "package lacks share/$f" >&2; exit 1; }
done
grep -q "^Exec=/$prefix/tarnel %F" "$(find "$scratch/root" -name tarnel.desktop)" || { echo "desktop entry runs the wrong program" >&2; exit 1; }
names=$(env -u TARNEL_PROGRAM_DIR "$scratch/root/$prefix/tarnel-preview" "$root/samples/welcome.wml" "$scratch/pages")
[ "$(echo "$names" | head -n 1)" = "welcome" ] || { echo "unexpected card names: $names" >&2; exit 1; }
[ -s "$scratch/pages/welcome.htm" ] && [ -s "$scratch/pages/logo.bmp" ] || { echo "pages missing" >&2; exit 1; }
echo "package $(basename "$deb") installs and previews"
