#!/usr/bin/env bash
# A run the printer confirms: `tessarino --print --printer` on driverless queues of a private CUPS
# scheduler in front of emulated printers (ippeveprinter -c) that print PAGES_PER_SECOND pages a
# second. Measures the time the printer sat idle between the run's parts, the peak memory of the
# scheduler (cupsd and its filters) and of the program, and the whole run's time; with PRINTERS 2
# the queue is a class of two such printers.
# Needs root and cups-daemon, cups-client, cups-filters, cups-ipp-utils, poppler-utils, dbus.
# Usage: bench/bench_printer_runs.sh TESSARINO SHEETS PRINTERS [PAGES_PER_SECOND] [SHEETS_PER_JOB]
# URI_OPTIONS=?waitjob=false puts the ipp backend's options on every queue's device URI.
# HOLDS_JOBS=1 emulates printers that hold the jobs they are sent and print them in turn (as most
# network printers do; ippeveprinter takes one job at a time): each printer is then a print server,
# a second private scheduler whose raw queue prints every job through the same script. The queue
# measured keeps its driverless set-up (made against ippeveprinter) and sends to that server.
# Last line: printers=P run_seconds=N idle_seconds=I spooler_peak_mb=S program_peak_mb=M sheets_ok=yes|no
set -euo pipefail
# shellcheck source=bench/private_cupsd.sh
source "$(dirname "$0")/private_cupsd.sh"
exe=$(realpath "$1")
sheets=$2
printers=$3
rate=${4:-100}
per_job=${5:-1000}

work=$(mktemp -d /tmp/tessarino-runs-XXXXXX)
chmod 755 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "${BENCH_KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

dbus-daemon --session --address="unix:path=$work/bus" --nofork --nopidfile >"$work/bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$work/bus" ] && break; sleep 0.1; done

# Each printer notes when it starts and ends every document, and prints at its rate.
delay=$(awk -v r="$rate" 'BEGIN { printf "%.4f", 1 / r }')
ports=()
for n in $(seq "$printers"); do
  dir=$work/p$n
  mkdir -p "$dir/spool"
  chmod 777 "$dir"
  cat >"$dir/print.sh" <<SH
#!/bin/sh
echo "start \$(date +%s.%N)" >> "$dir/times"
pages=\$(pdfinfo "\$1" | awk '/^Pages:/ { print \$2 }')
pdftotext -layout "\$1" - | awk 'BEGIN { RS = "\f" } NF { print \$1 }' >> "$dir/numbers"
sleep \$(awk -v p="\$pages" -v d="$delay" 'BEGIN { printf "%.3f", p * d }')
echo "ATTR: job-impressions-completed=\$pages" >&2
echo "end \$(date +%s.%N)" >> "$dir/times"
SH
  chmod 755 "$dir/print.sh"
  port=$((18800 + n + (RANDOM % 100) * 4))
  DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus" ippeveprinter -p "$port" -n localhost -r off \
    -d "$dir/spool" -f application/pdf -c "$dir/print.sh" "Tessarino Bench $n" >"$dir/printer.log" 2>&1 &
  pids+=($!)
  ports+=("$port")
done

# Printers that hold jobs: one print server per printer, started before the scheduler measured so
# that CUPS_SERVER and "cupsd" end up naming that one.
servers=()
if [ -n "${HOLDS_JOBS:-}" ]; then
  main_work=$work
  for n in $(seq "$printers"); do
    dir=$main_work/p$n
    work=$main_work/s$n
    mkdir -p "$work/bin/backend"
    for part in filter daemon notifier driver; do ln -s "/usr/lib/cups/$part" "$work/bin/$part"; done
    cat >"$work/bin/backend/slow" <<SH
#!/bin/sh
[ \$# -eq 0 ] && { echo 'direct slow "Unknown" "Emulated printer"'; exit 0; }
exec "$dir/print.sh" "\$6"
SH
    chmod 755 "$work/bin/backend/slow"
    port=$((19200 + n + (RANDOM % 100) * 4))
    PRIVATE_CUPSD_PORT=$port PRIVATE_CUPSD_SERVERBIN=$work/bin start_private_cupsd
    lpadmin -p real -E -v slow:/ -m raw 2>/dev/null
    servers+=("$port")
  done
  work=$main_work
fi

start_private_cupsd
queue=p1
for n in $(seq "$printers"); do
  for _ in $(seq 100); do
    ipptool -q "ipp://localhost:${ports[$((n - 1))]}/ipp/print" get-printer-attributes.test 2>/dev/null && break
    sleep 0.1
  done
  lpadmin -p "p$n" -E -v "ipp://localhost:${ports[$((n - 1))]}/ipp/print" -m everywhere
  # The driverless set-up asks the printer at the URI given, so the backend's options go on after.
  if [ -n "${HOLDS_JOBS:-}" ]; then
    lpadmin -p "p$n" -v "ipp://localhost:${servers[$((n - 1))]}/printers/real${URI_OPTIONS:-}"
  elif [ -n "${URI_OPTIONS:-}" ]; then
    lpadmin -p "p$n" -v "ipp://localhost:${ports[$((n - 1))]}/ipp/print${URI_OPTIONS}"
  fi
  if [ "$printers" -gt 1 ]; then lpadmin -p "p$n" -c pool; queue=pool; fi
done
if [ "$queue" = pool ]; then cupsenable pool; cupsaccept pool; fi

last=$(printf '%06d' "$sheets")
{
  printf '[Ultima Impresi\xf3n Solapa:0]\r\n'
  printf 'PosX_0=1440\r\nPosY_0=2000\r\nCheck1_0=0\r\n'
  for i in 1 2 3 4 5; do printf 'PosX_%d=0\r\nPosY_%d=0\r\nCheck1_%d=1\r\n' "$i" "$i" "$i"; done
  printf 'Desde=000001\r\nHasta=%s\r\nsstab= 0\r\n' "$last"
  printf '[Fuentes]\r\nColor=0\r\nTama\xf1o=14\r\nIndice=DejaVu Sans\r\n[Solapa]\r\nSStab=0\r\n'
} >"$work/job.trv"
mkdir -p "$work/.config/Tessarino"
printf '[Impresora]\r\nHojasPorTrabajo=%s\r\n' "$per_job" >"$work/.config/Tessarino/Vireo.sys"

now() { date +%s.%N; }
start=$(now)
HOME=$work "$exe" --print "$work/job.trv" --printer "$queue" >"$work/run.log" 2>&1 &
run=$!
pids+=("$run")
spool_kb=0
prog_kb=0
while kill -0 "$run" 2>/dev/null; do
  total=0
  for child in "$cupsd" $(pgrep -P "$cupsd" || true); do
    kb=$(awk '/VmRSS/ { print $2 }' "/proc/$child/status" 2>/dev/null || true)
    total=$((total + ${kb:-0}))
  done
  [ "$total" -gt "$spool_kb" ] && spool_kb=$total
  kb=$(awk '/VmHWM/ { print $2 }' "/proc/$run/status" 2>/dev/null || true)
  [ -n "$kb" ] && [ "$kb" -gt "$prog_kb" ] && prog_kb=$kb
  sleep 0.2
done
status=0
wait "$run" || status=$?
end=$(now)
[ "$status" -eq 0 ] || { echo "tessarino failed ($status):"; cat "$work/run.log"; }

# Idle: the gaps between one document's end and the next one's start, per printer, summed.
idle=0
for n in $(seq "$printers"); do
  gaps=$(awk '$1 == "start" && e { g += $2 - e } $1 == "end" { e = $2 } END { printf "%.3f", g }' "$work/p$n/times")
  echo "printer p$n: $(grep -c start "$work/p$n/times") parts, idle ${gaps} s"
  idle=$(awk -v a="$idle" -v b="$gaps" 'BEGIN { printf "%.3f", a + b }')
done
ok=no
cat "$work"/p*/numbers | sort | uniq >"$work/all"
if [ "$(wc -l <"$work/all")" -eq "$sheets" ] && [ "$(cat "$work"/p*/numbers | wc -l)" -eq "$sheets" ]; then ok=yes; fi
awk -v p="$printers" -v s="$start" -v e="$end" -v i="$idle" -v k="$spool_kb" -v m="$prog_kb" -v o="$ok" \
  'BEGIN { printf "printers=%d run_seconds=%.2f idle_seconds=%s spooler_peak_mb=%.1f program_peak_mb=%.1f sheets_ok=%s\n", p, e - s, i, k / 1024, m / 1024, o }'
