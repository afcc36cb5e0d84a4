#!/usr/bin/env bash
# Installs, with apt-get, every Debian 12 package Tagwell needs to build, run and test.
# Packages already installed are left alone, so a second run takes a moment.
set -euo pipefail

packages=(
    # build
    cmake ninja-build ccache g++ pkg-config clang-format
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
    # JPEG photos decoded straight to grey
    libturbojpeg0-dev
    # the label preview: FreeType draws its text, libzint its barcodes
    libfreetype-dev libzint-dev
    # run: Qt's own Japanese texts, picture formats, Japanese fonts, a display for the run script
    qt6-translations-l10n qt6-image-formats-plugins fonts-noto-cjk xvfb xauth
    # tests and benchmarks: GoogleTest, independent PCX decoders, ImageMagick for comparison
    libgtest-dev libgmock-dev libbenchmark-dev netpbm python3-pil imagemagick
    # the label preview's barcodes read back by a real decoder
    zbar-tools
    # the print spooler: libcups to build, a private cupsd and its client tools for the tests
    cups-daemon cups-client libcups2-dev
    # USB printers: libudev to find them, umockdev to fake them in tests
    umockdev libumockdev-dev libudev-dev
    # the Debian package: file and dpkg-shlibdeps find the libraries it depends on, and
    # desktop-file-validate checks its desktop entry
    dpkg-dev file desktop-file-utils
    # fuzzing: clang's libFuzzer and sanitizers
    clang-14 libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
