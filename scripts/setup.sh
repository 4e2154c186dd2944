#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the designer need,
# only when something is missing. Runs as root, or through sudo when available.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev
  libcurl4-openssl-dev zlib1g-dev
  ninja-build libmariadb-dev libsqlite3-dev
  fonts-dejavu-core
  xvfb xauth
  clang clang-14 libclang-rt-14-dev
  dpkg-dev desktop-file-utils libxml2-utils imagemagick man-db gzip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
