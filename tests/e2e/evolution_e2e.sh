#!/usr/bin/env bash
# Evolution as a player buys it: E opens the dialog, + on the Attack row raises its value, Ok
# prints the avatar's seven abilities and takes the dialog off the screen.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/evolution_lib.sh"

start_game
dismiss_about_box
win=$(wait_for_window "GLUT App" 20)
sleep 1
screenshot before.png "$win" >/dev/null
dialog_shown "$E2E_ARTIFACTS/before.png" && fail "the evolution dialog is shown before E"

press_key "$win" e
wait_for_dialog "$win" shown opened.png || fail "E did not open the evolution dialog"

click_at "$win" "$PLUS_X" "$(row_y 1)"
wait_until 5 row_value_changed "$win" 1 opened.png raised.png ||
  fail "+ on the Attack row did not change its value box"

click_at "$win" "$OK_X" "$OK_Y"
wait_for_output "^----------------------$" 10
check_ability_lines 1
wait_for_dialog "$win" hidden closed.png || fail "the dialog is still shown after Ok"
game_running || fail "the game ended"
echo "evolution: dialog opened with E, Attack raised, abilities printed, dialog closed"
