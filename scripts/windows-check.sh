#!/usr/bin/env bash
# The Windows side of the layers without Qt: cross-builds src/core,
# src/file, src/grades and their tests for 64-bit Windows with mingw-w64
# (GoogleTest from Debian's googletest sources and libsodium from Debian's
# libsodium sources, built by the same compiler) into build-windows/qtfree,
# and runs the test program under Wine. Installs what is missing (as root
# or with sudo). Ends with GoogleTest's summary; fails when a test fails.
# scripts/windows-build.sh is the whole program's run.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest \
  dpkg-dev autoconf automake libtool
sodium="$(scripts/windows/build-sodium.sh | tail -n 1)"

cmake -S . -B build-windows/qtfree -DMIRAVEL_QT_FREE=ON -DCMAKE_TOOLCHAIN_FILE=cmake/MingwW64.cmake \
  -DCMAKE_PREFIX_PATH="$sodium" -DCMAKE_FIND_ROOT_PATH="$sodium"
cmake --build build-windows/qtfree -j2

. scripts/windows/wine.sh
status=0
timeout 900 wine build-windows/qtfree/tests/qtfree_tests.exe || status=$?
wineserver -k 2> /dev/null || true
exit $status
