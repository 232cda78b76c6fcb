#!/usr/bin/env bash
# Installs the Debian packages Miravel needs to build, run and test, when
# they are missing (clang for the sanitizer build and the fuzz targets;
# lintian and appstream judge the Debian package and the AppStream record;
# wixl and msitools build and read the MSI for Windows).
# Run as root (or with sudo available). Given package names, it installs
# those instead (scripts/windows-check.sh does).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libsodium-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  desktop-file-utils lintian appstream
  poppler-utils
  wixl msitools
)
if [ $# -gt 0 ]; then
  packages=("$@")
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
