# Sourced by the printer benchmarks: starts a private scheduler in "$work" (the system's filters
# and backends, its own configuration, spool and socket), sets "cupsd" to its pid and adds it to
# "pids", exports
# CUPS_SERVER and waits until it answers.
start_private_cupsd() {
  mkdir -p "$work"/{etc,spool/tmp,cache,state,log}
  chmod 755 "$work"/{etc,spool,cache,state,log}
  chmod 1770 "$work/spool/tmp"
  local sock=$work/cups.sock
  cat >"$work/etc/cupsd.conf" <<EOF
Listen $sock
${PRIVATE_CUPSD_PORT:+Listen localhost:$PRIVATE_CUPSD_PORT}
LogLevel warn
WebInterface No
Browsing No
DefaultShared No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat >"$work/etc/cups-files.conf" <<EOF
User lp
Group lp
SystemGroup root
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ServerBin ${PRIVATE_CUPSD_SERVERBIN:-/usr/lib/cups}
DataDir /usr/share/cups
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
EOF
  /usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
  cupsd=$!
  pids+=("$cupsd")
  export CUPS_SERVER=$sock
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && return 0
    sleep 0.1
  done
  echo "the private scheduler did not start:" >&2
  cat "$work/log/error_log" >&2 2>/dev/null
  return 1
}
