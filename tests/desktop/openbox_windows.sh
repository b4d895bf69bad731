#!/usr/bin/env bash
# Both programs under a real window manager (openbox) on a 1920 x 1080 virtual
# screen, read from the X server: the mode window and the editor centred; the
# game window with the radar at its right and the help window under the
# radar, 8 px apart, nothing overlapping, all on the screen; the side windows
# minimised with the game window and following it when it moves; the game
# window back where it was left at the next start; each program's WM_CLASS
# equal to its desktop entry's StartupWMClass.
set -euo pipefail
out=$1 mibbet=$2 tessaly=$3 entries=$4
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../../tools/xvfb/xvfb.sh"
start_xvfb 1920x1080x24
export HOME="$out/home" XDG_CONFIG_HOME="" XDG_DATA_HOME=""
rm -rf "$HOME" && mkdir -p "$HOME"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; stop_xvfb; }
trap cleanup EXIT
openbox --sm-disable >"$out/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

fail() { echo "openbox: $*" >&2; import -window root "$out/failed.png" || true; exit 1; }
# The frame of a window as "x y width height": its client area from the X
# server grown by the frame the window manager reports.
frame() {
  local x y w h l r t b
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}
# Waits until a window's frame stops changing (the window manager has placed it).
settled() {
  local last="" now
  for _ in $(seq 50); do
    now=$(frame "$1"); [ "$now" = "$last" ] && { echo "$now"; return; }
    last=$now; sleep 0.2
  done
  echo "$now"
}
centred() { # frame, what
  read -r x y w h <<<"$1"
  [ $((1920 - x - w - x)) -ge -1 ] && [ $((1920 - x - w - x)) -le 1 ] && [ $((1080 - y - h - y)) -ge -1 ] \
    && [ $((1080 - y - h - y)) -le 1 ] || fail "$2 not centred: $1"
}
wm_class() { # window, desktop entry
  local want
  want=$(sed -n 's/^StartupWMClass=//p' "$entries/$2")
  xprop -id "$1" WM_CLASS | grep -q "\"$want\"\$" || fail "WM_CLASS $(xprop -id "$1" WM_CLASS) is not $want of $2"
}
start_game() {
  "$mibbet" >>"$out/mibbet.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
  mode=$(wait_window 'Quorral ---  Ver 4.0  下載版')
  centred "$(settled "$mode")" "the mode window"
  wm_class "$mode" org.halvern.mibbet.desktop
  xdotool key --window "$mode" space
  game=$(wait_window '不可能任務生存顫慄模式')
  radar=$(wait_window '雷達 --- 球的位置')
  help=$(wait_window 'Q&A --- 功能提示')
  read -r gx gy gw gh < <(settled "$game")
  read -r rx ry rw rh < <(settled "$radar")
  read -r hx hy hw hh < <(settled "$help")
}
# The group: side windows at the game window's right edge, 8 px apart.
beside() {
  [ "$rx" -eq $((gx + gw + 8)) ] && [ "$ry" -eq "$gy" ] || fail "radar ($rx $ry) not beside the game window ($gx $gy $gw $gh)"
  [ "$hx" -eq "$rx" ] && [ "$hy" -eq $((ry + rh + 8)) ] || fail "help ($hx $hy) not under the radar ($rx $ry $rw $rh)"
}

start_game
beside
centred "$gx $gy $((hx + hw - gx)) $gh" "the group"
for f in "$gx $gy $gw $gh" "$rx $ry $rw $rh" "$hx $hy $hw $hh"; do
  read -r x y w h <<<"$f"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1920 ] && [ $((y + h)) -le 1080 ] || fail "off the screen: $f"
done
for w in "$game" "$radar" "$help"; do wm_class "$w" org.halvern.mibbet.desktop; done
xprop -id "$radar" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$game")" || fail "the radar is no tool window of the game window"
import -window root "$out/group.png"

# Minimised with the game window, and back with it.
xdotool windowminimize "$game"
sleep 0.5
xwininfo -id "$radar" | grep -q IsUnMapped || fail "the radar stayed when the game window was minimised"
xdotool windowmap "$game"
sleep 0.5
xwininfo -id "$radar" | grep -q IsViewable || fail "the radar did not come back with the game window"

# The player moves the game window; the side windows keep their places beside it.
xdotool windowmove "$game" 60 40
sleep 1
read -r gx gy gw gh < <(settled "$game")
read -r rx ry rw rh < <(settled "$radar")
read -r hx hy hw hh < <(settled "$help")
beside
left=$gx top=$gy
sleep 1 # the place is kept half a second after the last move
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true

# The next start opens the game window where it was left.
start_game
[ "$gx $gy" = "$left $top" ] || fail "the game window opened at $gx $gy, left at $left $top"
beside

"$tessaly" >"$out/tessaly.log" 2>&1 &
pids+=($!)
editor=$(wait_window 'Ver 4.0  Tessaly')
centred "$(settled "$editor")" "the editor"
wm_class "$editor" org.halvern.tessaly.desktop
import -window root "$out/editor.png"
echo "openbox: windows stand together; screenshots in $out"
