#!/usr/bin/env bash
# Starts the real editor on a virtual X server, checks that its window opens
# with its title, loads map 1 through the menu and the name box, tries it out
# with "試玩" (the game beside the editor opens on it, and map/ is unchanged),
# takes screenshots and quits.
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../../tools/xvfb/xvfb.sh"
start_xvfb
cleanup() { kill "${editor:-}" ${game:-} 2>/dev/null || true; stop_xvfb; }
trap cleanup EXIT

"$program" >"$out/tessaly.log" 2>&1 &
editor=$!

main=$(wait_window 'Quorral！ ---  Ver 4.0  Tessaly')
# "載入" is the second item of the menu bar; answer the name box with "1".
xdotool windowfocus --sync "$main" key alt
xdotool mousemove --window "$main" 62 12 click 1
box=$(wait_window '^檔名$')
xdotool windowfocus --sync "$box" type 1
xdotool key Return
done=$(wait_window '^Load$')
import -window root "$out/tessaly-loaded.png"
text=$(xdotool getwindowname "$done")
xdotool windowfocus --sync "$done" key Return
sleep 0.3
kill -0 "$editor" || { echo "the editor ended after loading a map" >&2; exit 1; }

maps=$(dirname "$program")/map
before=$(cd "$maps" && ls -l --time-style=+%s.%N && md5sum *)
xdotool windowfocus --sync "$main" key ctrl+t
game=$(xdotool getwindowpid "$(wait_window '\[ 試玩 \]$')")
sleep 1
import -window root "$out/tessaly-tryout.png"
kill -0 "$editor" || { echo "the editor ended after starting a test game" >&2; exit 1; }
# Again: the first test game ends, a fresh one opens.
first=$game
xdotool windowfocus --sync "$main" key ctrl+t
for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$first" 2>/dev/null || { echo "the first test game still runs" >&2; exit 1; }
game=$(xdotool getwindowpid "$(wait_window '\[ 試玩 \]$')")
[ "$(cd "$maps" && ls -l --time-style=+%s.%N && md5sum *)" = "$before" ] || { echo "map/ changed" >&2; exit 1; }
echo "smoke: editor window, name box, load message ($text) and test game seen; screenshots in $out"
