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
