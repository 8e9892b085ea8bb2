#!/usr/bin/env bash
# The modal message box: each way a player can dismiss the about box (Escape, Space, a click on
# OK, the window's close button) closes only the box, and the game starts and keeps running.
source "$(dirname "$0")/lib.sh"

dismiss_with() {
  local way=$1 box=$2
  window_geometry "$box"
  case $way in
    Escape | space) press_key "$box" "$way" $((WIDTH / 2)) $((HEIGHT / 3)) ;;
    # OK is centred 20 pixels above the bottom edge and 24 pixels high.
    click) click_at "$box" $((WIDTH / 2)) $((HEIGHT - 32)) ;;
    close) close_window_as_wm "$box" ;;
  esac
}

for way in Escape space click close; do
  start_game
  box=$(wait_for_window ZOMA 20)
  [ "$way" = click ] && screenshot about_box.png "$box" >/dev/null
  dismiss_with "$way" "$box"
  wait_until 10 window_gone ZOMA || fail "$way did not dismiss the about box"
  wait_for_window "GLUT App" 30 >/dev/null
  wait_for_window "Sample App Control Panel" 30 >/dev/null
  sleep 1
  game_running || fail "the game ended after the about box was dismissed with $way"
  [ ! -s "$GAME_ERR" ] || fail "the game wrote to standard error after $way"
  stop_game
done
echo "message box: Escape, Space, OK and the close button each dismiss it; the game goes on"
