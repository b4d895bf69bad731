# A private PulseAudio server with a silent sink ("silent"; what it plays can
# be recorded from "silent.monitor"), so the game's sound really plays as on
# a player's desktop without a sound card. Sourced by the benchmarks:
#   start_sound_server; ...; stop_sound_server
# Without pulseaudio installed, start_sound_server returns 1 and nothing runs.
start_sound_server() {
  command -v pulseaudio >/dev/null || return 1
  export PULSE_RUNTIME_PATH PULSE_SERVER
  PULSE_RUNTIME_PATH=$(mktemp -d)
  PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-null-sink sink_name=silent" \
    -L "module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" >/dev/null 2>&1 &
  PULSE_PID=$!
  for _ in $(seq 50); do [ -S "$PULSE_RUNTIME_PATH/native" ] && return 0; sleep 0.1; done
  echo "sound server: PulseAudio did not start" >&2
  stop_sound_server
  return 1
}
stop_sound_server() {
  [ -n "${PULSE_PID:-}" ] || return 0
  kill "$PULSE_PID" 2>/dev/null || true; wait "$PULSE_PID" 2>/dev/null || true
  rm -rf "$PULSE_RUNTIME_PATH"; PULSE_PID=""
  unset PULSE_SERVER PULSE_RUNTIME_PATH
}
