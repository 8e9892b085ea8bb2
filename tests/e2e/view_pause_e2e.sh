#!/usr/bin/env bash
# Pause: P stops the world, so the picture stands still (nothing moves, the daylight does not
# change); P again lets it run on.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

moving() { ! still_for_a_second running-1.png running-2.png; }

use_view_data
start_playing
# Critters wander and the morning light brightens, so the running game never stands still.
wait_until 10 moving || fail "the picture stood still before the game was paused"

press_key "$WIN" p
wait_until 8 still_for_a_second paused-1.png paused-2.png ||
  fail "the picture kept changing for 8 seconds after P"

press_key "$WIN" p
wait_until 8 moving || fail "the picture stands still after P was pressed again"
game_running || fail "the game ended"
echo "pause: P froze the picture and P again set it moving"
