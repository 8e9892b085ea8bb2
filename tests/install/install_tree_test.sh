#!/usr/bin/env bash
# The installed tree as a player and a designer meet it: everything in Debian's places, every
# program answering --help, --version and an unknown option without a display, the first run
# outside a data folder making the player's data folder (once, with one line), the data folder
# rule, manual pages man shows without warnings, and a menu entry and metainfo that validate.
source "$(dirname "$0")/install_lib.sh"

ROOT=$(install_tree)
SHARE=$ROOT/usr/share
for path in usr/games/zoma usr/games/zoma-config usr/games/zoma-script usr/games/zoma-sim \
    usr/share/man/man6/zoma.6.gz usr/share/man/man1/zoma-config.1.gz usr/share/man/man1/zoma-script.1.gz \
    usr/share/man/man1/zoma-sim.1.gz usr/share/applications/org.zoma.Zoma.desktop \
    usr/share/metainfo/org.zoma.Zoma.metainfo.xml usr/share/icons/hicolor/scalable/apps/org.zoma.Zoma.svg \
    usr/share/doc/zoma/README.md usr/share/doc/zoma/scripting.md usr/share/doc/zoma/copyright \
    usr/share/doc/zoma/changelog.gz usr/share/doc/zoma/screenshots/top-down.png; do
  [ -f "$ROOT/$path" ] || fail "$path is not installed"
done
same_data "$ZOMA_SOURCE_DIR/data" "$SHARE/zoma"
for size in 48 128 256; do
  icon=$SHARE/icons/hicolor/${size}x${size}/apps/org.zoma.Zoma.png
  [ "$(identify -format %wx%h "$icon")" = "${size}x${size}" ] || fail "$icon is not ${size}x${size}"
done

# --help, --version and an unknown option, from an empty folder without a display.
HOME_DIR=$(fresh_home)
for program in "${PROGRAMS[@]}"; do
  run_in "$HOME_DIR" "$HOME_DIR" "$ROOT/usr/games/$program" --help
  ((STATUS == 0)) || fail "$program --help: status $STATUS"
  [ -z "$ERR" ] || fail "$program --help wrote to standard error: $ERR"
  for part in "usage: $program" "Exit status:" "Files:"; do
    grep -qF -- "$part" <<<"$OUT" || fail "$program --help lacks \"$part\""
  done
  run_in "$HOME_DIR" "$HOME_DIR" "$ROOT/usr/games/$program" --version
  ((STATUS == 0)) || fail "$program --version: status $STATUS"
  [[ "$OUT" =~ ^$program\ $ZOMA_VERSION(\ \(commit\ [0-9a-f]{12}(-dirty)?\))?$ ]] ||
    fail "$program --version says \"$OUT\""
  run_in "$HOME_DIR" "$HOME_DIR" "$ROOT/usr/games/$program" --bogus
  ((STATUS == 2)) || fail "$program --bogus: status $STATUS"
  [ -z "$OUT" ] && [ "$ERR" = "$program: unknown option --bogus ($program --help lists the options)" ] ||
    fail "$program --bogus said \"$OUT\" and \"$ERR\""
done
[ ! -e "$HOME_DIR/.local" ] || fail "--help, --version or --bogus made a data folder"

# The first run from the home folder makes the player's folder from the installed data.
run_in "$HOME_DIR" "$HOME_DIR" "$ROOT/usr/games/zoma-sim" --days 1 --critters 10
((STATUS == 0)) || fail "zoma-sim from the home folder: status $STATUS: $ERR"
grep -q "^day 1 " <<<"$OUT" || fail "zoma-sim ran no day: $OUT"
PLAYER=$HOME_DIR/.local/share/zoma/data
[ "$(grep -c "made your data folder" <<<"$ERR")" = 1 ] &&
  grep -qxF "$(first_run_line zoma-sim "$HOME_DIR" "$SHARE/zoma")" <<<"$ERR" ||
  fail "the first run's line is missing or wrong: $ERR"
same_data "$SHARE/zoma" "$PLAYER"
! grep -q "does not exist; using the defaults" <<<"$ERR" || fail "zoma-sim did not read the copy: $ERR"

# Later runs read the player's folder as the designer left it, and copy nothing.
sed -i 's/^num_critters=.*/num_critters=33/' "$PLAYER/ZOMA.ini"
for program in zoma-sim zoma-config; do
  run_in "$HOME_DIR" "$HOME_DIR" "$ROOT/usr/games/$program" $([ $program = zoma-sim ] && echo --days 1)
  ((STATUS == 0)) || fail "$program, second run: status $STATUS"
  ! grep -q "made your data folder" <<<"$ERR" || fail "$program copied the data again"
done
grep -qx "species.num_critters = 33" <<<"$OUT" || fail "zoma-config did not read the player's folder"

# XDG_DATA_HOME moves the player's folder; an existing (empty) one is used, not filled.
XDG_HOME=$(fresh_home)
(cd "$XDG_HOME" && env -u DISPLAY HOME="$XDG_HOME" XDG_DATA_HOME="$XDG_HOME/xdg" "$ROOT/usr/games/zoma-config" >/dev/null 2>"$WORK/err")
grep -qF "made your data folder $XDG_HOME/xdg/zoma/data from" "$WORK/err" || fail "XDG_DATA_HOME was not followed"
EMPTY_HOME=$(fresh_home)
mkdir -p "$EMPTY_HOME/.local/share/zoma/data"
run_in "$EMPTY_HOME" "$EMPTY_HOME" "$ROOT/usr/games/zoma-config"
! grep -q "made your data folder" <<<"$ERR" && [ -z "$(ls -A "$EMPTY_HOME/.local/share/zoma/data")" ] ||
  fail "an existing data folder was filled"
grep -qF "ZOMA.ini: $EMPTY_HOME/.local/share/zoma/data/ZOMA.ini does not exist; using the defaults" <<<"$OUT" ||
  fail "an empty data folder did not give the defaults: $OUT"

# A data folder here, or one named with --data (even an empty one), is used as it is.
DESIGNER=$(fresh_home)
mkdir "$DESIGNER/mine" "$DESIGNER/empty"
printf '[species]\nnum_critters=7\n' >"$DESIGNER/mine/ZOMA.ini"
run_in "$DESIGNER/mine" "$DESIGNER" "$ROOT/usr/games/zoma-config"
grep -qx "species.num_critters = 7" <<<"$OUT" || fail "the data folder here was not read"
run_in "$DESIGNER" "$DESIGNER" "$ROOT/usr/games/zoma-sim" --data empty --days 1
((STATUS == 0)) || fail "zoma-sim --data empty: status $STATUS"
grep -qF "ZOMA.ini: $DESIGNER/empty/ZOMA.ini does not exist; using the defaults" <<<"$ERR" ||
  fail "--data with an empty folder did not give the defaults: $ERR"
[ ! -e "$DESIGNER/.local" ] || fail "a named or present data folder still made the player's folder"

# Manual pages: man shows each without a warning.
for page in man6/zoma.6 man1/zoma-config.1 man1/zoma-script.1 man1/zoma-sim.1; do
  name=$(basename "$page" | sed 's/\.[0-9]$//')
  text=$(MANWIDTH=80 man --warnings -l "$SHARE/man/$page.gz" 2>"$WORK/man.err") || fail "man cannot show $page"
  [ ! -s "$WORK/man.err" ] || fail "man warns about $page: $(cat "$WORK/man.err")"
  grep -q "^NAME" <<<"$text" && grep -qF "$name - " <<<"$text" || fail "$page has no NAME line for $name"
  grep -q "EXIT STATUS" <<<"$text" || fail "$page has no EXIT STATUS"
done

desktop-file-validate "$SHARE/applications/org.zoma.Zoma.desktop" || fail "the desktop file does not validate"
appstreamcli validate --no-net "$SHARE/metainfo/org.zoma.Zoma.metainfo.xml" >"$WORK/appstream.log" 2>&1 ||
  fail "the metainfo does not validate: $(cat "$WORK/appstream.log")"
grep -q "<release version=\"$ZOMA_VERSION\"" "$SHARE/metainfo/org.zoma.Zoma.metainfo.xml" ||
  fail "the metainfo's release is not $ZOMA_VERSION"
echo "install tree: all checks passed"
