#!/usr/bin/env bash
# Victory as a player reaches it with victory_points 1: + on "Win Game:" and Ok show the
# "You Win" box; once it is dismissed the game goes on.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/evolution_lib.sh"

# The shipped data with victory_points = 1 as the first key of [game].
GAME_DATA="$E2E_WORK/data-victory"
mkdir -p "$GAME_DATA"
cp -r "$ZOMA_SOURCE_DIR/data"/. "$GAME_DATA"/ 2>/dev/null || true
ini="$GAME_DATA/ZOMA.ini"
[ -f "$ini" ] && grep -qi '^\s*\[game\]' "$ini" || printf '[game]\n' >>"$ini"
awk 'tolower($0) ~ /^[ \t]*victory_points[ \t]*=/ { next }
     { print }
     tolower($0) ~ /^[ \t]*\[game\]/ { print "victory_points=1" }' "$ini" >"$ini.new"
mv "$ini.new" "$ini"
export GAME_DATA

start_game
dismiss_about_box
win=$(wait_for_window "GLUT App" 20)
sleep 1
press_key "$win" e
wait_for_dialog "$win" shown opened.png || fail "E did not open the evolution dialog"
click_at "$win" "$PLUS_X" "$(row_y 6)"
wait_until 5 row_value_changed "$win" 6 opened.png raised.png ||
  fail "+ on the Win Game row did not change its value box"
click_at "$win" "$OK_X" "$OK_Y"

box=$(wait_for_window "You Win" 10)
check_ability_lines 1
screenshot you-win.png >/dev/null
window_geometry "$box"
point_at "$box" $((WIDTH / 2)) $((HEIGHT / 2))
xdotool key Return
wait_until 10 window_gone "You Win" || fail "the You Win box did not close on Return"

# The game goes on: its window is there, it still answers E with the dialog.
sleep 1
game_running || fail "the game ended after the victory"
[ -n "$(window_id "GLUT App")" ] || fail "the game window is gone after the victory"
press_key "$win" e
wait_for_dialog "$win" shown reopened.png || fail "the game did not go on after the victory"
echo "victory: You Win shown after Ok, dismissed, and the game went on"
