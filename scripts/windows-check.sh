#!/usr/bin/env bash
# The Windows side of the layers without Qt: cross-builds src/core, src/file
# and their tests for 64-bit Windows with mingw-w64 (GoogleTest from Debian's
# googletest sources, built by the same compiler) into build-windows/, and
# runs the test program under Wine. Installs what is missing (as root or
# with sudo). Ends with GoogleTest's summary; fails when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest

cmake -S . -B build-windows -DMIRAVEL_QT_FREE=ON -DCMAKE_TOOLCHAIN_FILE=cmake/MingwW64.cmake
cmake --build build-windows -j2

# A Wine of its own, never a window or a question: no display, and no
# offer to install Mono or Gecko when the prefix is first made.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 300 wine wineboot --init > /dev/null 2>&1 || true
fi
status=0
timeout 900 wine build-windows/tests/qtfree_tests.exe || status=$?
wineserver -k 2> /dev/null || true
exit $status
