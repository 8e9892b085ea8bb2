#!/usr/bin/env bash
# Start-up as a player meets it: the about box first and alone; after OK the game window and the
# control panel side by side; the driver report on standard output; the "Pause" check box shows
# its check mark and holds the game still; closing the game window ends the program cleanly.
source "$(dirname "$0")/lib.sh"

# Inside the panel's "Pause" check box (its 13-pixel box starts at panel pixel (10, 102)).
PAUSE_X=16
PAUSE_Y=109
PAUSE_BOX_INSIDE=9x9+12+104

# The box interior is white when empty; a check mark darkens it.
check_mark_shown() {
  local r g b
  read -r r g b <<<"$(mean_colour "$1" "$PAUSE_BOX_INSIDE")"
  ((r < 200))
}

start_game
box=$(wait_for_window ZOMA 20)
screenshot about_box.png >/dev/null
[ -z "$(window_id "GLUT App")" ] || fail "the game window opened before the about box was dismissed"
dismiss_about_box

main=$(wait_for_window "GLUT App" 30)
panel=$(wait_for_window "Sample App Control Panel" 30)
window_geometry "$main"
((WIDTH == 800 && HEIGHT == 600)) || fail "the game window is ${WIDTH}x${HEIGHT}, not 800x600"
! windows_overlap "$main" "$panel" || fail "the control panel covers part of the game window"

for line in "OpenGL Driver - " "Vendor: " "Renderer: " "Version: " "Supported Extensions: "; do
  wait_for_output "^$line" 10
done

# The panel has drawn itself once it has its full height and its face colour shows.
panel_drawn() {
  local shot
  shot=$(screenshot panel_running.png "$panel")
  (($(identify -format %h "$shot") > PAUSE_Y + 8)) && [ "$(mean_colour "$shot" 4x4+1+1)" != "0 0 0" ]
}
wait_until 5 panel_drawn || fail "the control panel stays blank"
screenshot startup.png >/dev/null
# A slow start may still be painting the panel: wait for its unticked box rather than judge the
# first picture.
wait_until 5 eval '! check_mark_shown "$(screenshot panel_running.png "$panel")"' ||
  fail "the Pause box is ticked before anyone clicked it"
click_at "$panel" "$PAUSE_X" "$PAUSE_Y"
wait_until 5 eval 'check_mark_shown "$(screenshot panel_paused.png "$panel")"' ||
  fail "clicking Pause showed no check mark"

# Paused: once the camera has settled, nothing on the game window changes any more.
still_while_paused() {
  local first second
  first=$(screenshot paused_1.png "$main")
  sleep 0.5
  second=$(screenshot paused_2.png "$main")
  [ "$(compare -metric AE "$first" "$second" null: 2>&1)" = 0 ]
}
wait_until 8 still_while_paused || fail "the game window kept changing while paused"

click_at "$panel" "$PAUSE_X" "$PAUSE_Y"
wait_until 5 eval '! check_mark_shown "$(screenshot panel_resumed.png "$panel")"' ||
  fail "clicking Pause again left the check mark"
game_running || fail "the game ended while being paused and resumed"

close_window_as_wm "$main"
wait_for_game_exit 10
((GAME_STATUS == 0)) || fail "closing the game window ended the program with status $GAME_STATUS"
[ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error"
echo "startup: about box, both windows side by side, driver report, Pause ticks and unticks, clean exit"
