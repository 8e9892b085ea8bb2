# Shared steps of the windowed tests: each test sources this file, gets its own Xvfb server on
# a free display and a scratch folder with a copy of the shipped data, runs the real game there
# and drives it with xdotool as a player would. Everything is torn down on exit; screenshots
# are kept in build/e2e-artifacts/<test>/ for a person to look at.
set -euo pipefail

: "${ZOMA_BIN:?run through ctest, which sets ZOMA_BIN}"
: "${ZOMA_SOURCE_DIR:?}" "${ZOMA_BUILD_DIR:?}"

E2E_NAME=$(basename "$0" .sh)
E2E_WORK=$(mktemp -d)
E2E_ARTIFACTS="$ZOMA_BUILD_DIR/e2e-artifacts/$E2E_NAME"
mkdir -p "$E2E_ARTIFACTS"
rm -f "$E2E_ARTIFACTS"/*
XVFB_PID=""
GAME_PID=""
GAME_OUT="$E2E_WORK/stdout.txt"
# A sanitizer build of the game reports only its own leaks, not those of the X and GL libraries.
export LSAN_OPTIONS="suppressions=$ZOMA_SOURCE_DIR/tests/e2e/lsan.supp:print_suppressions=0"
GAME_ERR="$E2E_WORK/stderr.txt"

e2e_cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  cp -f "$GAME_OUT" "$GAME_ERR" "$E2E_ARTIFACTS"/ 2>/dev/null || true
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT
# A test stopped from outside (a ctest timeout, Ctrl-C) still takes its server and game along.
trap 'exit 143' TERM
trap 'exit 130' INT

fail() {
  echo "FAIL: $*" >&2
  echo "--- game stdout (tail) ---" >&2; tail -n 20 "$GAME_OUT" >&2 2>/dev/null || true
  echo "--- game stderr (tail) ---" >&2; tail -n 20 "$GAME_ERR" >&2 2>/dev/null || true
  exit 1
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_until() {
  local limit=$1; shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts Xvfb on the first free display from a random start, and waits until it answers.
start_xvfb() {
  local n=$((100 + RANDOM % 400))
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  # -noreset: a bare server otherwise resets whenever its last client (a probe, xdotool) leaves.
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$E2E_WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  wait_until 10 xdpyinfo || fail "Xvfb did not start on $DISPLAY"
}

# Copies a data folder (default: the shipped data/) to the scratch folder and starts the game
# there, as a player would from that folder. Extra arguments go to the game.
start_game() {
  local data=${GAME_DATA:-$ZOMA_SOURCE_DIR/data}
  mkdir -p "$E2E_WORK/game"
  cp -r "$data"/. "$E2E_WORK/game"/ 2>/dev/null || true
  (cd "$E2E_WORK/game" && exec "$ZOMA_BIN" "$@" >"$GAME_OUT" 2>"$GAME_ERR") &
  GAME_PID=$!
}

game_running() { kill -0 "$GAME_PID" 2>/dev/null; }

# Ends the game (if still running) so that the test can start it again.
stop_game() {
  [ -n "$GAME_PID" ] || return 0
  kill "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
}

# Waits at most $1 seconds for the game to end by itself; its exit status goes to GAME_STATUS.
wait_for_game_exit() {
  local limit=$1
  wait_until "$limit" eval '! game_running' || fail "the game still runs after ${limit}s"
  GAME_STATUS=0
  wait "$GAME_PID" 2>/dev/null || GAME_STATUS=$?
  GAME_PID=""
}

# Prints the id of the visible window whose title is exactly $1.
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

wait_for_window() {
  local name=$1 limit=${2:-20}
  wait_until "$limit" window_id "$name" || fail "no window \"$name\" after ${limit}s"
  window_id "$name"
}

window_gone() { [ -z "$(window_id "$1")" ]; }

# Window geometry as X, Y, WIDTH, HEIGHT variables (root coordinates).
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Moves the pointer to (x, y) inside window $1, so keys go to it (no window manager: focus
# follows the pointer).
point_at() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.05
}

click_at() {
  point_at "$1" "$2" "$3"
  xdotool click 1
}

press_key() {
  point_at "$1" "${3:-400}" "${4:-300}"
  xdotool key "$2"
}

# Dismisses the start-up about box as a player would: Return with the pointer over it.
dismiss_about_box() {
  local box
  box=$(wait_for_window ZOMA 20)
  window_geometry "$box"
  point_at "$box" $((WIDTH / 2)) $((HEIGHT / 2))
  xdotool key Return
  wait_until 10 window_gone ZOMA || fail "the about box did not close on Return"
}

# Asks window $1 to close as a window manager's close button does (WM_DELETE_WINDOW). There is
# no window manager here, and `xdotool windowclose` destroys the window instead, which no player
# can do. The small sender is built once per build folder.
close_window_as_wm() {
  local tool="$ZOMA_BUILD_DIR/e2e-tools/wm_close" source="$ZOMA_SOURCE_DIR/tests/e2e/wm_close.c"
  if [ ! -x "$tool" ] || [ "$source" -nt "$tool" ]; then
    mkdir -p "$(dirname "$tool")"
    cc -O -o "$tool.$$" "$source" -lX11 && mv -f "$tool.$$" "$tool" || fail "cannot build $tool"
  fi
  "$tool" "$1" || fail "could not ask window $1 to close"
}

# True when windows $1 and $2 share any pixel on the screen.
windows_overlap() {
  local ax ay aw ah
  window_geometry "$1"; ax=$X ay=$Y aw=$WIDTH ah=$HEIGHT
  window_geometry "$2"
  ((X < ax + aw && ax < X + WIDTH && Y < ay + ah && ay < Y + HEIGHT))
}

# Screenshot of one window (or the whole screen without an argument) into the artifacts.
screenshot() {
  local file="$E2E_ARTIFACTS/$1"
  if [ -n "${2:-}" ]; then import -window "$2" "$file"; else import -window root "$file"; fi
  echo "$file"
}

wait_for_output() {
  local pattern=$1 limit=${2:-10}
  wait_until "$limit" grep -q -- "$pattern" "$GAME_OUT" || fail "standard output never showed \"$pattern\""
}

# Mean colour of a rectangle of an image as "r g b" (0..255).
mean_colour() {
  convert "$1" -crop "$2" +repage -resize 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

start_xvfb
