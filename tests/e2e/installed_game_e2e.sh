#!/usr/bin/env bash
# The installed game as a player starts it from the menu: from the home folder, with no data
# there. It makes the player's data folder from the installed data, says so in one line, and
# shows its window with the shipped world, read from that folder.
source "$(dirname "$0")/lib.sh"

ROOT=$E2E_WORK/root
DESTDIR=$ROOT cmake --install "$ZOMA_BUILD_DIR" --prefix /usr >"$E2E_WORK/install.log" || fail "cmake --install failed"
HOME_DIR=$E2E_WORK/home
mkdir -p "$HOME_DIR"
# A fixed seed: in some worlds a tree's crown covers the avatar where it starts.
(cd "$HOME_DIR" && exec env -u XDG_DATA_HOME HOME="$HOME_DIR" "$ROOT/usr/games/zoma" --seed 42 >"$GAME_OUT" 2>"$GAME_ERR") &
GAME_PID=$!
dismiss_about_box
main=$(wait_for_window "GLUT App" 30)
panel=$(wait_for_window "Sample App Control Panel" 30)

PLAYER=$HOME_DIR/.local/share/zoma/data
expected="zoma: made your data folder $PLAYER from $ROOT/usr/share/zoma; edit ZOMA.ini and the scripts there to change the game"
[ "$(cat "$GAME_ERR")" = "$expected" ] || fail "standard error is not the one line \"$expected\""
for file in ZOMA.ini combat.txt species_evolve.txt; do
  cmp -s "$ZOMA_SOURCE_DIR/data/$file" "$PLAYER/$file" || fail "$PLAYER/$file is not the shipped $file"
done
# The shipped scripts' comments are echoed as they compile; ZOMA.ini needs no mending.
wait_for_output "Motives: hunger falls" 10
! grep -qF "ZOMA.ini: " "$GAME_OUT" || fail "the shipped ZOMA.ini was not read: $(grep -F "ZOMA.ini: " "$GAME_OUT")"

# The shipped world: the avatar, an arrowhead of its species' yellow, stands in the middle.
sleep 2
shot=$(screenshot installed_world.png "$main")
read -r r g b <<<"$(mean_colour "$shot" 12x12+394+294)"
((r > 150 && g > 120 && b < 110)) || fail "no yellow avatar in the middle of the window (mean $r $g $b)"
game_running || fail "the game ended"
