#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing: those the program needs
# to build and run, and with "test" also those the tests need. Uses sudo when
# not run as root. usage: install-deps.sh [test | bench]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-private-dev qt6-svg-dev libxcb1-dev libxcb-shm0-dev libwayland-dev libfontconfig-dev qt6-wayland fonts-liberation2
)
if [ "${1:-}" = "test" ]; then
    packages+=(
        # X11 tests
        xvfb xauth x11-xserver-utils openbox xdotool xclip
        # Wayland tests: a headless compositor, the desktop portal and what it needs
        sway swaybg xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire grim slurp
        dbus python3
        # desktop integration and the Debian package
        desktop-file-utils appstream dpkg-dev file
        # fuzz targets: clang with libFuzzer
        clang libclang-rt-dev
        # accessibility: the AT-SPI bus and registry, and pyatspi to read them
        at-spi2-core python3-pyatspi
        # GNOME Shell and KDE's KWin, headless, with their portal backends;
        # KDE's backend needs Qt 5's Wayland plugin and Plasma's QML modules
        gnome-shell xdg-desktop-portal-gnome libglib2.0-bin python3-gi kwin-wayland xdg-desktop-portal-kde plasma-workspace qtwayland5
        qml-module-org-kde-kirigami2 qml-module-qtquick-controls2 qml-module-qtquick-layouts
    )
elif [ "${1:-}" = "bench" ]; then
    # Google Benchmark; Xvfb and XTest to drive the programs; KDE's
    # kcolorchooser, Qt's colour dialog as a program, and GTK's gcolor3, the
    # peers for drags
    packages+=(libbenchmark-dev xvfb xauth xdotool x11-xserver-utils libxtst-dev kcolorchooser gcolor3)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "Packages: all ${#packages[@]} present."
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing packages (${#missing[@]} of ${#packages[@]} missing): ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
