#!/usr/bin/env bash
# Reads what the X server holds for the real game's windows on a private X server: the exact titles of the
# main window (a restored game on machine 2), a refusal box and the About box, and the hints that keep the
# main window at its fixed size without a maximise button.
#
#   window-titles.sh --game build/quintel-slots
set -u
game=build/quintel-slots
while [ $# -gt 0 ]; do
  case "$1" in
    --game) game=$2; shift 2;;
    *) echo "unknown option $1" >&2; exit 2;;
  esac
done
for t in Xvfb xdotool xprop; do command -v $t >/dev/null || { echo "missing $t" >&2; exit 2; }; done
[ -x "$game" ] || { echo "no game at $game" >&2; exit 2; }
unset QT_QPA_PLATFORM

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 & xpid=$!
gpid=""
cleanup() { [ -n "$gpid" ] && kill "$gpid" 2>/dev/null; kill "$xpid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "FAIL: $*"; echo "--- game output"; tail -n 20 "$work/game.log"; exit 1; }
# title WINDOW: the window's _NET_WM_NAME as the X server holds it
title() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
# wait_window NAME: the id of the visible window of the game whose title is exactly NAME
wait_window() {
  local w
  for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --pid "$gpid" 2>/dev/null); do
      [ "$(title "$w")" = "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
visible() { xdotool search --onlyvisible --pid "$gpid" 2>/dev/null | wc -l; }
titles() { local w; for w in $(xdotool search --onlyvisible --pid "$gpid" 2>/dev/null); do printf '"%s" ' "$(title "$w")"; done; }

mkdir -p "$work/config/quintel-slots"
printf '[Current Game]\r\nGameNo=2\r\n' >"$work/config/quintel-slots/QUINTEL.INI"
main=""; seen=""
for attempt in 1 2 3; do
  env XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy "$game" >>"$work/game.log" 2>&1 &
  gpid=$!
  main=$(wait_window "Treasure Chest Slots 95") && break
  seen=$(titles)
  kill "$gpid" 2>/dev/null; wait "$gpid" 2>/dev/null; gpid=""
  # Xvfb now and then refuses a connection; nothing has been played yet, so starting again is safe.
  grep -q "could not connect to display" "$work/game.log" || break
done
[ -n "$main" ] || fail "no main window titled \"Treasure Chest Slots 95\"; windows: $seen"

hints=$(xprop -id "$main" WM_NORMAL_HINTS)
min=$(echo "$hints" | sed -n 's/.*program specified minimum size: //p')
max=$(echo "$hints" | sed -n 's/.*program specified maximum size: //p')
[ -n "$min" ] && [ "$min" = "$max" ] || fail "the window can be resized: $hints"
# _MOTIF_WM_HINTS: flags, functions, decorations; neither may offer maximising (0x10, 0x40).
motif=$(xprop -id "$main" _MOTIF_WM_HINTS | sed -n 's/.* = //p')
IFS=', ' read -r flags functions decorations _ <<<"$motif"
[ -n "$flags" ] || fail "no window manager hints"
(( (flags & 1) && !(functions & 1) && !(functions & 0x10) )) || fail "the window manager may maximise it: $motif"
(( (flags & 2) && !(decorations & 1) && !(decorations & 0x40) )) || fail "a maximise button is asked for: $motif"

# Enter with no wager: the refusal box.
xdotool windowfocus "$main"
xdotool key Return
box=$(wait_window "No Wager Placed") || fail "no box titled \"No Wager Placed\"; windows: $(titles)"
xdotool windowfocus "$box"
xdotool key Escape
for _ in $(seq 50); do [ "$(visible)" -eq 1 ] && break; sleep 0.1; done

# Help, then its first item: the About box.
xdotool windowfocus "$main"
xdotool key alt+h
for _ in $(seq 50); do [ "$(visible)" -gt 1 ] && break; sleep 0.1; done # the menu is open
xdotool key Return
wait_window "About Treasure Chest Slots" >/dev/null || fail "no About box titled \"About Treasure Chest Slots\"; windows: $(titles)"
echo "PASS: $(titles)"
