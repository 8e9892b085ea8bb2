#!/usr/bin/env bash
# Frame rate of two builds side by side: each view's timedemo (800 x 600, fixed seed, 20 ms of
# game time a frame) run by the old and the new build in turn, RUNS times each, under one Xvfb,
# so that load from elsewhere on the machine falls on both alike. Prints every run and then,
# per view, the median frames per second of each build and their ratio.
#   bench/frame_rate.sh OLD_ZOMA NEW_ZOMA [RUNS] [FRAMES] [DATA]
# DATA defaults to the golden frames' frozen copy of the shipped data.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
old=$(realpath "$1")
new=$(realpath "$2")
runs=${3:-3}
frames=${4:-300}
data=$(realpath "${5:-$here/tests/golden/data}")

views=("top-down|" "follow|--view follow" "curved|--view curved" "night|--view night"
       "whole-world|--view world" "debug|--view debug" "1000 critters|--critters 1000")

display=":$((200 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1

# Frames per second from the timedemo's last line.
fps() {
  local zoma=$1; shift
  # shellcheck disable=SC2068 # the options are words
  (cd "$data" && "$zoma" --timedemo "$frames" $@ | tail -n 1 | awk '{ print $(NF - 1) }')
}

median() { tr ' ' '\n' | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

summary=()
for entry in "${views[@]}"; do
  name=${entry%%|*} options=${entry#*|}
  old_runs=() new_runs=()
  for ((run = 1; run <= runs; run++)); do
    # shellcheck disable=SC2086
    old_runs+=("$(fps "$old" $options)")
    # shellcheck disable=SC2086
    new_runs+=("$(fps "$new" $options)")
    echo "$name run $run: old ${old_runs[-1]} frames/s, new ${new_runs[-1]} frames/s"
  done
  o=$(echo "${old_runs[*]}" | median) n=$(echo "${new_runs[*]}" | median)
  summary+=("$(awk -v v="$name" -v o="$o" -v n="$n" 'BEGIN { printf "| %-13s | %7.1f | %7.1f | %5.2fx |", v, o, n, n / o }')")
done
echo
echo "| view          | old f/s | new f/s | ratio |"
echo "|---------------|---------|---------|-------|"
printf '%s\n' "${summary[@]}"
