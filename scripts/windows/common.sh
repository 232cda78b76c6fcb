# Shared by the Windows scripts (sourced): where builds for Windows are
# cached, and Debian source packages fetched through an apt setup of our
# own, so the machine's apt configuration stays as it is.

MIRAVEL_WINDOWS_CACHE="${MIRAVEL_WINDOWS_CACHE:-$HOME/.cache/miravel-windows}"
mkdir -p "$MIRAVEL_WINDOWS_CACHE"

# The apt folder of our own: the machine's deb entries turned into deb-src.
private_apt_init() {
  local apt="$MIRAVEL_WINDOWS_CACHE/apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
  : > "$apt/sources.list"
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed -e 's/^Types:.*\bdeb\b.*$/Types: deb-src/' "$f" > "$apt/sources.list.d/$(basename "$f")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n -e 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list > "$apt/sources.list"
  fi
  PRIVATE_APT=(-o "Dir::Etc::SourceList=$apt/sources.list"
               -o "Dir::Etc::SourceParts=$apt/sources.list.d"
               -o "Dir::State::Lists=$apt/lists"
               -o "Dir::Cache=$apt/cache"
               -o "Debug::NoLocking=1")
  if [ ! -f "$apt/updated" ] || [ -n "$(find "$apt/updated" -mmin +1440)" ]; then
    apt-get "${PRIVATE_APT[@]}" update -q > "$apt/update.log" 2>&1 \
      || { cat "$apt/update.log" >&2; return 1; }
    touch "$apt/updated"
  fi
}

# fetch_source <package> <version> <folder>: downloads the source package
# into <folder>, checks every file against the SHA-256 sums in its .dsc and
# unpacks it (with Debian's patches) into <folder>/src. Reused when done.
fetch_source() {
  local package="$1" version="$2" folder="$3"
  if [ -f "$folder/src/.unpacked" ]; then return 0; fi
  private_apt_init
  mkdir -p "$folder"
  (cd "$folder" && apt-get "${PRIVATE_APT[@]}" source --download-only -q "$package=$version" > download.log 2>&1) \
    || { cat "$folder/download.log" >&2; return 1; }
  local dsc
  dsc="$(ls "$folder"/"${package}"_*.dsc | head -n 1)"
  # The Checksums-Sha256 block of the .dsc: " <sum> <size> <file>" lines.
  (cd "$folder" && awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && NF==3 {print $1 "  " $3}' "$dsc" \
     | sha256sum --check --strict --quiet) || { echo "Checksum mismatch in $package source" >&2; return 1; }
  rm -rf "$folder/src"
  dpkg-source --no-check -x "$dsc" "$folder/src" > "$folder/unpack.log" 2>&1 \
    || { cat "$folder/unpack.log" >&2; return 1; }
  touch "$folder/src/.unpacked"
}

# A short hash naming a cache folder: changes with anything given to it.
short_hash() { printf '%s\n' "$@" | sha256sum | cut -c1-10; }

# Packed cache folders made on another machine by these same scripts
# (<folder name>.tar.xz, the folder inside it of the same name): the
# cache folder beside the clone, as CI provides it.
MIRAVEL_PREBUILT="${MIRAVEL_PREBUILT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/../shared/cache}"

# restore_prebuilt <cache folder> <file>...: when the archive named like the
# folder (so carrying the same key) is there, unpacks it beside the folder,
# and keeps it only when it holds .complete and every file given; else
# leaves nothing behind, and the caller builds from source. Unpacked under
# another name first, so a run stopped half way or a second run at the same
# time never sees half a folder.
restore_prebuilt() {
  local prefix="$1"
  shift
  local name archive staging
  name="$(basename "$prefix")"
  archive="$MIRAVEL_PREBUILT/$name.tar.xz"
  [ -f "$archive" ] || return 1
  staging="$(mktemp -d "$prefix.restore.XXXXXX")"
  if ! tar -xJf "$archive" -C "$staging" 2> "$staging.log"; then
    echo "$archive does not unpack: $(head -n 3 "$staging.log")" >&2
    rm -rf "$staging" "$staging.log"
    return 1
  fi
  rm -f "$staging.log"
  local file missing=""
  for file in .complete "$@"; do
    [ -e "$staging/$name/$file" ] || missing="$missing $file"
  done
  if [ -n "$missing" ]; then
    echo "$archive is not complete (missing:$missing); building from source" >&2
    rm -rf "$staging"
    return 1
  fi
  # Paths written at build time (qt-cmake, the CMake files) name the folder
  # it was built in; a cache elsewhere gets them pointed at its own.
  local built
  built="$(sed -n 's/^built_in=//p' "$staging/$name/.complete" 2>/dev/null)"
  [ -n "$built" ] || built="/root/.cache/miravel-windows/$name"
  if [ "$built" != "$prefix" ]; then
    grep -rlIF -- "$built" "$staging/$name" 2>/dev/null | while IFS= read -r file; do
      sed -i "s|$built|$prefix|g" "$file"
    done
  fi
  # Another run may have put it in place meanwhile: that one stays.
  if [ ! -f "$prefix/.complete" ]; then
    rm -rf "$prefix"
    mv "$staging/$name" "$prefix"
  fi
  rm -rf "$staging"
  echo "Restored $prefix from $archive" >&2
}
