#!/usr/bin/env bash
# Installs the Debian packages Korvo needs, by group: scripts/install-deps.sh GROUP...
#   build    compile the program and run it (the default)
#   test     the tests' tools: GoogleTest, a virtual display, a print service, picture tools
#   bench    the benchmark library and a session bus for the start-up benchmark
#   fuzz     clang and its fuzzing runtime
#   package  build the .deb and check it
#   svgcheck scripts/svg_clipart_check.py: rsvg-convert's pictures to compare with, ImageMagick to
#            trim, fit and blur them, dpkg-deb to unpack the clip-art packages it fetches
# Safe to run again: only packages that dpkg does not report as installed are fetched.
set -euo pipefail

build=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libqt6svg6
    qt6-tools-dev qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
    libgl-dev libxkbcommon-dev libcups2-dev
    # lupdate and lrelease for the window's translations, and Qt's own translations of its dialogs.
    qt6-l10n-tools qt6-translations-l10n
    # The picture reader inflates .svgz itself, with a cap on the size.
    zlib1g-dev
    # The help's pictures are drawn with the fonts the samples name; the icons are rendered from SVG.
    fonts-liberation librsvg2-bin
)
test=(
    libgtest-dev libgmock-dev clang-format
    xvfb xauth xdotool imagemagick python3
    # Printing: the print service, a PDF printer for the printing tests and poppler to measure its output.
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)
bench=(
    libbenchmark-dev python3
    # The start-up benchmark runs the editor with a session bus of its own.
    dbus-daemon
)
fuzz=(clang libclang-rt-dev)
package=(dpkg-dev file lintian appstream desktop-file-utils)
svgcheck=(librsvg2-bin imagemagick python3 dpkg)

groups=("$@")
[ ${#groups[@]} -eq 0 ] && groups=(build)

packages=()
for group in "${groups[@]}"; do
    case "$group" in
    build) packages+=("${build[@]}") ;;
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    package) packages+=("${package[@]}") ;;
    svgcheck) packages+=("${svgcheck[@]}") ;;
    *)
        echo "install-deps: unknown group $group (build, test, bench, fuzz, package or svgcheck)" >&2
        exit 2
        ;;
    esac
done

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
