#!/bin/sh
# Installs what building and testing the picker needs on a Debian machine: the native and MinGW-w64
# toolchains, Wine, Xvfb, the test tools, a Japanese font, and Japanese and English locales.
# Idempotent and silent when everything is present; needs root (or sudo) only when something is missing.
set -eu

packages="cmake g++ make libgtest-dev libbenchmark-dev
g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64-posix
wine wine32:i386 wine64 xvfb xdotool xclip x11-utils xauth imagemagick fonts-ipafont-gothic locales"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Wine takes its code page from the locale: ja_JP.UTF-8 gives the Japanese system's code page 932, and
# en_US.UTF-8 an English one's, 1252. localedef, since locale-gen would drop the locales it did not make.
add_locales() {
    for name in ja_JP en_US; do
        locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8\$" || $sudo localedef -i $name -f UTF-8 $name.UTF-8
    done
}

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done
if [ -z "$missing" ]; then
    add_locales
    exit 0
fi

echo "Installing:$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq $missing >/dev/null
add_locales
