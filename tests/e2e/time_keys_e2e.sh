#!/usr/bin/env bash
# Time in the player's hands and worlds with names, in the real game: --seed N and "seed: N";
# keys pressed under the about box do nothing; while paused the full stop runs one tick at a
# time (the nest-building bar grows by a tick's step per press); x8 builds a nest (10 s of
# game time) in a fraction of that and shows "×8"; N asks and N again builds a new world in
# the same window, printing its seed.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# Pixels of row $2 (x 200..600, the nest-building bar's span) in image $1 drawn in the bar's
# half-transparent green.
bar_green() {
  convert "$1" -crop 400x1+200+"$2" +repage -depth 8 txt:- | awk -F'[(),]' '
    NR > 1 && $4 > $3 + 50 && $4 > $5 + 50 { n++ } END { print n + 0 }'
}
bar_shown() { screenshot bar.png "$WIN" >/dev/null; (($(bar_green "$E2E_ARTIFACTS/bar.png" 300) > 300)); }
bar_gone() { ! bar_shown; }
# The bar's fill, along a row between its frame lines and above its caption.
bar_fill() { screenshot "$1" "$WIN" >/dev/null; bar_green "$E2E_ARTIFACTS/$1" 304; }

# White text in a box at the top: the status box at the right, the question in the middle.
white_in() { screenshot "$1" "$WIN" >/dev/null; colour_count "$E2E_ARTIFACTS/$1" "$2" 255,255,255; }
status_box_text() { (($(white_in status.png 200x50+590+25) > 20)); }
question_text() { (($(white_in question.png 300x50+250+25) > 20)); }
seed_lines() { grep -c '^seed: ' "$GAME_OUT" || true; }

use_view_data
start_game --seed 4242
box=$(wait_for_window ZOMA 20)
window_geometry "$box"
for key in n n 4 period; do press_key "$box" "$key" $((WIDTH / 2)) $((HEIGHT / 2)); done
dismiss_about_box
WIN=$(wait_for_window "GLUT App" 20)
point_at "$WIN" 400 300
wait_until 20 full_size_frame_shown || fail "the game never drew an 800 x 600 frame"
wait_for_output '^seed: 4242$'
[ "$(seed_lines)" = 1 ] || fail "N N under the about box built a world"
status_box_text && fail "4 under the about box changed the speed"

# Paused, nest building stands still; each full stop is one tick of 21 ms: 40 of them grow the
# bar by about 34 pixels (800 x 0.00005 x 21 per tick).
press_key "$WIN" p
press_key "$WIN" m
wait_until 5 bar_shown || fail "M showed no nest-building bar"
before=$(bar_fill fill-1.png)
sleep 1
[ "$(bar_fill fill-2.png)" = "$before" ] || fail "the bar grew while paused"
xdotool key --repeat 40 --delay 30 period
sleep 0.5
after=$(bar_fill fill-3.png)
grown=$((after - before))
((grown >= 28 && grown <= 40)) || fail "40 full stops grew the bar by $grown pixels, not about 34"

# Resumed at x1, building still needs the rest of its 10 s; at x8 it ends within a few seconds.
press_key "$WIN" p
sleep 2
bar_shown || fail "nest building ended within 3 s at x1"
press_key "$WIN" 4
wait_until 5 status_box_text || fail "no speed shown at the top right at x8"
wait_until 6 bar_gone || fail "at x8 nest building still ran after 6 s"

# N asks for three seconds, then the question goes; N asks again, and N again at once builds
# a new world in the same window, at x1.
press_key "$WIN" n
wait_until 3 question_text || fail "the first N asked nothing"
wait_until 8 eval '! question_text' || fail "the question stayed"
[ "$(seed_lines)" = 1 ] || fail "one N built a world"
press_key "$WIN" n
sleep 0.5  # two presses as a person makes them, not xdotool's back-to-back pair
press_key "$WIN" n
wait_until 10 [ "$(seed_lines)" = 2 ] || fail "the second N printed no new seed"
grep '^seed: ' "$GAME_OUT" | tail -n 1 | grep -qv '^seed: 4242$' || fail "the new world has the old seed"
[ "$(window_id "GLUT App")" = "$WIN" ] || fail "the game window was opened again"
window_gone ZOMA || fail "a new world showed the about box"
wait_until 5 eval '! status_box_text' || fail "the new world kept the speed"
wait_until 5 eval '! question_text' || fail "the question stayed after the new world"
game_running || fail "the game ended"
echo "time keys: seed 4242 printed; 40 full stops grew the bar by $grown pixels; x8 built the nest; N N made a new world"
