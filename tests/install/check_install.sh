#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop files there.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" > /dev/null

expected=(
    bin/kelmora
    bin/kelmora-solve
    share/man/man6/kelmora-solve.6.gz
    share/applications/org.kelmora.Kelmora.desktop
    share/metainfo/org.kelmora.Kelmora.metainfo.xml
    share/man/man6/kelmora.6.gz
    share/doc/kelmora/copyright
    share/doc/kelmora/changelog.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/org.kelmora.Kelmora.png")
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
[ -x "$prefix/bin/kelmora" ] || { echo "bin/kelmora is not executable"; exit 1; }
# The installed solver reads its command line: one game, its line, its verdict.
"$prefix/bin/kelmora-solve" 1 | tail -n 1 | grep -qx 'won in [0-9]* moves' ||
    { echo "bin/kelmora-solve 1 does not win game 1"; exit 1; }

# One name: the window class the program takes from its name is the entry's StartupWMClass.
grep -qx 'StartupWMClass=Kelmora' "$prefix/share/applications/org.kelmora.Kelmora.desktop" ||
    { echo "the desktop entry does not name the window class Kelmora"; exit 1; }
desktop-file-validate "$prefix/share/applications/org.kelmora.Kelmora.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.kelmora.Kelmora.metainfo.xml"
echo "install layout and desktop files are valid"
