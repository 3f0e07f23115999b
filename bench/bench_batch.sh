#!/usr/bin/env bash
# The whole `tessarino --print` process for a same-number job of six positions per sheet,
# written to a PDF: start-up, reading the job, the run and the exit, as a batch tool is timed.
# Usage: bench/bench_batch.sh TESSARINO SHEETS
# Last line: batch_seconds=N peak_rss_mb=M
set -euo pipefail
exe=$1
sheets=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
last=$(printf '%06d' $((sheets - 1)))
{
  printf '[Ultima Impresi\xf3n Solapa:0]\r\n'
  for i in 0 1 2 3 4 5; do
    printf 'PosX_%d=%d\r\nPosY_%d=%d\r\nCheck1_%d=0\r\n' "$i" $((500 + (i % 3) * 3500)) "$i" $((1000 + (i / 3) * 6000)) "$i"
  done
  printf 'Desde=000000\r\nHasta=%s\r\nsstab= 0\r\n' "$last"
  printf '[Fuentes]\r\nColor=0\r\nTama\xf1o=14\r\nIndice=DejaVu Sans\r\n[Solapa]\r\nSStab=0\r\n'
} >"$work/job.trv"
HOME=$work /usr/bin/time -f '%e %M' -o "$work/time" "$exe" --print "$work/job.trv" --output "$work/out.pdf" 2>/dev/null
read -r seconds kb <"$work/time"
echo "sheets=$sheets pdf_mb=$(($(stat -c %s "$work/out.pdf") / 1048576))"
awk -v s="$seconds" -v k="$kb" 'BEGIN { printf "batch_seconds=%.2f peak_rss_mb=%.1f\n", s, k / 1024 }'
