#!/usr/bin/env bash
# The headless simulator as a designer uses it: five days on the shipped data print five day
# lines and a closing line; critters flock by day and sleep at night; the same seed prints the
# same days; a lone critter and an empty world run to the end; bad options are refused.
source "$(dirname "$0")/lib.sh"

SIM="$ZOMA_BUILD_DIR/zoma-sim"
DATA="$ZOMA_SOURCE_DIR/data"

run_sim() { "$SIM" --data "$DATA" "$@" 2>"$E2E_WORK/sim-stderr.txt"; }

out=$(run_sim --seed 1 --days 5) || fail "zoma-sim exited with $?"
echo "$out" >"$E2E_ARTIFACTS/seed1.txt"
[ "$(grep -c '^day ' <<<"$out")" = 5 ] || fail "expected 5 day lines, got: $out"
grep -q '^ticks [0-9]*, wall time [0-9.]* s, [0-9]* ticks per second$' <<<"$out" ||
  fail "no closing line with ticks, wall time and ticks per second"
[ "$(wc -l <<<"$out")" = 6 ] || fail "expected nothing but the day lines and the closing line"

# Most shipped species are active by day: at midday more critters flock than sleep, at midnight
# more sleep or go home than flock.
while read -r day mid_flock mid_sleep night_flock night_rest; do
  ((mid_flock > mid_sleep)) || fail "day $day: at midday $mid_flock flock, $mid_sleep sleep"
  ((night_rest > night_flock)) || fail "day $day: at midnight $night_flock flock, $night_rest rest"
done < <(sed -E 's/^day ([0-9]+) \| midday: flocking ([0-9]+) fighting [0-9]+ sleeping ([0-9]+) going home [0-9]+ \| midnight: flocking ([0-9]+) fighting [0-9]+ sleeping ([0-9]+) going home ([0-9]+) .*/\1 \2 \3 \4 \5 \6/;t;d' <<<"$out" |
  awk '{print $1, $2, $3, $4, $5 + $6}')

again=$(run_sim --seed 1 --days 5) || fail "second run exited with $?"
[ "$(grep '^day ' <<<"$out")" = "$(grep '^day ' <<<"$again")" ] || fail "the same seed printed different days"
other=$(run_sim --seed 2 --days 2 --critters 300) || fail "seed 2 exited with $?"
first=$(run_sim --seed 1 --days 2 --critters 300) || fail "seed 1 with 300 critters exited with $?"
[ "$other" != "$first" ] || fail "seeds 1 and 2 printed the same days"
[ "$(grep -c '^day ' <<<"$first")" = 2 ] || fail "--days 2 did not print 2 days"
midday_total=$(sed -E 's/^day 1 \| midday: flocking ([0-9]+) fighting ([0-9]+) sleeping ([0-9]+) going home ([0-9]+) .*/\1+\2+\3+\4/;t;d' <<<"$first")
[ "$((midday_total))" = 300 ] || fail "--critters 300 did not give 300 critters: $first"

for critters in 0 1; do
  lone=$(timeout 60 "$SIM" --data "$DATA" --days 1 --critters "$critters" 2>/dev/null) ||
    fail "--critters $critters did not run to the end"
  grep -q '^day 1 ' <<<"$lone" || fail "--critters $critters printed no day"
done

for bad in "--days 0" "--seed x" "--critters -3" "--frobnicate 1" "--days"; do
  status=0
  # shellcheck disable=SC2086
  "$SIM" --data "$DATA" $bad >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "$bad: exit status $status, not 2"
done
"$SIM" --data "$E2E_WORK/no-such-folder" >/dev/null 2>&1 && fail "accepted a missing data folder"
echo "PASS"
