#!/usr/bin/env bash
# Saving and continuing in the real game, with the saves under a scratch XDG_DATA_HOME: F9 with
# nothing saved says so; F5 saves (the game paused, so the world stands still), the world moves
# on, F9 brings the saved one back, which F5 then saves again byte for byte; closing the window
# autosaves that same world; `zoma --continue` starts from the newest save and `--load FILE`
# from a file; with no save, --continue says so and starts a new game.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/view_lib.sh"

export XDG_DATA_HOME="$E2E_WORK/xdg"
SAVES="$XDG_DATA_HOME/zoma/saves"
QUICK="$SAVES/quicksave.json"

# F5 on the paused game, then the quicksave compared with $1.
save_matches() {
  local before
  before=$(grep -c "Game saved" "$GAME_OUT" || true)
  press_key "$WIN" F5
  wait_until 10 eval '(($(grep -c "Game saved" "$GAME_OUT") > before))' || fail "F5 did not save"
  cmp -s "$QUICK" "$1"
}

start_playing
press_key "$WIN" F9
wait_for_output "Game not loaded: $QUICK: does not exist"
game_running || fail "a failed F9 ended the game"

press_key "$WIN" p
press_key "$WIN" F5
wait_for_output "Game saved"
screenshot saved-notice.png "$WIN" >/dev/null
[ -s "$QUICK" ] || fail "F5 wrote no $QUICK"
cp "$QUICK" "$E2E_WORK/first.json"

press_key "$WIN" p  # the world moves on for a while
sleep 2
press_key "$WIN" F9
wait_for_output "Game loaded"
save_matches "$E2E_WORK/first.json" || fail "the world after F9 is not the one F5 saved"

close_window_as_wm "$WIN"
wait_for_game_exit 20
cmp -s "$SAVES/autosave-1.json" "$E2E_WORK/first.json" || fail "closing the window did not autosave the world"

# A save holds where the last frame drew each critter: F5 only once a full-size frame is drawn.
start_playing --continue
wait_for_output "Game loaded"
save_matches "$E2E_WORK/first.json" || fail "--continue did not start from the newest save"
stop_game

cp "$E2E_WORK/first.json" "$E2E_WORK/given.json"
start_playing --load "$E2E_WORK/given.json"
wait_for_output "Game loaded"
save_matches "$E2E_WORK/first.json" || fail "--load FILE did not start from the file"
stop_game

rm -rf "$SAVES"
start_game --continue
dismiss_about_box
wait_for_output "zoma: no saved game in $SAVES; starting a new game"
echo "save: F5 and F9, the autosave on closing, --continue and --load give back the saved world"
