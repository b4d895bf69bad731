#!/usr/bin/env bash
# The README's pictures, from the real programs on a virtual X server: the
# game a second and a half into its first stage, the editor with a freshly
# generated maze, and the editor's map check on map 1 with a ball walled in.
#   tools/screenshots/shoot_readme.sh [build/out] [docs]
set -euo pipefail
out_dir=$(realpath "${1:-build/out}")
docs=$(realpath -m "${2:-$(dirname "$0")/../../docs}")
mkdir -p "$docs"
source "$(dirname "$0")/../xvfb/xvfb.sh"
start_xvfb
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; stop_xvfb; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb
# A scratch copy of the program folder, so no table or map of the build changes.
cp -r "$out_dir/." "$work/"

"$work/Mibbet" >/dev/null 2>&1 & pids+=($!)
mode=$(wait_window 'Quorral ---  Ver 4.0  下載版')
xdotool windowfocus --sync "$mode" key Tab key Tab key space   # 正常模式
game=$(wait_window '\[ 正常模式 \]')
sleep 1.5
import -window "$game" "$docs/mibbet.png"

"$work/Tessaly" >/dev/null 2>&1 & pids+=($!)
editor=$(wait_window 'Tessaly')
xdotool windowfocus --sync "$editor" key ctrl+g
sleep 0.5
import -window "$editor" "$docs/tessaly.png"
kill "${pids[-1]}"

# Map 1, the ball at (11, 1) walled in with the left button's boulders, and
# "檢查地圖" (Ctrl+K); the box stands over the editor, which is all we keep.
"$work/Tessaly" >/dev/null 2>&1 & pids+=($!)
editor=$(wait_window 'Tessaly')
xdotool windowfocus --sync "$editor" key ctrl+o
box=$(wait_window '^檔名$')
xdotool windowfocus --sync "$box" type 1
xdotool key Return
done=$(wait_window '^Load$')
xdotool windowfocus --sync "$done" key Return
sleep 0.3
board_top=$(( $(xdotool getwindowgeometry "$editor" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\)/\1/p') - 527 + 2 ))
for cell in "10 1" "12 1" "11 2"; do
  set -- $cell
  xdotool mousemove --window "$editor" $((2 + 20 * $1 + 10)) $((board_top + 20 * $2 + 10)) click 1
done
xdotool windowfocus --sync "$editor" key ctrl+k
wait_window '^地圖檢查$' >/dev/null
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$editor")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage PNG8:"$docs/tessaly-check.png"
echo "README pictures: $docs/mibbet.png $docs/tessaly.png $docs/tessaly-check.png"
