#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
    libsqlcipher-dev sqlcipher
    libcurl4-openssl-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libxcb1-dev
    fonts-noto-cjk python3-fonttools xvfb x11-utils poppler-utils
    python3-aiosmtpd
    l3afpad galculator
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    # Without sudo, or with a sudo that would ask for a password nobody can type, say what to do.
    if ! command -v sudo >/dev/null 2>&1 || { [ ! -t 0 ] && ! sudo -n true 2>/dev/null; }; then
        echo "Missing Debian packages: ${missing[*]}" >&2
        echo "Installing them needs root. As root, run:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
