#!/bin/sh
# Two builds of one commit in two folders give the same zip byte for byte: the source tree is copied
# elsewhere and built there by the release workflow, in another time zone and umask, and the zip it makes
# is compared with the one built here. Usage: reproducible_test.sh SOURCE_DIR RELEASE_ZIP, the zip in
# the build folder of its preset.
preset=$(basename "$(dirname "$2")")
copy=$(mktemp -d) || exit 1
trap 'rm -rf "$copy"' EXIT
(cd "$1" && tar --exclude=./build -cf - .) | tar -xf - -C "$copy" || exit 1
(cd "$copy" && umask 077 && TZ=Asia/Tokyo cmake --workflow --preset "$preset" >/dev/null) || exit 1
cmp "$2" "$copy/build/$preset/$(basename "$2")" && echo "ok    the zip built again in $copy is the same"
