#!/usr/bin/env bash
# Screenshots of every shipped stage map in the real game window, on a virtual
# X server: each map in turn is put in place of map 1 in a scratch copy of the
# program folder, the first mode is chosen with the keyboard, and the window
# is photographed a second later.
#   tools/screenshots/shoot_maps.sh [build/out] [output folder]
set -euo pipefail
out_dir=$(realpath "${1:-build/out}")
shots=$(realpath -m "${2:-build/screenshots}")
mkdir -p "$shots"
source "$(dirname "$0")/../xvfb/xvfb.sh"
start_xvfb
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb

for n in $(seq 0 10); do
  rm -rf "$work/game" && mkdir -p "$work/game"
  cp "$out_dir/Mibbet" "$work/game/"
  cp -r "$out_dir/map" "$out_dir/save" "$out_dir/wav" "$out_dir/bgm" "$work/game/" 2>/dev/null || true
  cp "$out_dir/map/map$n" "$work/game/map/map1"
  "$work/game/Mibbet" >/dev/null 2>&1 &
  game=$!
  for _ in $(seq 100); do
    id=$(xdotool search --name 'Quorral ---  Ver 4.0  下載版' 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  xdotool windowfocus --sync "$id" key space
  sleep 1.2
  game_id=$(xdotool search --name '不可能任務生存顫慄模式' | head -n 1)
  import -window "$game_id" "$shots/map$n.png"
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  echo "map$n -> $shots/map$n.png"
done
