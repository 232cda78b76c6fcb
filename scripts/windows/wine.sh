# Sourced: a Wine of our own (build-windows/wine), never a window or a
# question: no display unless the caller gives one, and no offer to install
# Mono or Gecko when the prefix is first made, and no menu entries on the
# host for what the installer puts in the Start menu.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -z "${MIRAVEL_WINE_DISPLAY:-}" ]; then
  unset DISPLAY WAYLAND_DISPLAY
else
  export DISPLAY="$MIRAVEL_WINE_DISPLAY"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  timeout 300 wine wineboot --init > /dev/null 2>&1 || true
fi
