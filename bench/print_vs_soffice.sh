#!/usr/bin/env bash
# Whole-process time of `miravel --print-pdf` for the semester table of a
# 40-student book, against a spreadsheet converting the same table from CSV
# to PDF (`soffice --headless --convert-to pdf`). Prints both medians and the
# ratio. LibreOffice is not a dependency of Miravel: install it only to run
# this comparison.
#   bench/print_vs_soffice.sh BUILD-DIR BOOK [RUNS]
set -euo pipefail

build=${1:-build}
book=${2:?"a grade book of 40 students, e.g. class-typical-40.txt"}
runs=${3:-11}
view=semester:1,1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command -v soffice >/dev/null || { echo "soffice not installed" >&2; exit 1; }
"$build/miravel" --export-csv "$work/table.csv" --view "$view" "$book"
# The spreadsheet reads the table in code page 932.
filter='CSV:44,34,60'   # comma, quote, code page 932

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
timed() { local start end; start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N); echo $(((end - start) / 1000000)); }

# Each spreadsheet run starts with its own profile, as a first start would
# after the warm-up run below made it.
profile="file://$work/profile"
soffice "-env:UserInstallation=$profile" --headless --infilter="$filter" --convert-to pdf --outdir "$work" \
  "$work/table.csv" >/dev/null 2>&1

for _ in $(seq "$runs"); do
  timed "$build/miravel" --print-pdf "$work/miravel.pdf" --view "$view" "$book"
done | median >"$work/miravel.ms"
for _ in $(seq "$runs"); do
  timed soffice "-env:UserInstallation=$profile" --headless --infilter="$filter" --convert-to pdf --outdir "$work" \
    "$work/table.csv"
done | median >"$work/soffice.ms"

m=$(cat "$work/miravel.ms")
s=$(cat "$work/soffice.ms")
echo "miravel --print-pdf median: ${m} ms"
echo "soffice --convert-to pdf median: ${s} ms"
awk -v m="$m" -v s="$s" 'BEGIN { printf "ratio soffice/miravel: %.1f\n", s / (m > 0 ? m : 1) }'
