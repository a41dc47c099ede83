#!/usr/bin/env bash
# Makes docs/screenshot.png: the game window on a private X server after a few coins and one spin.
# Needs Debian's xvfb, xdotool, x11-utils and imagemagick, and a built game (default build/quintel-slots).
#   tools/screenshot.sh [game binary] [output png]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$here/build/quintel-slots}
out=${2:-$here/docs/screenshot.png}
for t in Xvfb xdotool xdpyinfo import; do
  command -v $t >/dev/null || { echo "missing $t: apt-get install -y xvfb xdotool x11-utils imagemagick" >&2; exit 2; }
done
[ -x "$game" ] || { echo "no game binary at $game (build first)" >&2; exit 2; }
d=95; while [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ]; do d=$((d+1)); done
cfg=$(mktemp -d)
Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
gpid=""
cleanup() { [ -n "$gpid" ] && kill -TERM $gpid 2>/dev/null; kill $xpid 2>/dev/null; rm -rf "$cfg"; }
trap cleanup EXIT
export DISPLAY=":$d"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
XDG_CONFIG_HOME="$cfg" SDL_AUDIODRIVER=dummy QUINTEL_ASSET_DIR="$here/assets" "$game" >/dev/null 2>&1 & gpid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name 'Slots' | head -n1)
# Let the start-up lamp flash pass, then play: three coins start a spin.
sleep 5
for k in b b b; do xdotool key --window "$win" $k; sleep 0.3; done
sleep 6
mkdir -p "$(dirname "$out")"
import -window "$win" "$out"
echo "wrote $out"
