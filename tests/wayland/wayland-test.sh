#!/usr/bin/env bash
# The real game as a native Wayland client of a private headless weston: the requests it sends for its
# window (app id, title, fixed size, read from WAYLAND_DEBUG), a screenshot that shows its face, and a
# second start on the same saved game, which cannot bring the first window to the front there and must
# still end and say why.
#
#   wayland-test.sh --game build/quintel-slots --app-id ID --cabinet assets/cabinet.png
#   (KEEP_SHOT=FILE.png keeps the last screenshot)
set -u
while [ $# -gt 0 ]; do
  case "$1" in
    --game) game=$2; shift 2;;
    --app-id) id=$2; shift 2;;
    --cabinet) cabinet=$2; shift 2;;
    *) echo "unknown option $1" >&2; exit 2;;
  esac
done
for t in weston weston-screenshooter convert identify; do command -v $t >/dev/null || { echo "missing $t" >&2; exit 2; }; done
[ -x "${game:-}" ] && [ -n "${id:-}" ] && [ -f "${cabinet:-}" ] || { echo "usage: wayland-test.sh --game PATH --app-id ID --cabinet PNG" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
wpid="" gpid=""
cleanup() {
  [ -n "$gpid" ] && { kill -KILL "$gpid"; wait "$gpid"; } 2>/dev/null
  [ -n "$wpid" ] && kill "$wpid" 2>/dev/null && wait "$wpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  for f in "$work"/*.err; do [ -f "$f" ] && { echo "--- $(basename "$f")"; grep -v '^\[' "$f" | tail -n 20; }; done
  exit 1
}

# A plain black desktop without a panel, so that nothing but the game is on the screen.
cat >"$work/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
background-color=0xff000000
panel-position=none
locking=false
animation=none
startup-animation=none
close-animation=none
focus-animation=none
EOF
unset DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=quintel-test
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# --debug enables the screenshooter; the default headless renderer draws nothing, pixman does.
weston --config="$work/weston.ini" --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
  --width=1024 --height=768 >"$work/weston.err" 2>&1 & wpid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start"

export QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME/quintel-slots"
printf '[Current Game]\r\nGameNo=2\r\n' >"$XDG_CONFIG_HOME/quintel-slots/QUINTEL.INI"
WAYLAND_DEBUG=1 "$game" 2>"$work/game.err" & gpid=$!

# request NAME: the arguments of the game's last xdg_toplevel request NAME, e.g. "(614, 575)".
request() { grep -o "xdg_toplevel@[0-9]*\.$1(.*)" "$work/game.err" | tail -n 1 | sed 's/^[^(]*//'; }

# The face is on the screen once a screenshot shows it; the requests for the window come before that.
mkdir "$work/shots"
shown=""
deadline=$((SECONDS + 90))
while [ "$SECONDS" -lt "$deadline" ]; do
  kill -0 "$gpid" 2>/dev/null || fail "the game ended at start"
  rm -f "$work"/shots/*.png
  (cd "$work/shots" && timeout 20 weston-screenshooter >/dev/null 2>&1)
  shot=$(ls "$work"/shots/wayland-screenshot-*.png 2>/dev/null | head -n 1)
  if [ -n "$shot" ] && python3 "$here/face-in-shot.py" "$shot" "$cabinet" >"$work/face.out"; then
    shown=1
    break
  fi
  sleep 0.5
done
[ -n "${KEEP_SHOT:-}" ] && [ -n "$shot" ] && cp "$shot" "$KEEP_SHOT"
[ -n "$shown" ] || fail "no screenshot showed the face: $(cat "$work/face.out" 2>/dev/null)"

[ "$(request set_app_id)" = "(\"$id\")" ] || fail "app id $(request set_app_id), expected \"$id\""
[ "$(request set_title)" = '("Treasure Chest Slots 95")' ] || fail "title $(request set_title)"
min=$(request set_min_size) max=$(request set_max_size)
[[ "$min" =~ ^\(([1-9][0-9]*),\ ([1-9][0-9]*)\)$ ]] || fail "no minimum size: $min"
[ "$min" = "$max" ] || fail "the window can be resized: minimum $min, maximum $max"

# A second start on the same saved game: the first window cannot raise itself under Wayland, but the
# second start must still end at once, with status 0, and say on stderr why.
"$game" 2>"$work/second.err" & second=$!
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && { kill -KILL "$second"; fail "a second start keeps running"; }
wait "$second"; status=$?
[ "$status" -eq 0 ] || fail "a second start exited with $status"
grep -q "already running" "$work/second.err" || fail "a second start did not say why it ended"
kill -0 "$gpid" 2>/dev/null || fail "the first game ended when the second start knocked"

kill -TERM "$gpid"; wait "$gpid"; status=$?; gpid=""
[ "$status" -eq 0 ] || fail "the game did not close cleanly on SIGTERM ($status)"
echo "PASS: app id \"$id\", title \"Treasure Chest Slots 95\", fixed size $min, $(cat "$work/face.out"), second start: $(grep "already running" "$work/second.err")"
