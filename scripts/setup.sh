#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing, and
# makes the Chinese locale the tests run under as well (the program's users run it).
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
    libsqlcipher-dev sqlcipher
    libcurl4-openssl-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libxcb1-dev
    fonts-dejavu-core fonts-noto-cjk python3-fonttools xvfb x11-utils poppler-utils
    python3-aiosmtpd
    l3afpad galculator
    locales
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

# The locale is enabled in /etc/locale.gen (the package ships it commented out) and generated.
chinese_locale="zh_CN.UTF-8"
make_locale="sed -i 's/^# *\\($chinese_locale UTF-8\\)\$/\\1/' /etc/locale.gen"
make_locale+=" && { grep -qx '$chinese_locale UTF-8' /etc/locale.gen || echo '$chinese_locale UTF-8' >> /etc/locale.gen; }"
make_locale+=" && locale-gen"
locale_missing=false
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
    locale_missing=true
fi

if [ ${#missing[@]} -eq 0 ] && ! $locale_missing; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    # Without sudo, or with a sudo that would ask for a password nobody can type, say what to do.
    if ! command -v sudo >/dev/null 2>&1 || { [ ! -t 0 ] && ! sudo -n true 2>/dev/null; }; then
        if [ ${#missing[@]} -gt 0 ]; then
            echo "Missing Debian packages: ${missing[*]}" >&2
        fi
        if $locale_missing; then
            echo "Missing locale: $chinese_locale (the tests run under it as well)" >&2
        fi
        echo "That needs root. As root, run:" >&2
        if [ ${#missing[@]} -gt 0 ]; then
            echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        fi
        if $locale_missing; then
            echo "  $make_locale" >&2
        fi
        exit 1
    fi
    sudo="sudo"
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
if $locale_missing; then
    echo "Making the locale $chinese_locale"
    $sudo sh -c "$make_locale"
fi
