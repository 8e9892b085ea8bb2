#!/usr/bin/env bash
# How much processor time the game uses while it should rest: running, paused (P), and running
# with its window unmapped (hidden), each measured from /proc over 5 seconds, as a percentage of
# one core (all the game's threads, the renderer's included). Needs Xvfb and xdotool:
#   bench/rest_cpu.sh build/zoma data
set -euo pipefail
zoma=$(realpath "$1")
data=$(realpath "${2:-data}")
seconds=5
work=$(mktemp -d)
display=":$((200 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
game=""
cleanup() { [ -n "$game" ] && kill "$game" 2>/dev/null; kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
sleep 1
cp -r "$data"/. "$work"/
(cd "$work" && exec "$zoma" >/dev/null 2>&1) &
game=$!
until box=$(xdotool search --onlyvisible --name '^ZOMA$' 2>/dev/null | head -n 1) && [ -n "$box" ]; do sleep 0.2; done
xdotool mousemove --window "$box" 50 50 key Return
until win=$(xdotool search --onlyvisible --name '^GLUT App$' 2>/dev/null | head -n 1) && [ -n "$win" ]; do sleep 0.2; done
xdotool mousemove --window "$win" 400 300
sleep 2

# Processor ticks (user + system) of the game so far.
ticks() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
measure() {
  local before after
  before=$(ticks)
  sleep "$seconds"
  after=$(ticks)
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v what="$1" \
    'BEGIN { printf "%-22s %5.1f %% of a core\n", what, 100 * t / hz / s }'
}

measure "running"
xdotool key p
sleep 1
measure "paused"
xdotool key p
xdotool windowunmap "$win"
sleep 1
measure "running, window hidden"
