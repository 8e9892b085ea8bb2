#!/usr/bin/env bash
# lintian on the .deb the package test built: no error and no warning (the info-level tags
# left are listed in the README with their reasons).
source "$(dirname "$0")/install_lib.sh"

DEB=$ZOMA_BUILD_DIR/package-test/zoma_${ZOMA_VERSION}_$(dpkg --print-architecture).deb
[ -f "$DEB" ] || fail "no $DEB: the package test builds it"
# Root is where the tests run; lintian only remarks on it.
lintian --no-cfg --fail-on error,warning "$DEB" >"$WORK/lintian.log" 2>&1 ||
  fail "lintian: $(grep -v "running with root privileges" "$WORK/lintian.log")"
echo "lintian: no errors or warnings"
