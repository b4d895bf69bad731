#!/usr/bin/env bash
# Measures the real game from outside, as a system monitor would: starts it
# on a private virtual X server, chooses the first mode (survival) with the
# keyboard, lets it settle, then reads the CPU time of the whole process and
# of each thread and its resident memory from /proc over a window of play.
# Prints every run and the medians.
#
#   bench/play_monitor.sh build/out/Mibbet [runs] [seconds] [idle|walk] [sound|silent] [factor]
#
# factor (1 by default): the game window's size, 1 to 3, on a 2560 x 1440
# screen; each run starts from a fresh settings file that holds it.
# idle: nobody touches the game (music playing). walk: Up and Down are held
# in turn, two seconds each, so the character walks its open column from end
# to end, eating, while the ghosts roam.
# Where PulseAudio is installed (apt-get install pulseaudio), each run gets a
# private sound server with a silent sink, so the sound is really played as
# on a player's desktop; without it, or with `silent`, the program has no
# sound device.
set -euo pipefail
program=$(readlink -f "$1")
runs=${2:-5}
seconds=${3:-10}
mode=${4:-idle}
sound_wanted=${5:-sound}
factor=${6:-1}
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/xvfb/xvfb.sh"
export QT_QPA_PLATFORM=xcb
# CPU time in microseconds from the scheduler's own count (schedstat, exact to
# the nanosecond) rather than the clock-tick samples of stat, which charge a
# program that wakes briefly many times a second by chance.
ticks=1000000
# Per thread name (names may hold blanks): "name<TAB>microseconds".
thread_cpu() { for t in /proc/"$1"/task/*; do printf '%s\t%s\n' "$(cat "$t/comm")" "$(awk '{printf "%d", $1 / 1000}' "$t/schedstat")"; done; }
# The whole process: its live threads (a thread that ended meanwhile is not counted).
cpu_of() { thread_cpu "$1" | awk -F '\t' '{s += $2} END {printf "%d", s}'; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

source "$here/bench/sound_server.sh"
start_sound() {
  sound="no sound server"
  [ "$sound_wanted" = sound ] && start_sound_server || return 0
  sound="PulseAudio, silent sink"
}
stop_sound() { stop_sound_server; }

whole=(); main=(); rss=()
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
mkdir -p "$settings/mibbet"
printf '[gameWindow]\nfactor=%s\n' "$factor" >"$settings/mibbet/mibbet.conf"
export XDG_CONFIG_HOME=$settings
for run in $(seq "$runs"); do
  start_xvfb 2560x1440x24
  start_sound
  (cd "$(dirname "$program")" && exec "$program" >/dev/null 2>&1) &
  launched=$!
  mode_window=$(wait_window 'Quorral ---  Ver 4.0  下載版')
  xdotool windowfocus --sync "$mode_window" key space
  game_window=$(wait_window '\[ 不可能任務生存顫慄模式 \]')
  pid=$launched
  sleep 3 # start-up and the first frames are not what we measure
  before=$(cpu_of "$pid"); declare -A t0=(); while IFS=$'\t' read -r name value; do t0[$name]=$(( ${t0[$name]:-0} + value )); done < <(thread_cpu "$pid")
  if [ "$mode" = walk ]; then
    # The keyboard stays where it is, as with a player: when the character
    # dies, the keys go to the message box until it is answered.
    xdotool windowfocus --sync "$game_window"
    end=$((SECONDS + seconds))
    while [ $SECONDS -lt $end ]; do
      for k in Up Down; do xdotool keydown $k; sleep 2; xdotool keyup $k; done
    done
  else
    sleep "$seconds"
  fi
  after=$(cpu_of "$pid"); declare -A t1=(); while IFS=$'\t' read -r name value; do t1[$name]=$(( ${t1[$name]:-0} + value )); done < <(thread_cpu "$pid")
  rss_kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  percent=$(awk -v d=$((after - before)) -v s="$seconds" -v t="$ticks" 'BEGIN {printf "%.2f", 100 * d / t / s}')
  main_name=$(cat "/proc/$pid/comm")
  main_percent=$(awk -v d=$(( ${t1[$main_name]:-0} - ${t0[$main_name]:-0} )) -v s="$seconds" -v t="$ticks" 'BEGIN {printf "%.2f", 100 * d / t / s}')
  echo "run $run: ${percent} % of one core (main thread ${main_percent} %), peak resident $((rss_kb / 1024)) MB"
  for name in "${!t1[@]}"; do
    d=$(( ${t1[$name]} - ${t0[$name]:-0} ))
    [ "$d" -gt 1000 ] && awk -v n="$name" -v d="$d" -v s="$seconds" -v t="$ticks" 'BEGIN {printf "    %-16s %.2f %%\n", n, 100 * d / t / s}'
  done
  whole+=("$percent"); main+=("$main_percent"); rss+=("$((rss_kb / 1024))")
  kill "$pid" 2>/dev/null || true; wait "$launched" 2>/dev/null || true
  stop_sound
  stop_xvfb
done
echo "median of $runs ($mode, ${seconds} s each, $sound, factor $factor): $(printf '%s\n' "${whole[@]}" | median) % of one core," \
     "main thread $(printf '%s\n' "${main[@]}" | median) %, peak resident $(printf '%s\n' "${rss[@]}" | median) MB"
