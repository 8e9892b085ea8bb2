#!/usr/bin/env bash
# The controls no single frame shows, driven as a player would on the shipped data: the pointer
# at the window's left edge turns the view; the panel's Build Nest shows the nest bar and its
# Level Up the evolution dialog, whose Cancel closes it without buying anything; paused, a
# right-button drag still turns the view, K empties the health bar and Refill Motives fills it
# again (a resting game still redraws for input and panel commands); T leaves the game
# running; the window can be made tiny and large and the frame follows its size.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"
source "$(dirname "$0")/evolution_lib.sh"

GROUND_CROP=600x400+100+80
WORLD_CROP=800x540+0+0
# The panel's buttons, from its top-left corner: 116 x 24 each, 6 apart, from (10, 10).
REFILL_Y=22
LEVEL_UP_Y=52
BUILD_NEST_Y=82
PANEL_BUTTON_X=68
CANCEL_X=145
CANCEL_Y=470
# Inside the Health bar's frame (rows 584 to 598), where its fill shows.
HEALTH_FILL=600x8+150+587

# Ground changed by at least $2 per mille since screenshot $1, or 3 % of the world above the
# bars: where the ground in view is one colour all round, the turn shows in the trees and
# creatures, which move far less in that time on their own.
ground_turned_since() {
  screenshot now.png "$WIN" >/dev/null
  local before="$E2E_ARTIFACTS/$1" now="$E2E_ARTIFACTS/now.png"
  (($(ground_change "$before" "$now" "$GROUND_CROP") >= $2)) ||
    (($(picture_change "$before" "$now" "$WORLD_CROP") >= 30))
}

# The white "Building Nest" text over the middle of the window.
nest_bar_shown() {
  screenshot nest-bar.png "$WIN" >/dev/null
  (($(colour_count "$E2E_ARTIFACTS/nest-bar.png" 100x14+350+300 255,255,255) > 15))
}

health_fill_green() {
  screenshot health.png "$WIN" >/dev/null
  local green
  green=$(colour_count "$E2E_ARTIFACTS/health.png" "$HEALTH_FILL" 0,255,0)
  if [ "$1" = full ]; then ((green > 4000)); else ((green < 100)); fi
}

# The strip's Hunger frame along the row 48 pixels above the bottom of a window $1 high.
frame_fills_height() {
  screenshot resized.png "$WIN" >/dev/null
  (($(colour_count "$E2E_ARTIFACTS/resized.png" "600x1+100+$(($1 - 48))" 0,255,0) > 550))
}

start_playing
PANEL=$(wait_for_window "Sample App Control Panel" 20)

screenshot edge-before.png "$WIN" >/dev/null
point_at "$WIN" 2 300
wait_until 5 ground_turned_since edge-before.png 50 || fail "the pointer at the left edge did not turn the view"
point_at "$WIN" 400 300

click_at "$PANEL" "$PANEL_BUTTON_X" "$BUILD_NEST_Y"
wait_until 5 nest_bar_shown || fail "Build Nest showed no nest-building bar"

click_at "$PANEL" "$PANEL_BUTTON_X" "$LEVEL_UP_Y"
wait_for_dialog "$WIN" shown level-up.png || fail "Level Up did not open the evolution dialog"
click_at "$WIN" "$CANCEL_X" "$CANCEL_Y"
wait_for_dialog "$WIN" hidden cancelled.png || fail "Cancel did not close the evolution dialog"
! grep -q "^Avatar Attack" "$GAME_OUT" || fail "Cancel printed the avatar's abilities as Ok does"

press_key "$WIN" p
sleep 0.5
screenshot drag-before.png "$WIN" >/dev/null
xdotool mousemove --window "$WIN" 400 300 mousedown 3 mousemove --window "$WIN" 460 300 mouseup 3
wait_until 5 ground_turned_since drag-before.png 50 || fail "a right-button drag did not turn the paused view"

press_key "$WIN" k
wait_until 5 health_fill_green empty || fail "K did not empty the health bar"
click_at "$PANEL" "$PANEL_BUTTON_X" "$REFILL_Y"
point_at "$WIN" 400 300
wait_until 5 health_fill_green full || fail "Refill Motives did not fill the health bar"

press_key "$WIN" t
press_key "$WIN" p
sleep 1
game_running || fail "the game ended after T"

xdotool windowsize "$WIN" 120 90
sleep 1
game_running || fail "the game ended in a 120 x 90 window"
[ "$(identify -format %wx%h "$(screenshot tiny.png "$WIN")")" = 120x90 ] || fail "the window did not become 120 x 90"
xdotool windowsize "$WIN" 1200 780
wait_until 10 frame_fills_height 780 || fail "the frame did not follow the window to 1200 x 780"
game_running || fail "the game ended in a 1200 x 780 window"
echo "controls: edge scrolling, Build Nest, Level Up and Cancel, right-drag, K and Refill Motives while paused, T, tiny and large windows"
