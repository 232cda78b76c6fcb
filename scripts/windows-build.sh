#!/usr/bin/env bash
# Miravel for Windows, whole: builds Qt for Windows and libsodium from
# Debian's source packages once (cached outside the tree, see
# scripts/windows/build-qt.sh), cross-builds Miravel.exe and every test
# program with mingw-w64, assembles the program folder build-windows/Miravel/,
# the installer and the portable zip beside it, then under Wine (a prefix of
# its own, offscreen, WINEDEBUG=-all): runs every test program, installs and
# uninstalls silently, and compares Miravel.exe's exports with the Linux
# program's. Installs what is missing (as root or with sudo). Ends with one
# summary line; fails when anything failed.
#   MIRAVEL_WINDOWS_CACHE  where Qt and libsodium for Windows are kept
#                          (default ~/.cache/miravel-windows)
#   MIRAVEL_JOBS           parallel compiles (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="$root/build-windows"
mkdir -p "$out/logs"
times="$out/times.txt"
: > "$times"
began=$(date +%s)
step() { echo "$1: $(( $(date +%s) - $2 )) s" | tee -a "$times"; }

./scripts/setup.sh cmake ninja-build make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
  wine wine64 nsis wixl msitools zip dpkg-dev autoconf automake libtool googletest \
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n poppler-utils \
  fonts-ipafont-mincho fonts-ipafont-gothic

t=$(date +%s)
qt="$(scripts/windows/build-qt.sh | tail -n 1)"
echo "Qt for Windows: $qt"
sodium="$(scripts/windows/build-sodium.sh | tail -n 1)"
echo "libsodium for Windows: $sodium"
step "Qt and libsodium for Windows (nothing to do when cached)" "$t"

# --- Miravel.exe and the test programs -----------------------------------
t=$(date +%s)
build="$out/build"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
"$qt/bin/qt-cmake" -G Ninja -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$sodium" -DCMAKE_FIND_ROOT_PATH="$sodium" "${launcher[@]}" > "$out/logs/configure.log"
cmake --build "$build" -j "${MIRAVEL_JOBS:-2}"
step "Cross build" "$t"

# --- The program folder, the installer and the zip -----------------------
t=$(date +%s)
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
gcc_dir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
app="$out/Miravel"
rm -rf "$app"
mkdir -p "$app/platforms" "$app/styles" "$app/translations"
x86_64-w64-mingw32-strip -o "$app/Miravel.exe" "$build/Miravel.exe"
# Qt 6 prints on Windows from Qt6PrintSupport.dll itself (no plugin).
for module in Core Gui Widgets PrintSupport; do cp "$qt/bin/Qt6$module.dll" "$app/"; done
# qoffscreen draws --print-pdf without showing anything.
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$app/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$app/styles/"
cp /usr/share/qt6/translations/qtbase_ja.qm "$app/translations/"
cp "$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$app/"
# Without their symbols (libstdc++-6.dll 23 MB, Qt6Core.dll 9 MB): the
# folder and the installer shrink, and nothing a teacher runs needs them.
x86_64-w64-mingw32-strip --strip-unneeded "$app"/*.dll "$app"/platforms/*.dll "$app"/styles/*.dll
cp -r docs/manual "$app/manual"
cp -r share/profiles "$app/profiles"  # 提出用に書き出す offers them
cp LICENSE "$app/LICENSE.txt"
# Qt finds its plugins and translations in the program folder, wherever it is.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' > "$app/qt.conf"

cp src/app/windows/miravel.ico "$out/miravel.ico"
# The uninstaller's list: exactly the files installed, then their folders
# (deepest first), which go only when empty.
(
  cd "$app"
  find . -type f | sort | sed -e 's|^\./||' -e 's|/|\\|g' -e 's|^\(.*\)$|  Delete "$INSTDIR\\\1"|'
  find . -mindepth 1 -type d | sort -r | sed -e 's|^\./||' -e 's|/|\\|g' -e 's|^\(.*\)$|  RMDir "$INSTDIR\\\1"|'
) > "$out/uninstall-files.nsh"
setup="$out/Miravel-$version-setup.exe"
zip="$out/Miravel-$version-portable.zip"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$app" -DLICENSE="$root/LICENSE" \
  -DOUTFILE="$setup" packaging/windows/Miravel.nsi
# The MSI for school IT, from the same folder (wixl takes paths relative
# to where it runs).
msi="$out/Miravel-$version.msi"
older_msi="$out/msi-check/Miravel-0.9.0.msi"
mkdir -p "$out/msi-check"
(
  cd "$out"
  find Miravel -type f | sort | wixl-heat --prefix Miravel/ --directory-ref INSTALLDIR \
    --component-group ProgramFiles --var var.SourceDir --win64 > msi-files.wxs
  for package in "$version:$msi" "0.9.0:$older_msi"; do
    wixl -a x64 -D Version="${package%%:*}" -D SourceDir=Miravel -D Win64=yes -D Icon=miravel.ico \
      "$root/packaging/windows/Miravel.wxs" msi-files.wxs -o "${package#*:}"
  done
)
rm -f "$zip"
(cd "$out" && zip -qr "$zip" Miravel)
step "Program folder, installers and zip" "$t"
echo "Program folder $(du -sh "$app" | cut -f1), installer $(du -h "$setup" | cut -f1), MSI $(du -h "$msi" | cut -f1), zip $(du -h "$zip" | cut -f1);" \
     "largest: $(cd "$app" && du -h ./*.dll | sort -rh | head -n 3 | tr '\t\n' ' ')" | tee -a "$times"

# --- Under Wine ----------------------------------------------------------
. scripts/windows/wine.sh
export WINEPATH="Z:$qt/bin;Z:$gcc_dir;Z:/usr/x86_64-w64-mingw32/lib"
export QT_PLUGIN_PATH="Z:$qt/plugins" QT_QPA_PLATFORM=offscreen
# Wine's Windows has no Japanese fonts, and the offscreen platform reads
# fonts from one folder only (Miravel.exe: %WINDIR%\Fonts; the test programs:
# Qt's lib/fonts): both get the machine's IPA fonts in place of ＭＳ 明朝.
for fonts in "$WINEPREFIX/drive_c/windows/Fonts" "$qt/lib/fonts"; do
  mkdir -p "$fonts"
  ln -sf /usr/share/fonts/opentype/ipafont-mincho/*.ttf /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$fonts/"
done
failures=()

# GoogleTest's own count from a log: passed, failed and skipped cases.
count() { sed -n "s/^\[  $2 *\] \([0-9]*\) tests\{0,1\}[,.].*/\1/p" "$1" | tail -n 1; }

t=$(date +%s)
passed=0 failed=0 skipped=0 programs=0
run_tests() {  # name, program, then its arguments
  local name="$1" log="$out/logs/$1.log"
  shift
  programs=$((programs + 1))
  local status=0
  timeout 1200 wine "$@" > "$log" 2>&1 || status=$?
  local p f s
  p="$(count "$log" PASSED)" f="$(count "$log" FAILED)" s="$(count "$log" SKIPPED)"
  passed=$((passed + ${p:-0})) failed=$((failed + ${f:-0})) skipped=$((skipped + ${s:-0}))
  if [ $status -ne 0 ] || [ -z "$p" ]; then
    failures+=("$name (exit $status, log $log)")
    [ -n "$f" ] || failed=$((failed + 1))
  fi
  echo "$name: ${p:-0} passed, ${f:-0} failed, ${s:-0} skipped"
}
for program in "$build"/tests/*_tests.exe; do
  name="$(basename "$program" .exe)"
  if [ "$name" = editor_tests ]; then
    run_tests editor_tests "$program" --gtest_filter=-Soak.*
    run_tests editor_soak "$program" --gtest_filter=Soak.*
  else
    run_tests "$name" "$program"
  fi
done
step "Test programs under Wine" "$t"

# The Linux cases, for the share that passes on Windows too.
linux_cases=0
if [ -d build/tests ]; then
  for program in build/tests/*_tests; do
    [ -x "$program" ] || continue
    linux_cases=$((linux_cases + $("$program" --gtest_list_tests | grep -c '^  ')))
  done
fi

# --- Exports: the Linux program's and Miravel.exe's ----------------------
t=$(date +%s)
if [ ! -x build/miravel ]; then
  cmake -S . -B build > /dev/null && cmake --build build -j "${MIRAVEL_JOBS:-2}" --target miravel > /dev/null
fi
samples=""
for folder in "$root/../shared/samples" /work/shared/samples; do
  [ -f "$folder/class-typical-40.txt" ] && samples="$folder" && break
done
books=("$root/tests/data/fresh_book.txt")
[ -n "$samples" ] && books=("$samples"/class-*.txt)
compare="$out/compare"
rm -rf "$compare"
mkdir -p "$compare"
exports=0
for book in "${books[@]}"; do
  base="$(basename "$book" .txt)"
  for view in class subject:1 semester:1,1 test:1,1,1 evaluations:4; do
    name="$base-${view//[:,]/-}.csv"
    build/miravel --export-csv "$compare/linux-$name" --view "$view" "$book" > /dev/null 2>&1 || true
    wine "$app/Miravel.exe" --export-csv "Z:$compare/windows-$name" --view "$view" "Z:$book" > /dev/null 2>&1 || true
    exports=$((exports + 1))
    if [ ! -s "$compare/linux-$name" ] || ! cmp -s "$compare/linux-$name" "$compare/windows-$name"; then
      failures+=("export $name differs from Linux")
    fi
  done
  # PDFs: pages and texts in the order they are drawn (glyph widths differ a
  # little between the two font engines, which may reorder a reading by layout).
  for view in class semester:1,1 graphs:1 students; do
    name="$base-${view//[:,]/-}"
    build/miravel --print-pdf "$compare/linux-$name.pdf" --view "$view" "$book" > /dev/null 2>&1 || true
    wine "$app/Miravel.exe" --print-pdf "Z:$compare/windows-$name.pdf" --view "$view" "Z:$book" > /dev/null 2>&1 || true
    exports=$((exports + 1))
    for side in linux windows; do
      { pdfinfo "$compare/$side-$name.pdf" 2>/dev/null | grep '^Pages:' || echo "no PDF"
        pdftotext -raw -enc UTF-8 "$compare/$side-$name.pdf" - 2>/dev/null; } > "$compare/$side-$name.txt"
    done
    if ! grep -q '^Pages:' "$compare/linux-$name.txt" || ! cmp -s "$compare/linux-$name.txt" "$compare/windows-$name.txt"; then
      failures+=("PDF $name differs from Linux (pages or text)")
    fi
  done
done
# A Windows without a Japanese font: with the IPA fonts taken out of its
# Fonts folder for one run, --print-pdf says so and writes nothing.
winfonts="$WINEPREFIX/drive_c/windows/Fonts" aside="$compare/fonts-aside"
mkdir -p "$aside"
mv "$winfonts"/ipa*.ttf "$aside/"
said="$(wine "$app/Miravel.exe" --print-pdf "Z:$compare/no-fonts.pdf" --view class \
        "Z:$root/tests/data/fresh_book.txt" 2>&1 > /dev/null | tr -d '\r')" && status=0 || status=$?
mv "$aside"/ipa*.ttf "$winfonts/"
exports=$((exports + 1))
if [ "$status" -ne 1 ] || [ -e "$compare/no-fonts.pdf" ] || [[ "$said" != *"日本語の印刷用フォントが見つかりません（ＭＳ 明朝など）。"* ]]; then
  failures+=("--print-pdf without Japanese fonts: exit $status, said: $said")
fi
step "Exports compared with Linux" "$t"

# --- The installer, silently, and its uninstaller ------------------------
# (Windows ends the lines it prints with CR LF.)
t=$(date +%s)
programs_dir="$(wine cmd /c echo %LOCALAPPDATA% 2> /dev/null | tr -d '\r')\\Programs\\Miravel"
installed="$(winepath -u "$programs_dir" 2> /dev/null)"
install_result="installer failed"
if wine "$setup" /S && [ -f "$installed/Miravel.exe" ] \
   && [ "$(wine "$installed/Miravel.exe" --check "Z:$root/tests/data/fresh_book.txt" 2>&1 | tr -d '\r')" = \
        "$(build/miravel --check "$root/tests/data/fresh_book.txt" 2>&1)" ]; then
  # A book saved into the program folder survives the uninstaller.
  echo kept > "$installed/3年1組.txt"
  wine "$installed/uninstall.exe" /S "_?=$programs_dir" || true
  if [ ! -e "$installed/Miravel.exe" ] && [ -f "$installed/3年1組.txt" ]; then
    install_result="installed and uninstalled (books kept)"
  else
    install_result="uninstaller failed"
  fi
  rm -rf "$installed"
fi
[[ "$install_result" == installed* ]] || failures+=("$install_result")
step "Installer under Wine" "$t"

# The MSI: silently over an older one, a downgrade refused, uninstalled.
t=$(date +%s)
msi_result="$(scripts/windows/check-msi.sh "$msi" "$older_msi" "$version" "$root/tests/data/fresh_book.txt" \
                "$(build/miravel --check "$root/tests/data/fresh_book.txt" 2>&1)")" || failures+=("$msi_result")
echo "$msi_result"
step "MSI under Wine" "$t"
wineserver -k 2> /dev/null || true

for failure in "${failures[@]}"; do echo "FAILED: $failure"; done
share=""
[ "$linux_cases" -gt 0 ] && share=" ($(( passed * 100 / linux_cases )) % of the $linux_cases Linux cases)"
echo "Windows: $programs test programs, $passed cases passed$share, $failed failed, $skipped skipped;" \
     "$exports exports compared with Linux; $install_result; ${msi_result#MSI: };" \
     "$(( ($(date +%s) - began) / 60 )) min in all"
[ ${#failures[@]} -eq 0 ]
