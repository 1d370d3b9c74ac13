#!/bin/sh
# Every page of the HTML manual parses as HTML without an error or a
# warning of xmllint.
set -u
manual=$1
pages=$(find "$manual" -name '*.html' | sort)
[ -n "$pages" ] || { echo "no pages under $manual"; exit 1; }
out=$(xmllint --html --noout $pages 2>&1)
status=$?
if [ $status -ne 0 ] || [ -n "$out" ]; then
    printf '%s\n' "$out"
    echo "xmllint: status $status"
    exit 1
fi
echo "$(echo "$pages" | wc -l) pages valid"
