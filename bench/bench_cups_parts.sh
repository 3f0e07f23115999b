#!/usr/bin/env bash
# A long run on a driverless IPP queue: `tessarino --print --printer` through a private CUPS
# scheduler to ippeveprinter (an IPP Everywhere printer simulator taking PDF), all on loopback.
# Measures the time from the start of the run to the first document reaching the printer and
# the peak memory of the scheduler's filters, then checks that every sheet arrived once, in order.
# Needs root (cupsd runs its filters as lp) and cups-daemon, cups-client, cups-filters,
# cups-ipp-utils, poppler-utils.
# Usage: bench/bench_cups_parts.sh TESSARINO SHEETS SHEETS_PER_JOB [TIMEOUT_SECONDS]
# Last line: first_pages_seconds=N filter_peak_mb=M jobs=J sheets_in_order=yes|no
set -euo pipefail
# shellcheck source=bench/private_cupsd.sh
source "$(dirname "$0")/private_cupsd.sh"
# shellcheck source=bench/six_place_job.sh
source "$(dirname "$0")/six_place_job.sh"
exe=$(realpath "$1")
sheets=$2
per_job=$3
limit=${4:-300}

work=$(mktemp -d /tmp/tessarino-bench-XXXXXX)
chmod 755 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "${BENCH_KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

free_port() {
  local p
  for p in $(seq 18631 18731); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then echo "$p"; return; fi
  done
  echo "no free port" >&2
  exit 1
}
port=$(free_port)

# The printer: keeps each document it receives, prints nothing, announces nothing (-r off).
# Its DNS-SD client needs a bus to start; a private one with no Avahi behind it sends nothing.
mkdir -p "$work/printer"
dbus-daemon --session --address="unix:path=$work/bus" --nofork --nopidfile >"$work/bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$work/bus" ] && break; sleep 0.1; done
DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus" ippeveprinter -p "$port" -n localhost -r off -k \
  -d "$work/printer" -f application/pdf -c /bin/true "Tessarino Bench" >"$work/printer.log" 2>&1 &
printer=$!
pids+=("$printer")

# The scheduler: the system's filters and backends, its own configuration, spool and socket.
start_private_cupsd
for _ in $(seq 100); do
  ipptool -q "ipp://localhost:$port/ipp/print" get-printer-attributes.test 2>/dev/null && break
  kill -0 "$printer" 2>/dev/null || { echo "ippeveprinter ended:"; cat "$work/printer.log"; exit 1; }
  sleep 0.1
done
lpadmin -p bench -E -v "ipp://localhost:$port/ipp/print" -m everywhere

write_six_place_job "$sheets" "$work/job.trv"
mkdir -p "$work/.config/Tessarino"
printf '[Impresora]\r\nHojasPorTrabajo=%s\r\n' "$per_job" >"$work/.config/Tessarino/Vireo.sys"

expected_jobs=1
if [ "$per_job" -gt 0 ] && [ "$sheets" -gt "$per_job" ]; then
  expected_jobs=$(((sheets + per_job - 1) / per_job))
fi

now() { date +%s.%N; }
start=$(now)
HOME=$work "$exe" --print "$work/job.trv" --printer bench >"$work/run.log" 2>&1 &
run=$!
pids+=("$run")

# The filters are the scheduler's children other than the backend; VmHWM is each one's peak.
peak_kb=0
first=""
run_done=""
declare -A hwm
while :; do
  for child in $(pgrep -P "$cupsd" || true); do
    name=$(cat "/proc/$child/comm" 2>/dev/null || true)
    [ -z "$name" ] || [ "$name" = ipp ] && continue
    kb=$(awk '/VmHWM/ { print $2 }' "/proc/$child/status" 2>/dev/null || true)
    [ -n "$kb" ] || continue
    hwm[$child]=$kb
    [ "$kb" -gt "$peak_kb" ] && peak_kb=$kb
  done
  if [ -z "$first" ] && compgen -G "$work/printer/*.pdf" >/dev/null; then
    first=$(now)
  fi
  if [ -z "$run_done" ] && ! kill -0 "$run" 2>/dev/null; then
    run_done=$(now)
    wait "$run" || { echo "tessarino failed:"; cat "$work/run.log"; exit 1; }
  fi
  received=$(find "$work/printer" -name '*.pdf' | wc -l)
  pending=$(lpstat -o bench 2>/dev/null | wc -l)
  if [ -n "$run_done" ] && [ "$received" -ge "$expected_jobs" ] && [ "$pending" -eq 0 ]; then
    break
  fi
  if awk -v s="$start" -v n="$(now)" -v l="$limit" 'BEGIN { exit !(n - s > l) }'; then
    echo "stopped after ${limit} s: $received of $expected_jobs documents received"
    break
  fi
  sleep 0.1
done

echo "sheets=$sheets sheets_per_job=$per_job run_seconds=$(awk -v s="$start" -v e="${run_done:-$(now)}" 'BEGIN { printf "%.2f", e - s }')"
# Every sheet once and in order: the first word of each page, document after document
# (ippeveprinter numbers its files by job).
in_order=no
if [ "$received" -ge "$expected_jobs" ]; then
  (cd "$work/printer" && ls -1v -- *.pdf) | while IFS= read -r f; do
    pdftotext -layout "$work/printer/$f" - | awk 'BEGIN { RS = "\f" } NF { print $1 }'
  done >"$work/numbers"
  seq -f '%06g' 0 $((sheets - 1)) | cmp -s - "$work/numbers" && in_order=yes
fi
first_s=none
[ -n "$first" ] && first_s=$(awk -v s="$start" -v f="$first" 'BEGIN { printf "%.2f", f - s }')
awk -v f="$first_s" -v k="$peak_kb" -v j="$received" -v o="$in_order" \
  'BEGIN { printf "first_pages_seconds=%s filter_peak_mb=%.1f jobs=%d sheets_in_order=%s\n", f, k / 1024, j, o }'
