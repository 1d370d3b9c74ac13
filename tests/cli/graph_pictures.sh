#!/bin/sh
# Draws every graph of the Graphs menu with caelor-cli into a folder of the
# build tree, so the pictures can be looked at after a test run, and checks
# that each is a PNG of the size asked for.
# usage: graph_pictures.sh CAELOR_CLI OUTPUT_DIR
set -eu
cli=$1
out=$2
mkdir -p "$out"
place="--lat 51.4772 --lon -0.0005 --tz 0 --name Greenwich"
draw() {
    name=$1
    shift
    rm -f "$out/$name.png"
    "$cli" graph "$name" "$@" -o "$out/$name.png" --size 1000x750
    head -c 24 "$out/$name.png" | od -An -tx1 | tr -d ' \n' > "$out/$name.head"
    # PNG signature, then the IHDR chunk holding width 1000 (0x3e8) and height 750 (0x2ee).
    if [ "$(cat "$out/$name.head")" != "89504e470d0a1a0a0000000d49484452000003e8000002ee" ]; then
        echo "$name: not a 1000x750 PNG" >&2
        exit 1
    fi
    rm -f "$out/$name.head"
}
draw jupiter-moons --year 2026 --month 3 $place
draw planet-orbit --year 2026
draw planet-magnitude --year 2026
draw planet-illumination --year 2026
draw planet-diameter --year 2026
draw planet-distance --year 2026 --distance sun
draw planet-angle --year 2026 --month 3 --main-planet mars $place
draw equation-of-time --year 2026 $place
draw day-length --year 2026 $place
draw sun-angle --year 2026 $place
draw analemma --year 2026 $place
draw sunrise --year 2026 $place
draw moon-speed --year 2026 $place
draw moon-illumination --year 2026 --month 3 $place
draw eclipses --years 2000-2030 $place
echo "15 graphs in $out"
