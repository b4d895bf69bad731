#!/usr/bin/env bash
# Listens to the game's tune as a player hears it: starts the game on a
# private virtual X server with a private PulseAudio server (a silent sink),
# chooses the first mode, records what the sink plays, then prints its
# loudness (EBU R 128 integrated, ffmpeg's ebur128 filter) and every run of
# silence inside it: a gap where the sound device ran dry.
#
#   bench/tune_check.sh build/out/Mibbet [seconds] [recording.wav] [LUFS]
#
# Needs pulseaudio, pulseaudio-utils and ffmpeg (Debian packages). Exits 1
# when the tune has a gap, nothing was heard, or (given LUFS) its loudness is
# more than 1 LU away from that.
set -euo pipefail
program=$(readlink -f "$1")
seconds=${2:-30}
here=$(cd "$(dirname "$0")/.." && pwd)
for tool in pulseaudio parec ffmpeg; do
  command -v "$tool" >/dev/null || { echo "tune_check: $tool is missing (apt-get install pulseaudio pulseaudio-utils ffmpeg)" >&2; exit 2; }
done
source "$here/tools/xvfb/xvfb.sh"
source "$here/bench/sound_server.sh"
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
recording=${3:-$work/tune.wav}
expected=${4:-}
mkdir -p "$work/config/mibbet"
export XDG_CONFIG_HOME=$work/config # a fresh player: the tune switched on
cleanup() {
  [ -n "${launched:-}" ] && { kill "$launched" 2>/dev/null || true; wait "$launched" 2>/dev/null || true; }
  stop_sound_server; stop_xvfb; rm -rf "$work"
}
trap cleanup EXIT
start_xvfb
start_sound_server
(cd "$(dirname "$program")" && exec "$program" >"${TUNE_LOG:-/dev/null}" 2>&1) &
launched=$!
mode_window=$(wait_window 'Quorral ---  Ver 4.0  下載版')
parec -d silent.monitor --file-format=wav --rate=44100 --channels=2 "$recording" &
recorder=$!
xdotool windowfocus --sync "$mode_window" key space
wait_window '\[ 不可能任務生存顫慄模式 \]' >/dev/null
sleep "$seconds"
kill "$recorder"; wait "$recorder" 2>/dev/null || true
# The silence before the tune starts is no gap: from its first sound on.
ffmpeg -nostdin -hide_banner -i "$recording" -af silenceremove=start_periods=1:start_threshold=-60dB,silencedetect=noise=-60dB:d=0.02,ebur128 \
  -f null - 2>"$work/analysis" || { cat "$work/analysis" >&2; exit 2; }
loudness=$(awk '/Integrated loudness:/ {getline; print $2}' "$work/analysis")
gaps=$(grep -c 'silence_start' "$work/analysis" || true)
echo "tune over ${seconds} s: integrated loudness ${loudness} LUFS, ${gaps} run(s) of silence"
grep -E 'silence_(start|end)' "$work/analysis" | sed 's/^\[[^]]*\] /    /' || true
[ "$gaps" -eq 0 ] && [ "$loudness" != "-70.0" ] &&
  { [ -z "$expected" ] || awk -v l="$loudness" -v e="$expected" 'BEGIN {exit !(l - e <= 1 && e - l <= 1)}'; }
