#!/usr/bin/env bash
# The .deb as a player's system meets it: CPack builds it from this build's install rules; its
# control file names the package, its section and the libraries the programs link (computed by
# dpkg-shlibdeps); it holds the programs, data, manual pages and menu entry; and unpacked into
# any folder its zoma-sim finds the data unpacked beside it and runs a day. The package stays
# in the build folder's package-test/ for the lintian test.
source "$(dirname "$0")/install_lib.sh"

OUTPUT=$ZOMA_BUILD_DIR/package-test
rm -rf "$OUTPUT"
cpack --config "$ZOMA_BUILD_DIR/CPackConfig.cmake" -B "$OUTPUT" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -n 20 "$WORK/cpack.log")"
rm -rf "$OUTPUT/_CPack_Packages"
DEB=$OUTPUT/zoma_${ZOMA_VERSION}_$(dpkg --print-architecture).deb
[ -f "$DEB" ] || fail "no $DEB: $(ls "$OUTPUT")"

field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Package)" = zoma ] && [ "$(field Version)" = "$ZOMA_VERSION" ] && [ "$(field Section)" = games ] ||
  fail "control file: $(dpkg-deb --info "$DEB")"
for library in libglut libc6 libstdc++6 libx11-6; do
  grep -q "$library" <<<"$(field Depends)" || fail "Depends lacks $library: $(field Depends)"
done

dpkg-deb --contents "$DEB" >"$WORK/contents"
for path in ./usr/games/zoma ./usr/games/zoma-sim ./usr/share/zoma/ZOMA.ini ./usr/share/zoma/species_evolve.txt \
    ./usr/share/man/man6/zoma.6.gz ./usr/share/applications/org.zoma.Zoma.desktop ./usr/share/doc/zoma/copyright; do
  grep -q " $path\$" "$WORK/contents" || fail "the package lacks $path"
done
! grep -v "root/root" "$WORK/contents" | grep -q . || fail "files not owned by root in the package"

dpkg-deb --extract "$DEB" "$WORK/unpacked"
HOME_DIR=$(fresh_home)
run_in "$HOME_DIR" "$HOME_DIR" "$WORK/unpacked/usr/games/zoma-sim" --days 1 --critters 10
((STATUS == 0)) || fail "the unpacked zoma-sim: status $STATUS: $ERR"
grep -q "^day 1 " <<<"$OUT" || fail "the unpacked zoma-sim ran no day: $OUT"
grep -qxF "$(first_run_line zoma-sim "$HOME_DIR" "$WORK/unpacked/usr/share/zoma")" <<<"$ERR" ||
  fail "the unpacked zoma-sim did not take the data unpacked beside it: $ERR"
same_data "$WORK/unpacked/usr/share/zoma" "$HOME_DIR/.local/share/zoma/data"
echo "package: $(basename "$DEB") built, listed, unpacked and run"
