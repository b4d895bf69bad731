#!/usr/bin/env bash
# Installs both programs into a scratch root (DESTDIR), makes it read-only,
# and runs the installed game and editor from there under a virtual X server
# with a scratch home:
#   - the player's folder gets the shipped maps and table on the first start,
#     a map still as an earlier package shipped it is brought up to date, a
#     shipped map that cannot be read is named and not copied, and a table the
#     player changed survives the next start;
#   - a game saved under a name lands in the player's save/;
#   - a map the editor saves lands in the player's map/, and the game plays it,
#     with the shipped tune;
#   - nothing below the installed tree is ever written;
#   - each program's windows carry its icon, the menu entry's 48 px picture among them.
#   tests/packaging/installed.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
root=$work/root
export HOME=$work/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
player=$HOME/.local/share/mibbet
mkdir -p "$HOME"
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
shipped=$root/usr/share/games/mibbet
# The player's map2 as an earlier package shipped it, listed as such.
mkdir -p "$player/map"
printf 'map2 as shipped before\r\n' >"$player/map/map2"
echo "$(sha256sum <"$player/map/map2" | cut -d' ' -f1)  map/map2" >>"$shipped/shipped-versions.sha256"
# A shipped map that cannot be read, not even by root.
ln -s /proc/sys/vm/compact_memory "$shipped/map/map11"
chmod -R a-w "$root"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../../tools/xvfb/xvfb.sh"
start_xvfb
running=()
cleanup() {
  for p in "${running[@]}"; do pkill -P "$p" 2>/dev/null || true; done
  stop_xvfb
  chmod -R u+w "$work"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "installed: $*" >&2; exit 1; }

# Runs an installed program, its file operations traced, in the background.
start() {
  strace -f -qq -o "$work/$1.trace" -e trace=%file "$root/usr/games/$1" >"$work/$1.log" 2>&1 &
  running+=($!)
}
# Ends the last program started (strace itself holds on to fatal signals).
stop() { pkill -P "${running[-1]}"; wait "${running[-1]}" 2>/dev/null || true; unset 'running[-1]'; }
# Answers the dialog of this title: types the text (if any), then Enter.
answer() {
  local id
  id=$(wait_window "$1")
  [ -n "${2:-}" ] && xdotool windowfocus --sync "$id" type --delay 20 "$2"
  xdotool windowfocus --sync "$id" key Return
}
# Nothing below the installed tree was opened for writing, made, moved or removed.
untouched() {
  if grep -E "\"$root[^\"]*\".*(O_WRONLY|O_RDWR|O_CREAT)|^[0-9]+ +(mkdir|rename|link|unlink|rmdir|symlink)[a-z0-9]*\(.*\"$root" \
          "$work/$1.trace"; then
    fail "$1 wrote below the installed tree"
  fi
}

# The icon of a window, at the size the desktop's menus show; it may come a
# moment after the window.
has_icon() {
  for _ in $(seq 50); do
    xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (48 x 48)' && return 0
    sleep 0.1
  done
  fail "window $1 has no 48 px icon"
}

# The game: its mode window, then a game saved under a name.
start mibbet
answer '^資料夾$' # the map that cannot be read is named
mode=$(wait_window 'Quorral ---  Ver 4.0  下載版')
has_icon "$mode"
[ -e "$player/map/map11" ] && fail "a shipped map that cannot be read was copied"
chmod u+w "$shipped/map" && rm "$shipped/map/map11" && chmod u-w "$shipped/map"
cmp "$shipped/save/high.tm" "$player/save/high.tm" || fail "the shipped table was not copied"
cmp "$shipped/map/map1" "$player/map/map1" || fail "the shipped maps were not copied"
cmp "$shipped/map/map2" "$player/map/map2" || fail "a map as an earlier package shipped it was not brought up to date"
xdotool windowfocus --sync "$mode" key space
game=$(wait_window '\[ 不可能任務生存顫慄模式 \]')
xdotool windowfocus --sync "$game" key ctrl+s
answer '紀錄名' smoke
answer '儲存紀錄成功'
[ -s "$player/save/smoke.rgm" ] || fail "the saved game is not in $player/save"
stop
untouched mibbet

# A table the player changed is never overwritten.
printf 'mine\r\n' >>"$player/save/high.tm"
start mibbet
wait_window 'Quorral ---  Ver 4.0  下載版' >/dev/null
stop
tail -c 6 "$player/save/high.tm" | grep -q mine || fail "the next start overwrote the player's table"

# The editor generates a maze and saves it as stage 1 ...
start tessaly
editor=$(wait_window 'Tessaly')
has_icon "$editor"
xdotool windowfocus --sync "$editor" key ctrl+g key ctrl+s
answer '檔名' 1
answer '^Save$'
cmp -s "$shipped/map/map1" "$player/map/map1" && fail "the editor's map did not reach $player/map"
stop
untouched tessaly

# ... and the game plays it.
start mibbet
mode=$(wait_window 'Quorral ---  Ver 4.0  下載版')
xdotool windowfocus --sync "$mode" key space
wait_window '\[ 不可能任務生存顫慄模式 \]' >/dev/null
sleep 0.5
stop
grep -q "\"$player/map/map1\", O_RDONLY" "$work/mibbet.trace" || fail "the game did not read $player/map/map1"
grep -q "\"$shipped/bgm/bgm5.mp3\", O_RDONLY" "$work/mibbet.trace" || fail "the game did not play the shipped tune"
untouched mibbet
echo "installed: both programs keep everything in $player"
