#!/usr/bin/env bash
# Builds Qt for Windows (qt6-base, the version of the Linux Qt installed
# here, which serves as its host tools) from Debian's source package with
# mingw-w64, once: the result lives in a cache folder named by the version,
# the options and the toolchain file, reused while all stay the same. A
# packed folder of that very name in ../shared/cache beside the clone
# (MIRAVEL_PREBUILT) is unpacked instead when it is complete. Prints that
# folder on its last line. Log: <folder>.log. Building takes about an hour
# of two busy cores; a build stopped half way is resumed by the next run.
# With --cached it builds nothing and fails when the folder is not there.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
# Off what Miravel does not use; tablet events need the wintab header
# Debian's source leaves out, and with OpenGL off the Windows plugin only
# compiles without dynamic GL.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
)
toolchain="$here/../../cmake/MingwW64Qt.cmake"
key="$(short_hash "$qt_version" "${qt_options[@]}" "$(cat "$toolchain")")"
prefix="$MIRAVEL_WINDOWS_CACHE/qt-${qt_version%%+*}-$key"

# What the Windows run takes from it: a restored folder without one of
# these is not used.
needed=(bin/qt-cmake toolchain.cmake lib/cmake/Qt6/Qt6Config.cmake
        bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll bin/Qt6Test.dll
        plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll
        plugins/styles/qwindowsvistastyle.dll)
if [ -f "$prefix/.complete" ] || restore_prebuilt "$prefix" "${needed[@]}"; then
  echo "$prefix"
  exit 0
fi
# --cached: only tells whether it is there (exit status 1 when not).
if [ "${1:-}" = --cached ]; then
  exit 1
fi

log="$prefix.log"
# ccache only speeds a rebuild up; it takes no part in what Qt is.
launcher=()
if command -v ccache > /dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
source_dir="$MIRAVEL_WINDOWS_CACHE/source/qt6-base-$qt_version"
build_dir="$prefix.build"
# In a subshell of its own, so that any failing step stops it (set -e
# does not reach into a command list guarded by ||).
set +e
(
  set -e
  echo "Qt $qt_version for Windows into $prefix ($(date))"
  fetch_source qt6-base "$qt_version" "$source_dir"
  # A build stopped half way (a machine switched off) goes on where it was.
  if [ ! -f "$build_dir/.configured" ]; then
    rm -rf "$prefix" "$build_dir"
    mkdir -p "$prefix" "$build_dir"
    # The toolchain file stays beside the installed Qt: its qt-cmake loads it.
    cp "$toolchain" "$prefix/toolchain.cmake"
    cmake -G Ninja -S "$source_dir/src" -B "$build_dir" \
      -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain.cmake" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DCMAKE_INSTALL_PREFIX="$prefix" "${qt_options[@]}" "${launcher[@]}"
    touch "$build_dir/.configured"
  fi
  start=$(date +%s)
  nice -n 10 cmake --build "$build_dir" -j "${MIRAVEL_JOBS:-2}"
  cmake --install "$build_dir"
  echo "Built in $(( ($(date +%s) - start) / 60 )) minutes"
  touch "$prefix/.complete"
  rm -rf "$build_dir"
) >> "$log" 2>&1
status=$?
set -e
if [ $status -ne 0 ]; then
  tail -n 40 "$log" >&2
  echo "Qt for Windows failed; log: $log" >&2
  exit 1
fi
echo "$prefix"
