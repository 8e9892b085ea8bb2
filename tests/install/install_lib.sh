# Shared steps of the install tests: a scratch folder removed on exit, the build installed into
# a DESTDIR there as a package would lay it out (prefix /usr), and a home folder of its own so
# nothing a program makes reaches the real one.
set -euo pipefail

: "${ZOMA_BUILD_DIR:?run through ctest, which sets ZOMA_BUILD_DIR}"
: "${ZOMA_SOURCE_DIR:?}" "${ZOMA_VERSION:?}"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PROGRAMS=(zoma zoma-config zoma-script zoma-sim)
DATA_FILES=(ZOMA.ini avatar_motives.txt combat.txt nesting.txt evolutionPoints.txt move_nest.txt
            carry_carcass.txt species_evolve.txt)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Installs the build into $WORK/root with prefix /usr; prints the tree's root.
install_tree() {
  DESTDIR="$WORK/root" cmake --install "$ZOMA_BUILD_DIR" --prefix /usr >"$WORK/install.log" ||
    fail "cmake --install failed: $(tail -n 5 "$WORK/install.log")"
  echo "$WORK/root"
}

# A fresh, empty home folder; XDG_DATA_HOME unset, so the player's folder is under it.
fresh_home() {
  local home
  home=$(mktemp -d "$WORK/home.XXXXXX")
  echo "$home"
}

# Runs a program from folder $1 with home $2 and no display: "$@" after them. Its standard
# output, standard error and status go to OUT, ERR and STATUS.
run_in() {
  local folder=$1 home=$2
  shift 2
  STATUS=0
  (cd "$folder" && env -u DISPLAY -u XDG_DATA_HOME HOME="$home" timeout 60 "$@" >"$WORK/out" 2>"$WORK/err") || STATUS=$?
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}

# The one line a first run prints about the player's folder it made from installed data $2.
first_run_line() { echo "$1: made your data folder $2/.local/share/zoma/data from $3; edit ZOMA.ini and the scripts there to change the game"; }

# Every data file of folder $2 equals the shipped one in $1.
same_data() {
  local file
  for file in "${DATA_FILES[@]}"; do
    cmp -s "$1/$file" "$2/$file" || fail "$2/$file differs from $1/$file"
  done
}
