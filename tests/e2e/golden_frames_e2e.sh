#!/usr/bin/env bash
# The golden frames: every frame listed in tests/golden/frames.txt, drawn again by the timedemo
# from the frozen data beside it, must match its picture to the last pixel. A frame that
# differs is kept with a difference picture in the artifacts for a person to look at.
source "$(dirname "$0")/lib.sh"

GOLDEN="$ZOMA_SOURCE_DIR/tests/golden"
failed=()
while read -r name frame options; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  shot="$E2E_ARTIFACTS/$name.ppm"
  # shellcheck disable=SC2086 # the options are words
  (cd "$GOLDEN/data" && "$ZOMA_BIN" --shot "$frame" "$shot" $options >"$GAME_OUT" 2>"$GAME_ERR") ||
    fail "$name: the timedemo failed"
  differing=$(compare -metric AE "$GOLDEN/$name.png" "$shot" "$E2E_ARTIFACTS/$name-diff.png" 2>&1 || true)
  if [ "$differing" = 0 ]; then
    rm -f "$shot" "$E2E_ARTIFACTS/$name-diff.png"
  else
    failed+=("$name ($differing pixels)")
  fi
done <"$GOLDEN/frames.txt"
((${#failed[@]} == 0)) || fail "frames differ from their goldens: ${failed[*]}"
echo "golden frames: every frame matches its picture"
