#!/usr/bin/env bash
# A held left button let go while "You Win" is open: with victory_points 0, K kills the avatar
# and its respawn shows the box, and the button comes up while the box holds the game. Once the
# box is dismissed the avatar must not steer on toward the pointer by itself: it walks to where
# its respawn sent it and stands still there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# The right half of the world's square, clear of the evolution dialog (as in the walk test).
GROUND_CROP=300x392+300+104

# Sets key $2 of section $1 to $3 in ZOMA.ini of the game's data.
set_key() {
  local ini="$GAME_DATA/ZOMA.ini"
  awk -v section="[$1]" -v key="$2" -v value="$3" '
    /^\[/ { inside = tolower($0) == section }
    inside && tolower($0) ~ "^" key "=" { print key "=" value; next }
    { print }' "$ini" >"$ini.new"
  mv "$ini.new" "$ini"
}

ground_still_for_a_second() {
  screenshot still-1.png "$WIN" >/dev/null
  sleep 1
  screenshot still-2.png "$WIN" >/dev/null
  moved=$(ground_change "$E2E_ARTIFACTS/still-1.png" "$E2E_ARTIFACTS/still-2.png" "$GROUND_CROP")
  ((moved < 2))
}

use_view_data
set_key game victory_points 0
# The avatar's kind fast and at home on any ground, so that it reaches wherever its respawn sent
# it within seconds, while a drag left steering would carry it on for ever.
set_key species1 walk_speed 8
set_key species1 climb 1
set_key species1 swim 1
start_playing

point_at "$WIN" 600 300
xdotool mousedown 1
sleep 0.5
xdotool key k
box=$(wait_for_window "You Win" 10)
xdotool mouseup 1
screenshot you-win.png >/dev/null
window_geometry "$box"
point_at "$box" $((WIDTH / 2)) $((HEIGHT / 2))
xdotool key Return
wait_until 10 window_gone "You Win" || fail "the You Win box did not close on Return"
point_at "$WIN" 400 300

wait_until 30 ground_still_for_a_second ||
  fail "the avatar kept moving after the box (${moved} per mille of the ground changed in a second)"
game_running || fail "the game ended"
echo "release under box: the drag ended with the release under You Win; the avatar came to rest"
