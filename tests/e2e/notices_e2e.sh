#!/usr/bin/env bash
# What the player is told: H or F1 opens the help overlay and the same key or Esc closes it;
# "Paused" stands at the top right while the game is paused; when the avatar dies a notice says how
# for a few seconds ("You starved" in a world where hunger kills in moments). "Paused" keeps
# clear of the middle column that the zoom test measures the world by. Screenshots of
# each are kept for a person to look at.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# White text pixels in a crop of the window: the notices are white on a dark box.
white_in() { colour_count "$(screenshot "$1" "$WIN")" "$2" 255,255,255; }
HELP_AREA=600x340+100+100
PAUSED_AREA=240x40+555+30
DEATH_AREA=560x80+120+85

help_shown() { (($(white_in help.png "$HELP_AREA") > 1500)); }
help_gone() { (($(white_in no-help.png "$HELP_AREA") < 300)); }

use_view_data
start_playing
help_gone || fail "help text on the screen before any key"
(($(white_in running.png "$PAUSED_AREA") < 30)) || fail "text where \"Paused\" goes while running"

for keys in "h h" "F1 F1" "h Escape"; do
  read -r open close <<<"$keys"
  press_key "$WIN" "$open"
  wait_until 15 help_shown || fail "$open did not open the help"
  cp "$E2E_ARTIFACTS/help.png" "$E2E_ARTIFACTS/help-$open.png"
  press_key "$WIN" "$close"
  wait_until 15 help_gone || fail "$close did not close the help opened by $open"
done

press_key "$WIN" p
wait_until 15 eval '(($(white_in paused.png "$PAUSED_AREA") > 150))' || fail "no \"Paused\" while paused"
press_key "$WIN" p
wait_until 15 eval '(($(white_in resumed.png "$PAUSED_AREA") < 30))' || fail "\"Paused\" stayed after P resumed"

# K kills the avatar with a full stomach: a notice that it died, gone after six seconds. Seen
# by screenshots taken one after the other, its life can look a little shorter or longer than
# that, but never as short as 4 s or as long as 9 s.
milliseconds() { echo $(($(date +%s%N) / 1000000)); }
press_key "$WIN" k
wait_until 10 eval '(($(white_in died.png "$DEATH_AREA") > 400))' || fail "no notice when the avatar died"
shown_ms=$(milliseconds)
wait_until 15 eval '(($(white_in after-death.png "$DEATH_AREA") < 30))' || fail "the death notice stayed"
lasted_ms=$(($(milliseconds) - shown_ms))
((lasted_ms >= 4000 && lasted_ms <= 9000)) || fail "the death notice lasted ${lasted_ms} ms, not about 6 s"
game_running || fail "the game ended"
stop_game

# A world where an empty stomach kills within seconds: the notice says the avatar starved.
printf 'hunger = 0\nhealth = health - 40 * seconds\n' >"$GAME_DATA/avatar_motives.txt"
start_playing
wait_until 20 eval '(($(white_in starved.png "$DEATH_AREA") > 400))' || fail "no notice when the avatar starved"
echo "notices: help on H and F1, closed by the same key or Esc; Paused; the death notices"
