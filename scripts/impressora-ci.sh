#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A print server with a default queue, as on a desktop with a printer, for CI to prove that no
# test prints to the machine's printers: the tests run with CUPS_SERVER naming it, a test that
# reached it would leave a job, and `verificar` fails on any job. Nothing outside its folder is
# touched, so a system cupsd, running or not, stays as it was.
#   source scripts/impressora-ci.sh; iniciar_impressora_ci; ...; verificar_impressora_ci; parar_impressora_ci
# Needs cupsd and lpadmin (package cups); skipped with a notice where they are missing.

IMPRESSORA_CI_FILA=TastavoCiPadrao

iniciar_impressora_ci() {
  if [ ! -x /usr/sbin/cupsd ] || ! command -v lpadmin > /dev/null; then
    echo "ci: no cupsd: the suite runs without the default-printer check" >&2
    return 0
  fi
  IMPRESSORA_CI_PASTA=$(mktemp -d /tmp/tastavo-ci-cups.XXXXXX)
  local p=$IMPRESSORA_CI_PASTA
  mkdir -p "$p"/{spool,cache,state,log,tmp,ppd}
  chmod 755 "$p"
  chmod 1777 "$p/tmp"
  cat > "$p/cupsd.conf" <<CONF
Listen $p/cups.sock
LogLevel info
WebInterface No
Browsing No
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat > "$p/cups-files.conf" <<CONF
ServerRoot $p
RequestRoot $p/spool
TempDir $p/tmp
CacheDir $p/cache
StateDir $p/state
AccessLog $p/log/access_log
ErrorLog $p/log/error_log
PageLog $p/log/page_log
Printcap /dev/null
Sandboxing relaxed
FileDevice Yes
CONF
  /usr/sbin/cupsd -f -c "$p/cupsd.conf" -s "$p/cups-files.conf" &
  IMPRESSORA_CI_PID=$!
  export CUPS_SERVER=$p/cups.sock
  local tentativa
  for tentativa in $(seq 1 100); do
    if lpadmin -p "$IMPRESSORA_CI_FILA" -E -v file:/dev/null 2> /dev/null; then
      break
    fi
    [ "$tentativa" -eq 100 ] && { echo "ci: the CI print server does not start" >&2; tail "$p/log/error_log" >&2; return 1; }
    sleep 0.2
  done
  lpadmin -d "$IMPRESSORA_CI_FILA"
  [ "$(lpstat -d)" = "system default destination: $IMPRESSORA_CI_FILA" ] ||
    { echo "ci: the CI print queue is not the default: $(lpstat -d)" >&2; return 1; }
  echo "ci: default print queue $IMPRESSORA_CI_FILA on $CUPS_SERVER"
}

# Fails when any job reached the queue.
verificar_impressora_ci() {
  [ -n "${IMPRESSORA_CI_PASTA:-}" ] || return 0
  local trabalhos
  trabalhos=$(lpstat -W all -o "$IMPRESSORA_CI_FILA" 2>&1 || true)
  if [ -n "$trabalhos" ] || grep -qE 'Print-Job|Create-Job|Send-Document' "$IMPRESSORA_CI_PASTA/log/access_log" 2> /dev/null; then
    echo "ci: FAIL: tests sent jobs to the machine's default printer:" >&2
    echo "$trabalhos" >&2
    grep -E 'Print-Job|Create-Job|Send-Document' "$IMPRESSORA_CI_PASTA/log/access_log" >&2 || true
    return 1
  fi
  echo "ci: the default print queue received no job"
}

parar_impressora_ci() {
  [ -n "${IMPRESSORA_CI_PID:-}" ] || return 0
  kill "$IMPRESSORA_CI_PID" 2> /dev/null || true
  wait "$IMPRESSORA_CI_PID" 2> /dev/null || true
  rm -rf "$IMPRESSORA_CI_PASTA"
  unset IMPRESSORA_CI_PID IMPRESSORA_CI_PASTA CUPS_SERVER
}
