#!/usr/bin/env bash
# Shipping data beside the programs keeps what a player or designer changed,
# and updates what they did not touch.
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src/map" "$work/src/save"
printf 'one\r\n' >"$work/src/map/map1"
printf 'table\r\n' >"$work/src/save/high.tm"
deploy() { cmake -DSRC="$work/src" -DDST="$work/out" -P "$script" >/dev/null; }

deploy
for d in map save wav bgm; do [ -d "$work/out/$d" ] || { echo "no $d/ folder"; exit 1; }; done
[ "$(cat "$work/out/map/map1")" = $'one\r' ] || { echo "map1 not shipped"; exit 1; }

printf 'edited by the designer\r\n' >"$work/out/map/map1"
printf 'newer shipped table\r\n' >"$work/src/save/high.tm"
printf 'newer shipped map\r\n' >"$work/src/map/map1"
deploy
grep -q 'edited by the designer' "$work/out/map/map1" || { echo "an edited map was overwritten"; exit 1; }
grep -q 'newer shipped table' "$work/out/save/high.tm" || { echo "an untouched file was not updated"; exit 1; }

rm "$work/out/map/map1"
deploy
grep -q 'newer shipped map' "$work/out/map/map1" || { echo "a deleted file was not shipped again"; exit 1; }
echo "deploy: changed files kept, untouched files updated"
