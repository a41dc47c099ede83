#!/usr/bin/env bash
# The keyboard after the menus, on a private X server, with the real game: a menu opened with the mouse and
# closed with Escape leaves the menu bar holding the keyboard for at most one more Escape, after which Enter
# spins again; and Escape stops an auto play run even from an open menu. Run without a window manager and,
# when Debian's openbox is installed, under it.
#
#   menu-keyboard.sh --game build/quintel-slots
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
xpid=""; wmpid=""; gpid=""
cleanup() {
  for p in $gpid $wmpid $xpid; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL ($mode): $*"; echo "--- game output"; tail -n 20 "$work/game.log"; exit 1; }

title() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
# window_titled NAME: the id of the game's visible window titled exactly NAME, within 5 s
window_titled() {
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
# The spins counted in the saved game (written whenever play is idle, so after each spin of a run).
spins() { sed -n 's/^Spins=\([0-9]*\).*/\1/p' "$work/config/quintel-slots/QUINTEL.INI" 2>/dev/null | head -n 1; }
# open_menu_with_mouse X: clicks the menu bar at X until a menu opens (titles that are greyed open none)
open_menu_with_mouse() {
  local x
  for x in "$@"; do
    xdotool mousemove --window "$main" "$x" 8 click 1
    for _ in $(seq 10); do [ "$(visible)" -gt 1 ] && return 0; sleep 0.05; done
  done
  return 1
}

run() {
  mode=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xpid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$work/display")"
  : >"$work/display"
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  if [ "$mode" = openbox ]; then
    openbox >"$work/wm.log" 2>&1 &
    wmpid=$!
    for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
  fi
  rm -rf "$work/config"
  mkdir -p "$work/config/quintel-slots"
  # Bets of $1 and a run that only Escape ends: it goes on long enough to be seen going on.
  printf '[Settings]\r\nAutoStopOnAnyWin=0\r\n[Current Game]\r\nGameNo=0\r\nCoins=2\r\n' \
    >"$work/config/quintel-slots/QUINTEL.INI"
  main=""
  for attempt in 1 2 3; do
    env XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy "$game" >>"$work/game.log" 2>&1 &
    gpid=$!
    main=$(window_titled "Quintel Slots 95") && break
    kill "$gpid" 2>/dev/null; wait "$gpid" 2>/dev/null; gpid=""
    grep -q "could not connect to display" "$work/game.log" || break
  done
  [ -n "$main" ] || fail "no main window"
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus --sync "$main"
  sleep 0.5

  # File, opened with the mouse, closed with Escape; one more Escape, then Enter is the game's again.
  open_menu_with_mouse 15 || fail "the File menu did not open"
  xdotool key Escape
  sleep 0.3
  xdotool key Escape
  sleep 0.3
  xdotool key Return
  box=$(window_titled "No Wager Placed") || fail "Enter after the menu did not reach the game; windows: $(visible)"
  xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus --sync "$box"
  xdotool key Escape
  for _ in $(seq 50); do [ "$(visible)" -eq 1 ] && break; sleep 0.1; done
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus --sync "$main"
  sleep 0.3

  # Auto Play > Auto Spin from the keyboard (Alt, then the fourth title), and three coins: a run until stopped.
  xdotool key alt
  sleep 0.2
  xdotool key Right Right Right Down
  sleep 0.3
  xdotool key Return
  sleep 0.3
  xdotool key b b b
  # Waits for the state, not for a time: a loaded machine spins slower.
  local before
  for _ in $(seq 300); do before=$(spins); [ "${before:-0}" -ge 2 ] && break; sleep 0.1; done
  [ "${before:-0}" -ge 2 ] || fail "no auto play run in 30 s (spins: ${before:-none})"

  # Auto Play opened with the mouse during the run (the only title not greyed then), then Escape: the run
  # ends after the spin in play.
  open_menu_with_mouse $(seq 10 15 400) || fail "the Auto Play menu did not open during the run"
  xdotool key Escape
  # The spin in play ends first; a run that goes on keeps counting through every 5 s look.
  local stopped=""
  for _ in 1 2 3 4; do
    before=$(spins); sleep 5
    [ "$(spins)" = "$before" ] && { stopped=1; break; }
  done
  [ -n "$stopped" ] || fail "Escape did not stop the run: $before spins, then $(spins)"
  echo "PASS ($mode): keys reach the game after a menu; Escape in a menu stopped the run at $before spins"

  kill "$gpid"; wait "$gpid" 2>/dev/null; gpid=""
  [ -n "$wmpid" ] && { kill "$wmpid"; wait "$wmpid" 2>/dev/null; wmpid=""; }
  kill "$xpid"; wait "$xpid" 2>/dev/null; xpid=""
}

run none
if command -v openbox >/dev/null; then run openbox; else echo "SKIP (openbox): not installed"; fi
