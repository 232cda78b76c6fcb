#!/usr/bin/env bash
# Builds libsodium for Windows (static, mingw-w64) from Debian's source
# package of the version installed here, once, into a cache folder named by
# the version and the options (or unpacks a packed folder of that name from
# ../shared/cache beside the clone, see build-qt.sh). Prints that folder on its last line; the
# cross builds add it to CMAKE_PREFIX_PATH and CMAKE_FIND_ROOT_PATH.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"

version="$(dpkg-query -W -f='${Version}' libsodium-dev)"
options=(--host=x86_64-w64-mingw32 --disable-shared --enable-static --disable-dependency-tracking
         CC=x86_64-w64-mingw32-gcc-posix)
key="$(short_hash "$version" "${options[@]}")"
prefix="$MIRAVEL_WINDOWS_CACHE/sodium-${version%%-*}-$key"

if [ -f "$prefix/.complete" ] || restore_prebuilt "$prefix" include/sodium.h lib/libsodium.a; then
  echo "$prefix"
  exit 0
fi

log="$prefix.log"
source_dir="$MIRAVEL_WINDOWS_CACHE/source/libsodium-$version"
set +e
(
  set -e
  echo "libsodium $version for Windows into $prefix ($(date))"
  fetch_source libsodium "$version" "$source_dir"
  # Debian's source is the upstream repository, without a configure script.
  [ -x "$source_dir/src/configure" ] || (cd "$source_dir/src" && autoreconf -ivf)
  rm -rf "$prefix" "$prefix.build"
  mkdir -p "$prefix.build"
  cd "$prefix.build"
  "$source_dir/src/configure" --prefix="$prefix" "${options[@]}"
  nice -n 10 make -j "${MIRAVEL_JOBS:-2}"
  make install
  cd /
  rm -rf "$prefix.build"
  touch "$prefix/.complete"
) > "$log" 2>&1
status=$?
set -e
if [ $status -ne 0 ]; then
  tail -n 40 "$log" >&2
  echo "libsodium for Windows failed; log: $log" >&2
  exit 1
fi
echo "$prefix"
