#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine: the MinGW-w64 cross compilers,
# Wine (64- and 32-bit), Xvfb and xdotool for the message-box test, a Japanese font, and the
# ja_JP.UTF-8 locale, and zip and unzip for the release archives. Does nothing, quietly, when
# everything is already there.
set -euo pipefail

packages=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic locales
          clang libclang-rt-14-dev zip unzip)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "generating the ja_JP.UTF-8 locale"
  "${sudo_cmd[@]}" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
