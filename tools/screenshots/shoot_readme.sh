#!/usr/bin/env bash
# The README's two pictures, from the real programs on a virtual X server:
# the game a second and a half into its first stage, and the editor with a
# freshly generated maze.
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
echo "README pictures: $docs/mibbet.png $docs/tessaly.png"
