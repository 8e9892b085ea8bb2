# Shared steps of the view tests: a data folder whose camera shows the whole world from above,
# starting the game to its window, and reading screenshots by the colours the scene draws.
# Sourced after lib.sh.

# The shipped data with the view tests' ZOMA.ini in place of the shipped one.
use_view_data() {
  local folder="$E2E_WORK/view-data"
  mkdir -p "$folder"
  cp -r "$ZOMA_SOURCE_DIR/data"/. "$folder"/
  cp "$ZOMA_SOURCE_DIR/tests/e2e/data-view/ZOMA.ini" "$folder"/
  export GAME_DATA="$folder"
}

# Starts the game (its arguments go to the game) and dismisses the about box; WIN is the game window, with the pointer
# resting at its centre (over the avatar), once frames are drawn at the window's full size. The world has a fixed seed,
# so a failure shows again on the next run: a world from the clock may have one ground colour all round and no tree
# where a check looks, and then a turn of the view changes no pixel it reads.
start_playing() {
  start_game --seed 42 "$@"
  dismiss_about_box
  WIN=$(wait_for_window "GLUT App" 20)
  point_at "$WIN" 400 300
  wait_until 20 full_size_frame_shown || fail "the game never drew an 800 x 600 frame"
}

# The first frames are drawn before the window takes its size; the Hunger bar's green frame
# along pixel row 552 shows a frame of the full 800 x 600.
full_size_frame_shown() {
  screenshot first-frame.png "$WIN" >/dev/null
  (($(colour_count "$E2E_ARTIFACTS/first-frame.png" 690x1+100+552 0,255,0) > 600))
}

# Prints one letter per pixel of image $1 cropped to $2 (every other pixel), by what the
# scene draws there: L land, S steep, W water (the ground's brown, grey and dark blue under
# any day or night brightness), K black, O anything else.
pixel_classes() {
  convert "$1" -crop "$2" +repage -sample 50% -depth 8 txt:- | awk -F'[(),]' '
    function near(a, b, tolerance) { return a - b <= tolerance && b - a <= tolerance }
    NR > 1 {
      r = $3; g = $4; b = $5; dim = r >= 40 && r <= 115
      if (r < 8 && g < 8 && b < 8) print "K"
      else if (b < 8 && dim && near(r, 2 * g, 4)) print "L"
      else if (dim && near(r, g, 3) && near(g, b, 3)) print "S"
      else if (r < 8 && g < 8 && b >= 40 && b <= 115) print "W"
      else print "O"
    }'
}

# How many pixels (every other one) of image $1 in crop $2 are of class $3.
class_count() { pixel_classes "$1" "$2" | grep -c "^$3\$" || true; }

# Per mille of the pixels that show ground in both images $1 and $2 (crop $3) whose ground
# class differs: how far the ground moved between them.
ground_change() {
  paste <(pixel_classes "$1" "$3") <(pixel_classes "$2" "$3") | awk '
    $1 ~ /[LSW]/ && $2 ~ /[LSW]/ { ground++; if ($1 != $2) changed++ }
    END { print (ground ? int(1000 * changed / ground) : 0) }'
}

# Per mille of all pixels of images $1 and $2 (crop $3) that differ by more than a shade: where
# the ground is one colour all round, the trees and creatures still show a turn of the view.
picture_change() {
  local differing size=${3%%+*}
  differing=$(compare -metric AE -fuzz 5% "$1[$3]" "$2[$3]" null: 2>&1 || true)
  echo $((1000 * ${differing%%.*} / (${size%x*} * ${size#*x})))
}

# How many pixels of image $1 in crop $2 lie within 10 of colour "$3" (r,g,b, 0..255).
colour_count() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- | awk -F'[(),]' -v want="$3" '
    BEGIN { split(want, c, ",") }
    function near(a, b) { return a - b <= 10 && b - a <= 10 }
    NR > 1 && near($3, c[1]) && near($4, c[2]) && near($5, c[3]) { n++ }
    END { print n + 0 }'
}

# True when images $1 and $2 are identical, pixel for pixel.
same_picture() {
  local diff
  diff=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  [ "${diff%%.*}" = 0 ]
}

# Takes screenshots $1 and $2 of the game window one second apart; true when they are the
# same picture.
still_for_a_second() {
  screenshot "$1" "$WIN" >/dev/null
  sleep 1
  screenshot "$2" "$WIN" >/dev/null
  same_picture "$E2E_ARTIFACTS/$1" "$E2E_ARTIFACTS/$2"
}
