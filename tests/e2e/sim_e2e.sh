#!/usr/bin/env bash
# The headless simulator as a designer uses it: five days on the shipped data print five day
# lines and a closing line; critters flock by day and sleep at night; the same seed prints the
# same days; a lone critter and an empty world run to the end; bad options are refused. As a
# balance lab: the autopilot, a sweep over seeds in parallel with its summary, CSV, the plot,
# the progress bar only on a terminal, and the shipped data's balance target.
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

# Every day line ends with what befell the avatar and the species' counts and deaths.
day_tail='\| avatar deaths [0-9]+ \(starved [0-9]+, killed [0-9]+, other [0-9]+\), kills [0-9]+, meals [0-9]+ \| species( [0-9]+)+ \| species deaths( [0-9]+)+$'
[ "$(grep -cE "^day .*$day_tail" <<<"$out")" = 5 ] || fail "day lines without the avatar's and species' figures: $out"
# Each day's species deaths add up to that day's dead critters: per day, not since the start.
# Deaths before the last day make the check bite, as a running total would then outgrow them.
awk '/^day / {
  match($0, /died and respawned [0-9]+/); died = substr($0, RSTART + 19, RLENGTH - 19)
  n = split(substr($0, index($0, "species deaths ") + 15), deaths, " ")
  sum = 0; for (i = 1; i <= n; i++) sum += deaths[i]
  if (sum != died) { print "day " $2 ": species deaths add up to " sum ", died " died; bad = 1 }
  if ($2 < 5) earlier += died
} END { if (!earlier) { print "no critter died before the last day"; bad = 1 }; exit bad }' <<<"$out" ||
  fail "species deaths are not per day: $out"

played=$(run_sim --seed 3 --days 2 --autopilot) || fail "--autopilot exited with $?"
[ "$played" != "$(run_sim --seed 3 --days 2)" ] || fail "the autopilot changed nothing"
[ "$(grep '^day ' <<<"$played")" = "$(run_sim --seed 3 --days 2 --autopilot | grep '^day ')" ] ||
  fail "the autopilot played the same seed differently"

# A sweep: one line per seed and day in seed order, then the summary; any number of jobs gives
# the same output, and the CSV holds every figure of every day.
sweep() { "$SIM" --data "$DATA" --seeds 2-5 --days 2 --autopilot "$@" 2>"$E2E_WORK/sweep-stderr.txt"; }
swept=$(sweep --jobs 3 --csv "$E2E_WORK/sweep.csv" --plot "$E2E_WORK/sweep.svg") || fail "the sweep exited with $?"
echo "$swept" >"$E2E_ARTIFACTS/sweep.txt"
cp "$E2E_WORK/sweep.csv" "$E2E_WORK/sweep.svg" "$E2E_ARTIFACTS"/ 2>/dev/null || true
[ "$(grep -oE '^seed [0-9]+ day [0-9]+' <<<"$swept" | tr '\n' ,)" = \
  "seed 2 day 1,seed 2 day 2,seed 3 day 1,seed 3 day 2,seed 4 day 1,seed 4 day 2,seed 5 day 1,seed 5 day 2," ] ||
  fail "not one line per seed and day in seed order: $swept"
tail -n 1 <<<"$swept" | grep -qE '^summary: seeds 4, days 2, avatar deaths median [0-9.]+ \(min [0-9]+, max [0-9]+\), kills median [0-9.]+, meals median [0-9.]+' ||
  fail "no summary line: $swept"
[ "$(sweep --jobs 1)" = "$swept" ] || fail "one job printed another sweep than three"
[ "$(grep 'seed 3 day' <<<"$swept" | sed 's/^seed 3 //')" = "$(run_sim --seed 3 --days 2 --autopilot | grep '^day ')" ] ||
  fail "a sweep's seed differs from the same seed run alone"
[ ! -s "$E2E_WORK/sweep-stderr.txt" ] || fail "the sweep wrote to a standard error that is no terminal"
[ "$(wc -l <"$E2E_WORK/sweep.csv")" = 9 ] || fail "the CSV should have a header and 8 rows"
head -n 1 "$E2E_WORK/sweep.csv" | grep -q '^seed,day,midday_flocking,.*,avatar_health,avatar_hunger,.*,avatar_meals,species1,' ||
  fail "CSV header: $(head -n 1 "$E2E_WORK/sweep.csv")"
grep -q '^3,2,' "$E2E_WORK/sweep.csv" || fail "no CSV row for seed 3, day 2"
grep -q '<svg' "$E2E_WORK/sweep.svg" && grep -q 'seed 5' "$E2E_WORK/sweep.svg" || fail "the plot is no drawing of the sweep"

# On a terminal the sweep shows its progress on standard error.
on_terminal=$(script -qec "$SIM --data $DATA --seeds 1-2 --days 1 >/dev/null" /dev/null) || fail "the sweep failed on a terminal"
grep -q '2/2 seeds' <<<"$on_terminal" || fail "no progress bar on a terminal: $on_terminal"

# The shipped world's balance target over seeds 1-8 and 6 days: an idle avatar dies (median at
# least once); the autopilot dies at most once (median) and eats at least one meal (median).
median() { sed -E "s/.* $1 median ([0-9.]+).*/\1/" <<<"$2"; }
idle=$("$SIM" --data "$DATA" --seeds 1-8 --days 6 2>/dev/null | tail -n 1)
played=$("$SIM" --data "$DATA" --seeds 1-8 --days 6 --autopilot 2>/dev/null | tail -n 1)
awk -v d="$(median 'avatar deaths' "$idle")" 'BEGIN { exit !(d >= 1) }' || fail "the idle avatar survives: $idle"
awk -v d="$(median 'avatar deaths' "$played")" -v m="$(median meals "$played")" 'BEGIN { exit !(d <= 1 && m >= 1) }' ||
  fail "the autopilot dies too often or never eats: $played"

for bad in "--seeds 5-2" "--seeds 3" "--jobs 0" "--seeds 1-2 --jobs x"; do
  status=0
  # shellcheck disable=SC2086
  "$SIM" --data "$DATA" $bad >/dev/null 2>&1 || status=$?
  [ "$status" = 2 ] || fail "$bad: exit status $status, not 2"
done
echo "PASS"
