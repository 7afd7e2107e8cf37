#!/bin/sh
# Takes the README's and the read-me's picture: the picker over the test pattern, zoomed in on a point,
# with its View menu open, on a Japanese Wine desktop whose menu font is linked to IPA Gothic; in the
# Windows build this machine runs.
. "$(dirname "$0")/common.sh"
eval "$(tools/wine-arch.sh)"
build_preset "windows$suffix" ormelin journey_helper >/dev/null

prefix=$root/build/windows$suffix/wineprefix-screenshot
export XVFB_WINE_PREFIXES=$prefix
XVFB_SCREEN=1024x768x24 tools/with-xvfb.sh sh -c '
    root=$0 prefix=$2 wine_run=$0/tools/wine-run.sh
    . "$root/tests/journeys/journey_lib.sh"
    open_picker  # waits for the pattern and the picker, however long a fresh prefix takes to boot
    # A drag from the lens to the pattern, a larger zoom: the lens alone, then with its View menu open.
    xdotool mousemove 40 110 mousedown 1
    for point in "100 200" "300 300" "515 262"; do xdotool mousemove $point; sleep 0.1; done
    xdotool mouseup 1
    sleep 0.3
    xdotool mousemove 161 149 click 1
    xdotool mousemove 120 300
    sleep 0.5
    import -window root -crop 176x163+0+0 +repage "$prefix.lens.png"
    xdotool mousemove 20 33 click 1
    sleep 0.3
    xdotool mousemove 60 53
    sleep 0.8
    import -window root -crop 360x230+0+0 +repage "$prefix.menu.png"
    convert "$prefix.lens.png" "$prefix.menu.png" -background white -gravity north -splice 0x0 +append "$root/docs/screenshot.png"
' "$root" "$root/build/windows$suffix/bin" "$prefix" || exit 1
# The read-me carries the same picture within itself.
python3 - "$root/docs" <<'EOF_PYTHON'
import base64, re, sys
png = base64.b64encode(open(sys.argv[1] + '/screenshot.png', 'rb').read()).decode()
path = sys.argv[1] + '/ormelin.html'
html = open(path, encoding='utf-8').read()
html = re.sub(r'data:image/png;base64,[A-Za-z0-9+/=]*', 'data:image/png;base64,' + png, html, count=1)
open(path, 'w', encoding='utf-8').write(html)
EOF_PYTHON
echo "wrote docs/screenshot.png and its copy in docs/ormelin.html"
