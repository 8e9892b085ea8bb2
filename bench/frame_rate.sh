#!/usr/bin/env bash
# Frame rate of two builds side by side: each view's timedemo (800 x 600, fixed seed, 20 ms of
# game time a frame) run by the old and the new build in turn, RUNS times each, under one Xvfb,
# so that load from elsewhere on the machine falls on both alike. Prints every run and then,
# per view, the median frames per second of each build and their ratio, and the same for the
# processor time a frame takes (all threads), which other load disturbs less, and the new
# build's share of frames longer than 20 ms (game time falls behind in those). A build whose
# timedemo prints no processor line gets "-" there.
#   bench/frame_rate.sh OLD_ZOMA NEW_ZOMA [RUNS] [FRAMES] [DATA] [CRITTERS]
# DATA defaults to the golden frames' frozen copy of the shipped data. With CRITTERS, the
# crowded views instead: top-down, follow and whole world, each with that many critters.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
old=$(realpath "$1")
new=$(realpath "$2")
runs=${3:-3}
frames=${4:-300}
data=$(realpath "${5:-$here/tests/golden/data}")
critters=${6:-}

views=("top-down|" "follow|--view follow" "curved|--view curved" "night|--view night"
       "whole-world|--view world" "debug|--view debug" "1000 critters|--critters 1000")
if [ -n "$critters" ]; then
  views=("top-down|--critters $critters" "follow|--view follow --critters $critters"
         "whole-world|--view world --critters $critters")
fi

display=":$((200 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1

# "FPS MS SLOW": frames per second from the timedemo's last line, processor ms a frame and the
# percent of frames longer than 20 ms from the lines before it (or "-").
measure() {
  local zoma=$1; shift
  # shellcheck disable=SC2068 # the options are words
  (cd "$data" && "$zoma" --timedemo "$frames" $@ | awk '
    /^timedemo: frames longer/ { slow = $NF; sub("%", "", slow) }
    /^timedemo: processor/ { ms = $3 }
    /^timedemo: [0-9]/ { fps = $(NF - 1) }
    END { print fps, (ms == "" ? "-" : ms), (slow == "" ? "-" : slow) }')
}

median() { tr ' ' '\n' | grep -v '^-$' | sort -g | awk '{ v[NR] = $1 } END { if (!NR) print "-"; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

summary=()
for entry in "${views[@]}"; do
  name=${entry%%|*} options=${entry#*|}
  old_fps=() new_fps=() old_ms=() new_ms=() new_slow=()
  for ((run = 1; run <= runs; run++)); do
    # shellcheck disable=SC2086
    read -r f m s < <(measure "$old" $options); old_fps+=("$f"); old_ms+=("$m")
    # shellcheck disable=SC2086
    read -r f m s < <(measure "$new" $options); new_fps+=("$f"); new_ms+=("$m"); new_slow+=("$s")
    echo "$name run $run: old ${old_fps[-1]} frames/s ${old_ms[-1]} ms, new ${new_fps[-1]} frames/s ${new_ms[-1]} ms, ${new_slow[-1]}% over 20 ms"
  done
  summary+=("$(awk -v v="$name" -v of="$(echo "${old_fps[*]}" | median)" -v nf="$(echo "${new_fps[*]}" | median)" \
    -v om="$(echo "${old_ms[*]}" | median)" -v nm="$(echo "${new_ms[*]}" | median)" \
    -v ns="$(echo "${new_slow[*]}" | median)" 'BEGIN {
      cpu = (om == "-" || nm == "-") ? sprintf("%7s | %7s | %6s", om, nm, "-") : sprintf("%7.2f | %7.2f | %5.2fx", om, nm, om / nm)
      printf "| %-13s | %7.1f | %7.1f | %5.2fx | %s | %6s%% |", v, of, nf, nf / of, cpu, ns }')")
done
echo
echo "| view          | old f/s | new f/s | ratio  | old ms  | new ms  | ratio  | > 20 ms |"
echo "|---------------|---------|---------|--------|---------|---------|--------|---------|"
printf '%s\n' "${summary[@]}"
