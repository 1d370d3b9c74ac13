#!/usr/bin/env bash
# The string table compiled into caelor.exe holds exactly the texts of the
# native lookup, byte for byte, for every id.
. "$(dirname "$0")/lib.sh"
: "${CAELOR_CLI:?CAELOR_CLI must name the native caelor-cli}"
e2e_setup

e2e_driver dump-strings "$BUILD_DIR/caelor.exe" >"$ARTIFACTS/strings-exe.txt" ||
    fail "cannot read the string table of caelor.exe"
"$CAELOR_CLI" strings >"$ARTIFACTS/strings-native.txt" || fail "caelor-cli strings failed"
[ -s "$ARTIFACTS/strings-native.txt" ] || fail "native string table is empty"
diff -u "$ARTIFACTS/strings-native.txt" "$ARTIFACTS/strings-exe.txt" ||
    fail "the string tables differ"
echo "$(wc -l <"$ARTIFACTS/strings-exe.txt") strings identical"
echo "PASS"
