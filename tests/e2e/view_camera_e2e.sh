#!/usr/bin/env bash
# The two views on the shipped data: top-down (the ground fills the window) and, after C, the
# follow view from above and behind the avatar, whose upper rows look over the horizon into
# the black beyond the world; C again returns to top-down. With ZOMA_SCREENSHOTS set to a
# folder, both views are also saved there as the README's screenshots.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# Rows 25..44 of the window: below the days counter, above the horizon of the follow view.
SKY_CROP=800x20+0+25

sky_black_at_least() {
  screenshot "$1" "$WIN" >/dev/null
  black=$(colour_count "$E2E_ARTIFACTS/$1" "$SKY_CROP" 0,0,0)
  ((black >= $2))
}

sky_black_at_most() {
  screenshot "$1" "$WIN" >/dev/null
  black=$(colour_count "$E2E_ARTIFACTS/$1" "$SKY_CROP" 0,0,0)
  ((black <= $2))
}

# A small copy for the README: the scene has few colours, so a palette keeps it small.
keep_for_readme() {
  [ -n "${ZOMA_SCREENSHOTS:-}" ] || return 0
  mkdir -p "$ZOMA_SCREENSHOTS"
  convert "$E2E_ARTIFACTS/$1" -colors 64 "PNG8:$ZOMA_SCREENSHOTS/$2"
}

start_playing
wait_until 5 sky_black_at_most top-down.png 80 ||
  fail "the top-down view does not fill the window with the world ($black black pixels above)"
# A short walk away from the nest, so that the pictures show the compass needle.
click_at "$WIN" 470 200
sleep 3
point_at "$WIN" 400 300
screenshot top-down.png "$WIN" >/dev/null

press_key "$WIN" c
wait_until 5 sky_black_at_least follow.png 15000 ||
  fail "C did not turn to the follow view: only $black of 16000 pixels above the horizon are black"
sleep 1  # the camera eases round behind the avatar
screenshot follow.png "$WIN" >/dev/null

press_key "$WIN" c
wait_until 5 sky_black_at_most top-down-again.png 80 ||
  fail "C again did not return to the top-down view ($black black pixels above)"
keep_for_readme top-down.png top-down.png
keep_for_readme follow.png follow.png
game_running || fail "the game ended"
echo "camera: C switched to the follow view and back to top-down"
