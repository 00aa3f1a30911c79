#!/usr/bin/env bash
# Installs the Debian packages Korvo needs to build, test and benchmark.
# Safe to run again: only packages that dpkg does not report as installed are fetched.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format clang libclang-rt-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libqt6svg6
    qt6-tools-dev qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
    libgl-dev libxkbcommon-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation xvfb xauth xdotool imagemagick librsvg2-bin python3
    # The start-up benchmark runs the editor with a session bus of its own.
    dbus-daemon
    # Printing: the print service, a PDF printer for the printing tests and poppler to measure its output.
    libcups2-dev cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
