#!/bin/sh
# Two builds of one commit in two folders give the same zip byte for byte: the source tree is copied to
# another folder and built there by the release workflow, in another time zone and umask, and the zip
# it makes is compared with the one built here; the copy stays for a look at any difference.
# Usage: reproducible_test.sh SOURCE_DIR RELEASE_ZIP COPY_DIR, the zip in the build folder of its preset.
preset=$(basename "$(dirname "$2")")
rm -rf "$3" && mkdir -p "$3" || exit 1
(cd "$1" && tar --exclude=./build -cf - .) | tar -xf - -C "$3" || exit 1
(cd "$3" && umask 077 && TZ=Asia/Tokyo cmake --workflow --preset "$preset" >/dev/null) || exit 1
cmp "$2" "$3/build/$preset/$(basename "$2")" && echo "ok    the zip built again in $3 is the same"
