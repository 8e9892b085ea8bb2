#!/usr/bin/env bash
# The game and its ZOMA.ini as a player meets them: started with no ZOMA.ini, with the shipped
# one, with a broken one (evolve_interval 0, every proportion 0, a day and a night of 0 s), and
# with folders and a FIFO where ZOMA.ini and two scripts should be, it shows its window and
# keeps answering the keyboard; what it could not read and the broken file's values are named
# on standard output, and the shipped file gives no such line.
source "$(dirname "$0")/lib.sh"

MENDED_LINES=(
  "ZOMA.ini: game.evolve_interval=0 is below 1; using 1"
  "ZOMA.ini: game.day_length and game.night_length make a day cycle of 0 ms; using 150 and 3"
  "ZOMA.ini: the speciesN.proportion values total 0; using 1 for each species"
)

# A copy of the shipped data with ZOMA.ini replaced (or removed when $2 is empty).
make_data() {
  local dir="$E2E_WORK/data-$1"
  mkdir -p "$dir"
  cp -r "$ZOMA_SOURCE_DIR/data"/. "$dir"/
  rm -f "$dir/ZOMA.ini"
  [ -z "$2" ] || printf '%b' "$2" >"$dir/ZOMA.ini"
  echo "$dir"
}

# A running game redraws at once when the view changes; a hung one does not.
answers_keys() {
  local main=$1 label=$2 before
  before=$(screenshot "$label-before.png" "$main")
  press_key "$main" minus
  view_changed() {
    local after changed
    after=$(screenshot "$label-after.png" "$main")
    changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
    [ "$changed" != 0 ]
  }
  wait_until 10 view_changed || fail "$label: the view did not change after the - key"
}

# Starts the game from data folder $2 and checks it plays on for a few seconds.
play_with() {
  local label=$1 data=$2 main
  stop_game
  rm -rf "$E2E_WORK/game"
  GAME_DATA=$data start_game
  dismiss_about_box
  main=$(wait_for_window "GLUT App" 30)
  sleep 3
  game_running || fail "$label: the game ended"
  answers_keys "$main" "$label"
  game_running || fail "$label: the game ended"
}

no_mended_lines() {
  ! grep -qF "ZOMA.ini: " "$GAME_OUT" || fail "$1: a sound file was reported as mended: $(grep -F "ZOMA.ini: " "$GAME_OUT")"
}

# Lines naming what the game could not read, or mended, in the game's folder.
expect_lines() {
  local label=$1 line
  shift
  for line in "$@"; do
    grep -qF "$line" "$GAME_OUT" || fail "$label: standard output lacks \"$line\""
  done
}

CAMERA_MEND="ZOMA.ini: game.max_camera_dist=0 cannot show the world; using 15, 150 and 50 for the smallest, largest and starting distance"

play_with no-ini "$(make_data none "")"
expect_lines no-ini "ZOMA.ini: $E2E_WORK/game/ZOMA.ini does not exist; using the defaults" "$CAMERA_MEND"

folders=$(make_data folders "")
mkdir "$folders/ZOMA.ini"
rm "$folders/combat.txt" && mkdir "$folders/combat.txt"
rm "$folders/species_evolve.txt" && mkfifo "$folders/species_evolve.txt"
play_with folders "$folders"
expect_lines folders "ZOMA.ini: $E2E_WORK/game/ZOMA.ini is a folder; using the defaults" "$CAMERA_MEND" \
  "combat.txt is a folder; it counts as missing" "species_evolve.txt is a FIFO, not a regular file; it counts as missing"

play_with shipped "$ZOMA_SOURCE_DIR/data"
no_mended_lines shipped

broken="[game]\nmin_camera_dist=15\nmax_camera_dist=150\ndefault_camera_dist=50\nevolve_interval=0\nday_length=0\nnight_length=0\n[species]\nnum_species=3\nnum_critters=30\n"
broken+="[species1]\nproportion=0\nwalk_speed=1\n[species2]\nproportion=0\nwalk_speed=1\n[species3]\nproportion=0\nwalk_speed=1\n"
play_with broken "$(make_data broken "$broken")"
# Script comments are echoed without a line end, so a line may follow one on the same line.
expect_lines broken "${MENDED_LINES[@]}"
sleep 2
game_running || fail "broken: the game ended"
stop_game
echo "config: the game plays with no ZOMA.ini, folders and a FIFO for its files, the shipped one and a broken one, whose values are mended and named"
