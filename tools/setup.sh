#!/usr/bin/env bash
# Installs what building, running and testing Tarnvel need on Debian, as root.
# Quick when everything is already there.
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine.sh" # tarnvel_test_locales

packages=(
    cmake g++ make googletest python3    # native build, unit tests, counting them
    clang-format                         # the sources' layout
    mingw-w64 wine64 xvfb x11-utils      # the Windows program, run under Wine
    fonts-wqy-zenhei locales             # Chinese text in Wine's windows
    imagemagick xdotool zip unzip        # screenshots, driving, the release
    clang libclang-rt-14-dev             # fuzzing
    rime-data-wubi                       # Debian's Wubi 86 table, the shipped one's source
    chromium poppler-utils               # the key charts, shown and printed
    unicode-data bzip2                   # Unihan: the sources of the strokes and the frequency data
)
# The emulated machine that runs 32-bit programs (tests/vm32), without the
# recommended graphical front ends.
machine=(qemu-system-x86 qemu-utils debootstrap)

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
missingMachine=()
for package in "${machine[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missingMachine+=("$package")
done
# 32-bit Windows programs need Wine's 32-bit half.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    missing+=(wine32:i386)
elif ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    missing+=(wine32:i386)
fi

if [ ${#missing[@]} -ne 0 ] || [ ${#missingMachine[@]} -ne 0 ]; then
    echo "setup: installing ${missing[*]} ${missingMachine[*]}"
    # Another installation may hold the package lock for a while: wait for it.
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    install=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq)
    [ ${#missing[@]} -eq 0 ] || "${install[@]}" "${missing[@]}" >/dev/null
    [ ${#missingMachine[@]} -eq 0 ] ||
        "${install[@]}" --no-install-recommends "${missingMachine[@]}" >/dev/null
fi

# Wine takes its code page from the locale's name; non-ASCII file names need
# the glibc locale itself too.
locales=$(tarnvel_test_locales)
for locale in $locales; do
    if ! locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then
        grep -qx "$locale UTF-8" /etc/locale.gen 2>/dev/null || echo "$locale UTF-8" >> /etc/locale.gen
        regenerate=1
    fi
done
if [ -n "${regenerate:-}" ]; then
    locale-gen >/dev/null
fi
