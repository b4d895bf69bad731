#!/usr/bin/env bash
# Shows one of our programs under a real Wayland compositor (weston's headless
# back end, 1920x1080) and takes screenshots of the whole desktop, to see how
# the windows stand in a Wayland session.
#   tools/screenshots/shoot_weston.sh [--xwayland|--wayland] OUTDIR COMMAND [ARGS...]
# --xwayland (default): DISPLAY and WAYLAND_DISPLAY are both set, the program
#   picks its platform itself (force one with QT_QPA_PLATFORM=xcb|wayland).
# --wayland: no Xwayland, DISPLAY unset.
# WESTON_STEPS=file.sh is sourced after the program starts; it may use
#   shoot NAME            screenshot to OUTDIR/NAME.png
#   wait_x_window PATTERN prints the id of a visible X window (Xwayland only)
#   $PROGRAM_PID
# Without it the script waits 3 s and shoots OUTDIR/weston.png.
# Input: the headless back end has no seat. weston's window manager takes the
# X focus back, so XTEST keys (plain `xdotool key`) are lost; send them to the
# window instead: `xdotool key --window "$id" space`. Never move the pointer
# (xdotool mousemove): Xwayland aborts, taking the program with it.
set -euo pipefail

mode=xwayland
case "${1:-}" in
  --xwayland) shift ;;
  --wayland) mode=wayland; shift ;;
esac
[ $# -ge 2 ] || { echo "usage: $0 [--xwayland|--wayland] OUTDIR COMMAND [ARGS...]" >&2; exit 2; }
outdir=$(realpath -m "$1"); shift
mkdir -p "$outdir"
for tool in weston weston-info weston-screenshooter; do
  command -v "$tool" >/dev/null || { echo "weston: $tool missing (apt-get install weston)" >&2; exit 1; }
done

# weston insists on a private 0700 runtime dir; it also keeps our socket apart
# from any session the developer is running.
runtime=$(mktemp -d)
chmod 0700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=weston-shoot-$$
weston_pid="" PROGRAM_PID=""

# Both run in their own process group (setsid execs in place, so $! is the
# group id) and take everything they started down with them. The program goes
# first, so it does not complain about its X server going away.
stop_group() {
  [ -n "$1" ] || return 0
  kill -TERM -- "-$1" 2>/dev/null || return 0
  for _ in $(seq 20); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -KILL -- "-$1" 2>/dev/null || true
}
cleanup() {
  stop_group "$PROGRAM_PID"
  stop_group "$weston_pid"
  rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The headless back end renders nothing unless given a renderer, and the
# screenshooter then waits forever; --debug lets any client take screenshots;
# --idle-time=0 keeps the desktop from fading to black after five minutes.
args=(--backend=headless-backend.so --use-pixman --width=1920 --height=1080
      --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config --debug
      --log="$runtime/weston.log")
[ "$mode" = xwayland ] && args+=(--xwayland)
setsid weston "${args[@]}" >>"$runtime/weston.err" 2>&1 &
weston_pid=$!

fail() {
  echo "weston: $1" >&2
  tail -n 5 "$runtime/weston.log" "$runtime/weston.err" >&2 2>/dev/null || true
  exit 1
}
for _ in $(seq 100); do
  [ -S "$runtime/$WAYLAND_DISPLAY" ] && weston-info >/dev/null 2>&1 && break
  kill -0 "$weston_pid" 2>/dev/null || fail "the compositor ended at start-up"
  sleep 0.1
done
weston-info >/dev/null 2>&1 || fail "the compositor did not answer within 10 s"

unset DISPLAY
if [ "$mode" = xwayland ]; then
  # weston picks the first free X display and logs it once its socket is up;
  # Xwayland itself only starts when the first X client connects.
  for _ in $(seq 100); do
    number=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' \
             "$runtime/weston.log" 2>/dev/null) || true
    [ -n "$number" ] && break
    sleep 0.1
  done
  [ -n "$number" ] || fail "Xwayland did not come up"
  export DISPLAY=":$number"
fi

shoot() {
  # The screenshooter writes a time-stamped file into its working directory.
  local dir file
  dir=$(mktemp -d -p "$runtime")
  (cd "$dir" && timeout 20 weston-screenshooter) || { echo "weston: screenshot failed" >&2; return 1; }
  file=$(find "$dir" -type f | head -n 1)
  [ -n "$file" ] || { echo "weston: the screenshooter wrote nothing" >&2; return 1; }
  case "$file" in
    *.png) mv "$file" "$outdir/$1.png" ;;
    *) convert "$file" "$outdir/$1.png" ;;
  esac
  echo "$outdir/$1.png"
}

wait_x_window() {
  [ -n "${DISPLAY:-}" ] || { echo "weston: no Xwayland in --wayland mode" >&2; return 1; }
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "weston: no visible X window matching '$1' within 30 s" >&2
  return 1
}

setsid "$@" &
PROGRAM_PID=$!
if [ -n "${WESTON_STEPS:-}" ]; then
  # shellcheck source=/dev/null
  source "$WESTON_STEPS"
else
  sleep 3
  shoot weston
fi
