#!/usr/bin/env bash
# Walking: the view stays still while the avatar stands on its nest, and a click on the
# ground sets the avatar walking, which moves the ground under the camera.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# The right half of the world's square, clear of the evolution dialog, which opens by itself
# when the avatar meets a critter of the evolving kind.
GROUND_CROP=300x392+300+104

ground_moved_since() {
  screenshot walking.png "$WIN" >/dev/null
  moved=$(ground_change "$E2E_ARTIFACTS/$1" "$E2E_ARTIFACTS/walking.png" "$GROUND_CROP")
  ((moved >= 5))
}

use_view_data
start_playing
screenshot standing-1.png "$WIN" >/dev/null
sleep 1
screenshot standing-2.png "$WIN" >/dev/null
still=$(ground_change "$E2E_ARTIFACTS/standing-1.png" "$E2E_ARTIFACTS/standing-2.png" "$GROUND_CROP")
((still < 2)) || fail "the ground moved while the avatar stood still (${still} per mille)"

# 130 pixels right of the avatar: about 170 units away at this camera distance.
click_at "$WIN" 530 300
wait_until 25 ground_moved_since standing-2.png ||
  fail "the ground did not move after a click on it (${moved} per mille changed)"
game_running || fail "the game ended"
echo "walk: a click on the ground set the avatar walking; ${moved} per mille of the ground changed"
