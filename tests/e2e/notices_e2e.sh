#!/usr/bin/env bash
# What the player is told: H or F1 opens the help overlay and the same key or Esc closes it;
# "Paused" stands at the top right while the game is paused; when the avatar dies a notice says how
# for a few seconds ("You starved" in a world where hunger kills in moments). "Paused" keeps
# clear of the middle column that the zoom test measures the world by. An evolution a new day
# offers is told at the right until it is spent. Screenshots of each are kept for a person to
# look at.
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

# K kills the avatar with a full stomach: a notice that it died, gone after about six seconds.
press_key "$WIN" k
wait_until 10 eval '(($(white_in died.png "$DEATH_AREA") > 400))' || fail "no notice when the avatar died"
sleep 3
wait_until 12 eval '(($(white_in after-death.png "$DEATH_AREA") < 30))' || fail "the death notice stayed"
game_running || fail "the game ended"
stop_game

# A world where an empty stomach kills within seconds: the notice says the avatar starved.
printf 'hunger = 0\nhealth = health - 40 * seconds\n' >"$GAME_DATA/avatar_motives.txt"
start_playing
wait_until 20 eval '(($(white_in starved.png "$DEATH_AREA") > 400))' || fail "no notice when the avatar starved"
stop_game

# Short days, each offering an evolution: the one the game starts with is not announced; the
# next day's is, in yellow at the right, until Ok in the evolution dialog spends it.
sed -i -e 's/^day_length=.*/day_length=4/' -e 's/^night_length=.*/night_length=2/' \
  -e 's/^evolve_interval=.*/evolve_interval=1/' "$GAME_DATA/ZOMA.ini"
cp "$ZOMA_SOURCE_DIR/data/avatar_motives.txt" "$GAME_DATA"/
OFFER_AREA=280x80+510+175
yellow_in() { colour_count "$(screenshot "$1" "$WIN")" "$OFFER_AREA" 255,217,51; }
start_playing
(($(yellow_in before-offer.png) < 20)) || fail "an evolution notice before any day offered one"
wait_until 20 eval '(($(yellow_in offered.png) > 150))' || fail "no notice when a new day offered an evolution"
press_key "$WIN" e
click_at "$WIN" 245 470  # the dialog's Ok
wait_until 10 eval '(($(yellow_in spent.png) < 20))' || fail "the evolution notice stayed after Ok spent it"
echo "notices: help on H and F1, closed by the same key or Esc; Paused; the death notices; the evolution offered"
