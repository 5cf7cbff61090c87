#!/usr/bin/env bash
# Installs everything the build, the tests and the run script need on a fresh
# Debian machine. Idempotent: prints nothing and does nothing when all is there.
set -euo pipefail

packages=(
  cmake make g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-tools
  libz-mingw-w64-dev googletest
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64
  wine wine32:i386 xvfb xauth x11-utils imagemagick
  python3 python3-pil fonts-wqy-microhei
  clang libclang-rt-14-dev libgtest-dev zlib1g-dev
  openssl osslsigncode
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "setup: installing ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq >/dev/null
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
