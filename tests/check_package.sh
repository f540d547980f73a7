#!/usr/bin/env bash
# The Debian package: built with cpack from the build folder, its control
# data and file list checked, unpacked into a scratch root, and the program
# there answering --version. usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tintaro_*.deb)
source "$(dirname "$0")/e2e_common.sh"
passed=0
failed=0
info=$(dpkg-deb --info "$deb")
for line in '^ Package: tintaro$' '^ Depends:.*libqt6widgets6' '^ Depends:.*qt6-wayland'; do # Qt's computed, the Wayland plugin
    check "control: $line" yes "$(grep -q "$line" <<< "$info" && echo yes || echo no)"
done
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
prefix=$(sed -n 's/^CPACK_PACKAGING_INSTALL_PREFIX:.*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
prefix=${prefix:-$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")}
for file in bin/tintaro share/applications/io.tolvex.Tintaro.desktop share/metainfo/io.tolvex.Tintaro.metainfo.xml \
    share/icons/hicolor/scalable/apps/io.tolvex.Tintaro.svg share/icons/hicolor/48x48/apps/io.tolvex.Tintaro.png \
    share/icons/hicolor/256x256/apps/io.tolvex.Tintaro.png share/man/man1/tintaro.1 share/doc/tintaro/user-guide.html \
    share/doc/tintaro/LICENSE; do
    check "contains $file" yes "$(grep -qx ".$prefix/$file" <<< "$contents" && echo yes || echo no)"
done
dpkg-deb -x "$deb" "$out/root"
check "the unpacked program runs" "Tintaro 1.0.0" "$("$out/root$prefix/bin/tintaro" --version 2>/dev/null || true)"
e2e_finish
