#!/usr/bin/env bash
# A private virtual X server for the smoke test, the screenshot tool and the
# live benchmark. Xvfb picks a free display itself (-displayfd), so runs side
# by side never collide, and nothing starts before the server accepts
# connections (30 s at most; a slow first start on a fresh machine is normal).
#
# Run a command on it:   tools/xvfb/xvfb.sh COMMAND [ARGS...]
# Or, from a script:     source tools/xvfb/xvfb.sh; start_xvfb; ...; stop_xvfb

XVFB_WAIT_SECONDS=${XVFB_WAIT_SECONDS:-30}

# Starts the server, exports DISPLAY, sets XVFB_PID. Returns non-zero with a
# message on stderr when the server does not come up in time.
start_xvfb() {
  local screen=${1:-1280x800x24}
  if ! command -v Xvfb >/dev/null 2>&1; then
    echo "xvfb: Xvfb is not installed (Debian package xvfb)" >&2
    return 1
  fi
  XVFB_DIR=$(mktemp -d)
  local fd
  exec {fd}>"$XVFB_DIR/display"
  # -noreset: the readiness probe below is a client too, and a server that
  # resets when its last client leaves refuses the program that comes next.
  Xvfb -displayfd "$fd" -screen 0 "$screen" -nolisten tcp -noreset >"$XVFB_DIR/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec {fd}>&-
  local deadline=$((SECONDS + XVFB_WAIT_SECONDS)) number=""
  while [ "$SECONDS" -lt "$deadline" ]; do
    number=$(head -n 1 "$XVFB_DIR/display" 2>/dev/null | tr -dc '0-9')
    if [ -n "$number" ] && xdpyinfo -display ":$number" >/dev/null 2>&1; then
      export DISPLAY=":$number"
      return 0
    fi
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "xvfb: the virtual X server ended at start-up:" >&2
      tail -n 5 "$XVFB_DIR/xvfb.log" >&2
      stop_xvfb
      return 1
    fi
    sleep 0.1
  done
  echo "xvfb: the virtual X server did not accept connections within ${XVFB_WAIT_SECONDS} s" \
       "(display '${number:-none}'):" >&2
  tail -n 5 "$XVFB_DIR/xvfb.log" >&2
  stop_xvfb
  return 1
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  [ -n "${XVFB_DIR:-}" ] && rm -rf "$XVFB_DIR"
  XVFB_PID=""
  XVFB_DIR=""
}

# Prints the id of the first visible window whose name matches the pattern,
# waiting up to 30 s for it (a fresh machine's first start is slow).
wait_window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named: $1" >&2
  return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
  fi
  start_xvfb
  trap stop_xvfb EXIT
  export QT_QPA_PLATFORM=xcb
  status=0
  "$@" || status=$?
  exit "$status"
fi
