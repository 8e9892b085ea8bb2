# Shared steps of the evolution tests: where the dialog's controls are in the game window, how
# a screenshot tells whether the dialog is shown, and the check of the printed abilities.
# Sourced after lib.sh.

# The dialog's corner is at window pixels (100, 200); it is 190 x 290.
DIALOG_CROP=190x290+100+200
# Inside the dialog between the title and the first row: nothing but the black fill.
DIALOG_GAP_CROP=30x12+250+217
PLUS_X=235
OK_X=245
OK_Y=470
row_y() { echo $((242 + 30 * $1)); }
# The value box of row $1.
value_crop() { echo "18x18+191+$((233 + 30 * $1))"; }

# Fraction (0..1) of the dialog area in the dialog's green.
green_fraction() {
  convert "$1" -crop "$DIALOG_CROP" +repage -fuzz 8% -fill white -opaque lime \
    -fill black +opaque white -colorspace gray -format '%[fx:mean]' info:
}

# The dialog is shown when its gap is black and its frames and labels put enough green on screen.
dialog_shown() {
  local gap green
  gap=$(mean_colour "$1" "$DIALOG_GAP_CROP")
  green=$(green_fraction "$1")
  read -r r g b <<<"$gap"
  ((r < 8 && g < 8 && b < 8)) && awk -v f="$green" 'BEGIN { exit !(f > 0.03) }'
}

# Polls screenshots of window $1 until the dialog is $2 (shown or hidden); keeps the last as $3.
wait_for_dialog() {
  local win=$1 want=$2 file=$3 deadline=$((SECONDS + 5))
  while ((SECONDS < deadline)); do
    screenshot "$file" "$win" >/dev/null
    if dialog_shown "$E2E_ARTIFACTS/$file"; then [ "$want" = shown ] && return 0
    else [ "$want" = hidden ] && return 0; fi
    sleep 0.2
  done
  return 1
}

# True when row $2's value box in a new screenshot differs from the one in $3.
row_value_changed() {
  local win=$1 row=$2 reference=$3 file=$4 diff
  screenshot "$file" "$win" >/dev/null
  convert "$E2E_ARTIFACTS/$reference" -crop "$(value_crop "$row")" +repage "$E2E_WORK/value-before.png"
  convert "$E2E_ARTIFACTS/$file" -crop "$(value_crop "$row")" +repage "$E2E_WORK/value-after.png"
  diff=$(compare -metric AE -fuzz 10% "$E2E_WORK/value-before.png" "$E2E_WORK/value-after.png" \
    null: 2>&1 || true)
  ((${diff%%.*} > 0))
}

# The seven ability lines in their order and formats, then the separator, printed $1 times.
check_ability_lines() {
  local expected=$1 blocks
  blocks=$(awk '
    BEGIN {
      n = split("Avatar Walk Speed: |Avatar Run Speed: |Avatar Attack : |Avatar Defend: |" \
                "Avatar Stealth: |Avatar Climb: |Avatar Swim: ", label, "|")
      number = "^-?([0-9]+\\.[0-9][0-9][0-9][0-9][0-9][0-9]|inf|nan)$"
    }
    # Script comments echo at start-up without a line end, so the first line of a block may
    # follow such text; the others start their lines.
    step < n && (at = index($0, label[step + 1])) > 0 && (at == 1 || step == 0) &&
      substr($0, at + length(label[step + 1])) ~ number { step++; next }
    step == n && $0 == "----------------------" { blocks++; step = 0; next }
    step > 0 { bad = 1 }
    END { print bad ? -1 : blocks + 0 }' "$GAME_OUT")
  [ "$blocks" = "$expected" ] ||
    fail "expected $expected block(s) of ability lines on standard output, found $blocks"
}
