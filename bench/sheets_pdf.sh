#!/bin/sh
# Whole-process time of the 40 per-student sheets of a full class into a PDF
# (miravel --print-pdf OUT --view students BOOK): the median of RUNS runs, in
# milliseconds, wall clock and CPU (user + system).
# Usage: bench/sheets_pdf.sh build/miravel BOOK [RUNS]
set -eu
program=$1
book=$2
runs=${3:-11}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
i=0
while [ "$i" -lt "$runs" ]; do
    /usr/bin/time -f "%e %U %S" -o "$out/time" "$program" --print-pdf "$out/sheets.pdf" --view students "$book"
    awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$out/time" >> "$out/times"
    i=$((i + 1))
done
pages=$(pdfinfo "$out/sheets.pdf" | awk '/^Pages:/ { print $2 }')
wall=$(cut -d' ' -f1 "$out/times" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
cpu=$(cut -d' ' -f2 "$out/times" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
echo "pages=$pages runs=$runs median wall=${wall} ms, cpu=${cpu} ms"
