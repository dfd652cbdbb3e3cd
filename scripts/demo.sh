#!/usr/bin/env bash
# Installs what is missing, builds the Linux program, lays the demo disc out
# as a real disc is laid out (the program in the disc's autoplay folder beside
# its definition) and opens its menu on your display.
#
# Without a display it starts a private Xvfb, opens the menu there, saves a
# screenshot and prints where it is.
#
# LC_ALL=de_DE.UTF-8 or LANG=fr_FR.UTF-8 shows the disc's German or French menu.
set -euo pipefail
cd "$(dirname "$0")/.."

have_display() {
    [ -n "${DISPLAY:-}" ] && command -v xdpyinfo >/dev/null 2>&1 && xdpyinfo >/dev/null 2>&1
}

scripts/install-deps.sh x11 e2e
scripts/build.sh x11

disc="$PWD/build/demo/DEMO1"
rm -rf "$disc"
mkdir -p "$disc/autoplay"
cp -R examples/demo-disc/. "$disc/autoplay/"
cp build/x11/src/autoplay "$disc/autoplay/autoplay"

if have_display; then
    echo "Opening the demo disc's menu: $disc/autoplay/autoplay"
    exec "$disc/autoplay/autoplay"
fi

screenshot="$PWD/build/demo/screenshot.png"
display=":$(( 90 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
menu=""
cleanup() {
    [ -n "$menu" ] && kill "$menu" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$disc/autoplay/autoplay" &
menu=$!
window=$(timeout 10 xdotool search --sync --class AutoplayMenu | head -n 1)
sleep 0.5
# Point at the second entry, as a user would, so the highlight shows.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove "$((X + 260))" "$((Y + 101))"
sleep 0.3
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
echo "No display here: the menu ran on a private Xvfb ($display)."
echo "Screenshot: $screenshot"
