#!/usr/bin/env bash
# The caption tests' serial line: a pseudo-terminal made with socat, linked as COM7 of the
# test Wine prefix, whose other end socat appends, byte for byte, to a sink file that the
# tests read (see SerialLineReader.h).
#   ccport.sh start | stop
# The prefix names COM7 in its registry (HKLM\Software\Wine\Ports, written when
# tools/test-session makes the prefix), so Wine's mount manager serves it as a serial port.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../../.." && pwd)
if [ -z "${WINEPREFIX:-}" ]; then
  session=${MQ_SESSION_FILE:-$repo/build/test-session.env}
  # shellcheck disable=SC1090
  [ -f "$session" ] && . "$session"
fi
prefix=${WINEPREFIX:?no Wine test session (tools/test-session start)}
link=$prefix/mq-ccport
sink=$prefix/mq-ccport.bytes
pids=$prefix/mq-ccport.pids

stop() {
  [ -f "$pids" ] || return 0
  while read -r pid; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done <"$pids"
  rm -f "$pids"
}

start() {
  stop
  rm -f "$link"
  : >"$sink"
  # socat waits for a slave to open the terminal; the holder below keeps one open, so the
  # prompter's opening and closing of the port never ends socat.
  setsid socat -u "PTY,link=$link,raw,echo=0,wait-slave" "OPEN:$sink,append" \
    </dev/null >/dev/null 2>&1 &
  local socat_pid=$!
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  [ -e "$link" ] || { echo "ccport: socat made no terminal" >&2; kill "$socat_pid"; exit 1; }
  setsid sleep 1000000 3<>"$link" </dev/null >/dev/null 2>&1 &
  local holder_pid=$!
  printf '%s\n%s\n' "$socat_pid" "$holder_pid" >"$pids"
  ln -sfn "$link" "$prefix/dosdevices/com7"
  sleep 1   # socat notices the slave within its poll interval
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start | stop" >&2; exit 2 ;;
esac
