#!/usr/bin/env bash
# The fast drawing against the plain one it replaced: each frame listed in
# tests/golden/plain_cases.txt is drawn both ways from the frozen data and must come out the
# same to the last pixel. Differing pairs are kept in the artifacts.
source "$(dirname "$0")/lib.sh"

GOLDEN="$ZOMA_SOURCE_DIR/tests/golden"
shoot() {
  # shellcheck disable=SC2086 # the options are words
  (cd "$GOLDEN/data" && "$ZOMA_BIN" --shot "$@" >"$GAME_OUT" 2>"$GAME_ERR") || fail "the timedemo failed: $*"
}

failed=()
case_number=0
while read -r frame options; do
  [[ -z "$frame" || "$frame" == \#* ]] && continue
  case_number=$((case_number + 1))
  fast="$E2E_ARTIFACTS/$case_number-fast.ppm" plain="$E2E_ARTIFACTS/$case_number-plain.ppm"
  # shellcheck disable=SC2086
  shoot "$frame" "$fast" $options
  # shellcheck disable=SC2086
  shoot "$frame" "$plain" --plain $options
  differing=$(compare -metric AE "$plain" "$fast" null: 2>&1 || true)
  if [ "$differing" = 0 ]; then rm -f "$fast" "$plain"; else failed+=("frame $frame $options ($differing pixels)"); fi
done <"$GOLDEN/plain_cases.txt"
((${#failed[@]} == 0)) || fail "the fast drawing differs from the plain one: ${failed[*]}"
echo "plain and fast drawing: $case_number frames drawn alike"
