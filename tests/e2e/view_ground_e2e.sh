#!/usr/bin/env bash
# What the player sees of the world from above: the ground in its three class colours, the
# motive strip along the bottom with its three bars, and the days counter at the top left.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

# The whole world is in view, so every class the terrain has shows: and a terrain always has
# water (its lowest cell) and steep ground (its highest).
WORLD_CROP=800x552+0+0

ground_shows_every_class() {
  screenshot ground.png "$WIN" >/dev/null
  local classes
  classes=$(pixel_classes "$E2E_ARTIFACTS/ground.png" "$WORLD_CROP" | sort | uniq -c | tr '\n' ' ')
  echo "$classes" >"$E2E_WORK/classes.txt"
  [[ "$classes" =~ [0-9]+\ L ]] && [[ "$classes" =~ [0-9]+\ S ]] && [[ "$classes" =~ [0-9]+\ W ]]
}

use_view_data
start_playing
wait_until 10 ground_shows_every_class ||
  fail "the ground does not show land, steep and water colours: $(cat "$E2E_WORK/classes.txt")"
shot="$E2E_ARTIFACTS/ground.png"
land=$(class_count "$shot" "$WORLD_CROP" L)
((land > 5000)) || fail "too little land colour on screen ($land sampled pixels)"

# The strip: three rows of 16 pixels from y 552, each a bar framed in green and filled in
# green, yellow or red, on black that shows in the one-pixel gaps between the rows: each bar's
# frame spans rows y .. y + 14.
for row in 0 1 2; do
  top=$((552 + 16 * row))
  bars=$(($(colour_count "$shot" "690x15+100+$top" 0,255,0) +
          $(colour_count "$shot" "690x15+100+$top" 255,255,0) +
          $(colour_count "$shot" "690x15+100+$top" 255,0,0)))
  ((bars > 1200)) || fail "motive row $row at y $top shows no bar ($bars bar pixels)"
  gap=$(colour_count "$shot" "690x1+100+$((top + 15))" 0,0,0)
  ((gap == 690)) || fail "the strip is not black between the bars at y $((top + 15)) ($gap of 690)"
done

# Outside the world's square the screen is black, so green there is the counter's text.
text=$(colour_count "$shot" 220x20+0+0 0,255,0)
((text > 150)) || fail "no days counter at the top left ($text green pixels)"
echo "ground: land, steep and water shown; motive strip with three bars; days counter drawn"
