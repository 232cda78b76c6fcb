#!/usr/bin/env bash
# docs/windows.png: build-windows/Miravel/Miravel.exe under Wine on an Xvfb
# display with openbox, showing a sample book. Run after windows-build.sh.
#   scripts/windows/screenshot.sh [DISPLAY_NUMBER] [BOOK]
set -euo pipefail
cd "$(dirname "$0")/../.."
number="${1:-99}"
book="$(realpath "${2:-../shared/samples/class-typical-40.txt}")"
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" > /dev/null || ./scripts/setup.sh "${tool##*:}"
done

Xvfb ":$number" -screen 0 1366x768x24 > /dev/null 2>&1 &
xvfb=$!
sleep 2
DISPLAY=":$number" openbox > /dev/null 2>&1 &
wm=$!
MIRAVEL_WINE_DISPLAY=":$number" . scripts/windows/wine.sh
wine build-windows/Miravel/Miravel.exe "Z:$book" > /dev/null 2>&1 &
app=$!
# The main window's caption names the book once it is open.
timeout 120 xdotool search --sync --name "$(basename "$book" .txt)" > /dev/null
sleep 3
import -display ":$number" -window root docs/windows.png
kill "$app" 2> /dev/null || true
wineserver -k 2> /dev/null || true
kill "$wm" "$xvfb" 2> /dev/null || true
echo "docs/windows.png"
