#!/usr/bin/env bash
# Zooming, with the game paused: the wheel brings the camera 3 units nearer (forward) or
# farther (back) per step, and + widens and - narrows the field of view by 5 degrees, never
# beyond 120 or below 20. With the whole world in view from d units up, the world's 512-unit
# square shows 600 * 512 / (2 * d * tan(fov / 2)) pixels tall: from the starting 330 units,
# 391 at the starting 100 degrees, 296 at 115, 269 at 120, and from about 80 degrees down it
# overflows the window; from 300 units at 100 degrees, 430.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# Rows of the middle column above the motive strip that are not black: the world's height on
# screen (outside its square the screen is black).
world_height() {
  convert "$E2E_ARTIFACTS/$1" -crop 1x552+400+0 +repage -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 && ($3 > 8 || $4 > 8 || $5 > 8) { n++ } END { print n + 0 }'
}

expect_world_height() {
  local height
  height=$(world_height "$1")
  ((height >= $2 - 6 && height <= $2 + 6)) || fail "$3: the world is $height pixels tall, not $2"
}

# Presses key $1 $2 times, then waits until the picture stands still; it is kept as $3.
keys_then_still() {
  for ((i = 0; i < $2; i++)); do press_key "$WIN" "$1"; done
  wait_until 8 still_for_a_second "settling.png" "$3" || fail "the picture did not settle after $2 x $1"
}

# Ten steps of the wheel: button 4 forward, 5 back; the picture is kept as $2. Steps that fall
# in the same frame count once, so they are spaced wider than a frame.
wheel_then_still() {
  for ((i = 0; i < 10; i++)); do xdotool click "$1"; sleep 0.15; done
  wait_until 8 still_for_a_second "settling.png" "$2" || fail "the picture did not settle after the wheel"
}

use_view_data
start_playing
keys_then_still p 1 fov-100.png
expect_world_height fov-100.png 391 "at the starting 100 degrees"

wheel_then_still 4 wheel-nearer.png
expect_world_height wheel-nearer.png 430 "after ten steps of the wheel forward"
wheel_then_still 5 wheel-back.png
expect_world_height wheel-back.png 391 "after ten steps of the wheel back"

keys_then_still plus 4 fov-120.png
expect_world_height fov-120.png 269 "after four +"
keys_then_still plus 3 fov-120-again.png
same_picture "$E2E_ARTIFACTS/fov-120.png" "$E2E_ARTIFACTS/fov-120-again.png" ||
  fail "+ widened the view beyond 120 degrees"
keys_then_still minus 1 fov-115.png
expect_world_height fov-115.png 296 "after - from 120"

keys_then_still minus 19 fov-20.png
expect_world_height fov-20.png 552 "after narrowing to 20 degrees"
keys_then_still minus 3 fov-20-again.png
same_picture "$E2E_ARTIFACTS/fov-20.png" "$E2E_ARTIFACTS/fov-20-again.png" ||
  fail "- narrowed the view below 20 degrees"
keys_then_still plus 1 fov-25.png
same_picture "$E2E_ARTIFACTS/fov-20.png" "$E2E_ARTIFACTS/fov-25.png" &&
  fail "+ at 20 degrees did not widen the view"
game_running || fail "the game ended"
echo "zoom: the wheel moved the camera; + and - stepped the field of view and stopped at 120 and 20 degrees"
