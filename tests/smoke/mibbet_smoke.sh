#!/usr/bin/env bash
# Starts the real game on a virtual X server, chooses the focused (first) mode
# with the keyboard, checks that the game window opened with its caption,
# takes a screenshot and quits.
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/../../tools/xvfb/xvfb.sh"
start_xvfb
cleanup() { kill "${game:-}" 2>/dev/null || true; stop_xvfb; }
trap cleanup EXIT

"$program" >"$out/mibbet.log" 2>&1 &
game=$!


mode=$(wait_window 'Quorral ---  Ver 4.0  下載版')
import -window root "$out/mode-window.png"
xdotool windowfocus --sync "$mode" key space
wait_window '\[ 不可能任務生存顫慄模式 \]' >/dev/null
wait_window '雷達 --- 球的位置' >/dev/null
wait_window 'Q&A --- 功能提示' >/dev/null
sleep 0.5
kill -0 "$game" || { echo "the game ended after choosing a mode" >&2; exit 1; }
if xdotool search --name '地圖檔錯誤' >/dev/null 2>&1; then
  echo "the first stage map did not load" >&2
  exit 1
fi
import -window root "$out/game-window.png"
echo "smoke: mode window and game window seen; screenshots in $out"
