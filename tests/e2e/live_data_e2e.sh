#!/usr/bin/env bash
# Data files saved while the game runs: a script saved in place and by rename, a broken one that
# keeps the previous script, a FIFO renamed into a script's place, and ZOMA.ini's listing, all
# while the game is paused; then G shows the population graph, also in a small window.
# Screenshots of the notice and the graph are kept for a person to look at.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

white_in() { colour_count "$(screenshot "$1" "$WIN")" "$2" 255,255,255; }
NOTICE_AREA=500x60+150+470
GRAPH_TITLE_AREA=300x18+20+80

use_view_data
start_playing
press_key "$WIN" p  # a paused game rests, and still wakes for an edit
GAME_DIR="$E2E_WORK/game"

printf 'damage = 3\n' >"$GAME_DIR/combat.txt"
wait_for_output "^combat.txt: reloaded$"
wait_until 10 eval '(($(white_in reloaded.png "$NOTICE_AREA") > 100))' || fail "no notice of the reload"

# An editor's save: a temporary file renamed over the script.
printf 'damage = = 3\n' >"$GAME_DIR/.combat.txt.tmp"
mv "$GAME_DIR/.combat.txt.tmp" "$GAME_DIR/combat.txt"
wait_for_output "^combat.txt:1: parse error here; the previous script stays$"
grep -B1 "^combat.txt:1: parse error here; the previous script stays$" "$GAME_OUT" | head -n 1 | grep -q "parse error$" ||
  fail "the parser's own line does not come first"
screenshot broken.png "$WIN" >/dev/null

mkfifo "$GAME_DIR/fifo"
mv "$GAME_DIR/fifo" "$GAME_DIR/combat.txt"
wait_for_output "^combat.txt is a FIFO, not a regular file; the previous script stays$"

sed -i 's/^day_length=.*/day_length=90/' "$GAME_DIR/ZOMA.ini"
wait_for_output "^ZOMA.ini: reloaded (day_length [0-9]* -> 90)$"
game_running || fail "the game ended"

press_key "$WIN" g
wait_until 10 eval '(($(white_in graph.png "$GRAPH_TITLE_AREA") > 100))' || fail "G showed no graph"
xdotool windowsize "$WIN" 420 320
sleep 1
press_key "$WIN" g 200 150
press_key "$WIN" g 200 150  # closed and opened again: a frame at the new size
wait_until 10 eval '(($(white_in graph-small.png 200x16+20+80) > 60))' || fail "no graph in a small window"
press_key "$WIN" g 200 150
wait_until 10 eval '(($(white_in graph-closed.png 200x16+20+80) < 20))' || fail "G did not close the graph"
game_running || fail "the game ended"
echo "live data: scripts and ZOMA.ini reloaded while paused, the previous script kept; the graph on G"
