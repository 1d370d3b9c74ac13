#!/bin/sh
# man renders the man page of caelor-cli without a warning, in a plain
# terminal of 80 columns.
set -u
page=$1
[ -s "$page" ] || { echo "no man page $page"; exit 1; }
errors=$(LC_ALL=C MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
status=$?
if [ $status -ne 0 ] || [ -n "$errors" ]; then
    printf '%s\n' "$errors"
    echo "man: status $status"
    exit 1
fi
lines=$(LC_ALL=C MANWIDTH=80 man -l "$page" 2>/dev/null | wc -l)
echo "$lines lines, no warnings"
