#!/usr/bin/env bash
# Measures the real game from outside, as a system monitor would: starts it
# on a private virtual X server, chooses the first mode (survival) with the
# keyboard, lets it settle, then reads the CPU time of the whole process and
# of each thread and its resident memory from /proc over a window of play.
# Prints every run and the medians.
#
#   bench/play_monitor.sh build/out/Mibbet [runs] [seconds] [idle|walk]
#
# idle: nobody touches the game (music playing). walk: the arrow keys are
# held in turn, so the character walks and the ghosts roam.
set -euo pipefail
program=$(readlink -f "$1")
runs=${2:-5}
seconds=${3:-10}
mode=${4:-idle}
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/xvfb/xvfb.sh"
export QT_QPA_PLATFORM=xcb
ticks=$(getconf CLK_TCK)

# utime + stime in ticks; counted from the end, since the name field may hold blanks.
cpu_of() { awk '{print $(NF-38) + $(NF-37)}' "/proc/$1/stat"; }
# Per thread name (names may hold blanks): "name<TAB>ticks".
thread_cpu() { for t in /proc/"$1"/task/*; do printf '%s\t%s\n' "$(cat "$t/comm")" "$(awk '{print $(NF-38) + $(NF-37)}' "$t/stat")"; done; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

whole=(); main=(); rss=()
for run in $(seq "$runs"); do
  start_xvfb
  (cd "$(dirname "$program")" && exec "$program" >/dev/null 2>&1) &
  launched=$!
  mode_window=$(wait_window 'Quorral ---  Ver 4.0  下載版')
  xdotool windowfocus --sync "$mode_window" key space
  game_window=$(wait_window '\[ 不可能任務生存顫慄模式 \]')
  pid=$launched
  sleep 3 # start-up and the first frames are not what we measure
  before=$(cpu_of "$pid"); declare -A t0=(); while IFS=$'\t' read -r name value; do t0[$name]=$(( ${t0[$name]:-0} + value )); done < <(thread_cpu "$pid")
  if [ "$mode" = walk ]; then
    end=$((SECONDS + seconds))
    while [ $SECONDS -lt $end ]; do
      for k in Left Up Right Down; do xdotool windowfocus "$game_window" keydown $k; sleep 0.5; xdotool keyup $k; done
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
    [ "$d" -gt 0 ] && awk -v n="$name" -v d="$d" -v s="$seconds" -v t="$ticks" 'BEGIN {printf "    %-16s %.2f %%\n", n, 100 * d / t / s}'
  done
  whole+=("$percent"); main+=("$main_percent"); rss+=("$((rss_kb / 1024))")
  kill "$pid" 2>/dev/null || true; wait "$launched" 2>/dev/null || true
  stop_xvfb
done
echo "median of $runs ($mode, ${seconds} s each): $(printf '%s\n' "${whole[@]}" | median) % of one core," \
     "main thread $(printf '%s\n' "${main[@]}" | median) %, peak resident $(printf '%s\n' "${rss[@]}" | median) MB"
