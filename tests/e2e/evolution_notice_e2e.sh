#!/usr/bin/env bash
# The evolution on offer: in a world of short days, each offering an evolution, the one the
# game starts with is not announced (the first screen stays as it always was); the next day's
# is, in yellow at the right, until Ok in the evolution dialog spends it. Screenshots are kept
# for a person to look at.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

use_view_data
sed -i -e 's/^day_length=.*/day_length=10/' -e 's/^night_length=.*/night_length=2/' \
  -e 's/^evolve_interval=.*/evolve_interval=1/' "$GAME_DATA/ZOMA.ini"
OFFER_AREA=280x80+510+175
yellow_in() { colour_count "$(screenshot "$1" "$WIN")" "$OFFER_AREA" 255,217,51; }
start_playing
(($(yellow_in before-offer.png) < 20)) || fail "an evolution notice before any day offered one"
wait_until 40 eval '(($(yellow_in offered.png) > 150))' || fail "no notice when a new day offered an evolution"
press_key "$WIN" e
click_at "$WIN" 245 470  # the dialog's Ok
wait_until 10 eval '(($(yellow_in spent.png) < 20))' || fail "the evolution notice stayed after Ok spent it"
echo "evolution notice: not at start-up, shown when a new day offers one, gone once spent"
