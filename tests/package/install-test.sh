#!/usr/bin/env bash
# Installs the build into a temporary prefix the way the Debian package lays it out, validates the
# installed menu entry, AppStream file and manual pages, and starts the installed game offscreen with a
# new profile: it must find its own pictures there, and name the ones that are missing when they are.
#
#   install-test.sh BUILD_DIR APP_ID
set -u
build=$1
id=$2
work=$(mktemp -d)
trap 'kill -KILL $gpid 2>/dev/null; rm -rf "$work"' EXIT
gpid=""
fail() { echo "FAIL: $*"; [ -f "$work/game.err" ] && { echo "--- game stderr"; cat "$work/game.err"; }; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }

for f in games/quintel-slots games/quintel-analyze share/games/quintel-slots/QUINTEL.BMP share/games/quintel-slots/manual.html \
         share/games/quintel-slots/QUIN00.MID share/games/quintel-slots/QUINTEL6.WAV \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man6/quintel-slots.6.gz share/man/man1/quintel-analyze.1.gz \
         share/doc/quintel-slots/copyright share/doc/quintel-slots/changelog.gz; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done

# The Statistics window's and the audio backend's modules, which the game loads on first use, in the game's
# private library folder; the program itself does not link SDL.
for module in quintel-statistics.so quintel-audio.so; do
  find "$prefix/lib" -path "*/quintel-slots/$module" | grep -q . || fail "not installed: lib/.../quintel-slots/$module"
done
! objdump -p "$prefix/games/quintel-slots" | grep -q 'NEEDED.*SDL' || fail "the program links SDL"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the menu entry does not name the icon $id"
# Strict: any issue above the pedantic level fails.
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
for page in man6/quintel-slots.6.gz man1/quintel-analyze.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
# The copyright file is machine-readable: a Format line and a License paragraph for each licence named.
head -n1 "$prefix/share/doc/quintel-slots/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright: no Format line"
for license in Expat OFL-1.1; do
  grep -q "^License: $license\$" "$prefix/share/doc/quintel-slots/copyright" || fail "copyright: no $license text"
done

unset QUINTEL_ASSET_DIR DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy TMPDIR=$work/tmp XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/run # where the game listens for later starts
mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
game=$prefix/games/quintel-slots
"$game" --version | grep -q '^quintel-slots [0-9]' || fail "--version"
"$game" --help | grep -q -- '--version' || fail "--help"
"$prefix/games/quintel-analyze" --version | grep -q '^quintel-analyze [0-9]' || fail "quintel-analyze --version"

# play_once: starts the installed game, waits until it listens for later starts and answers one (its
# event loop runs), closes it with SIGTERM and expects a clean exit and a saved game.
play_once() {
  rm -rf "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"/quintel-slots-*
  "$game" 2>"$work/game.err" & gpid=$!
  local answered=""
  for _ in $(seq 100); do
    kill -0 "$gpid" 2>/dev/null || fail "the installed game ended at start"
    local socket listening=""
    for socket in "$XDG_RUNTIME_DIR"/quintel-slots-*; do [ -S "$socket" ] && listening=1; done
    if [ -n "$listening" ] && timeout 20 "$game" 2>"$work/second.err" && grep -q "brought to the front" "$work/second.err"; then
      answered=1; break
    fi
    sleep 0.1
  done
  [ -n "$answered" ] || fail "the installed game never answered a second start"
  kill -TERM "$gpid"
  wait "$gpid"; local status=$?; gpid=""
  [ "$status" -eq 0 ] || fail "the installed game exited with $status on SIGTERM"
  [ -f "$XDG_CONFIG_HOME/quintel-slots/QUINTEL.INI" ] || fail "no saved game in the new profile"
}

assets=$prefix/share/games/quintel-slots
play_once
grep -q "pictures missing" "$work/game.err" && fail "the installed game did not find its pictures"

# The same check must notice a missing and a damaged picture in the installed directory.
rm "$assets/cabinet.png"
printf 'not a bitmap' >"$assets/LUCKY7.BMP"
play_once
grep -q "pictures missing or unreadable in $assets: cabinet.png, LUCKY7.BMP" "$work/game.err" ||
  fail "the missing pictures were not named"
echo "install test: layout, validators, manual pages and the installed game's pictures checked"
echo "1 passed, 0 failed"
