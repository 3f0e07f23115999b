#!/usr/bin/env bash
# The whole `tessarino --print` process for a same-number job of six positions per sheet,
# written to a PDF: start-up, reading the job, the run and the exit, as a batch tool is timed.
# Usage: bench/bench_batch.sh TESSARINO SHEETS
# Last line: batch_seconds=N peak_rss_mb=M
set -euo pipefail
# shellcheck source=bench/six_place_job.sh
source "$(dirname "$0")/six_place_job.sh"
exe=$1
sheets=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
write_six_place_job "$sheets" "$work/job.trv"
HOME=$work /usr/bin/time -f '%e %M' -o "$work/time" "$exe" --print "$work/job.trv" --output "$work/out.pdf" 2>/dev/null
read -r seconds kb <"$work/time"
echo "sheets=$sheets pdf_mb=$(($(stat -c %s "$work/out.pdf") / 1048576))"
awk -v s="$seconds" -v k="$kb" 'BEGIN { printf "batch_seconds=%.2f peak_rss_mb=%.1f\n", s, k / 1024 }'
