#!/usr/bin/env bash
# The layers run one way: a file includes only from its own folder's layer or the layers below
# it, and the headless core (every file not named *_gl.*, and not the game's main) never includes
# a GL header.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layers=(platform game terrain script world save dialog render app tools)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

failures=0
for dir in "${layers[@]}"; do
  for file in "$dir"/*.h "$dir"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      target=${included%%/*}
      [ -n "${rank[$target]+set}" ] || continue
      if ((rank[$target] > rank[$dir])); then
        echo "$file includes $included: $target/ is above $dir/"
        failures=$((failures + 1))
      fi
    done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$file")
    if [[ $file != *_gl.* && $file != app/main.cpp && $file != tools/* ]] && grep -q '^#include <GL/' "$file"; then
      echo "$file is in the headless core but includes a GL header"
      failures=$((failures + 1))
    fi
  done
done
((failures == 0)) && echo "layers: every include runs downwards"
exit $((failures > 0))
