#!/usr/bin/env bash
# One game per saved-game file, on a private X server: a second start on the same profile ends at once
# with status 0 and the first game keeps every spin; a game killed with SIGKILL does not keep the next
# start out; a game on another profile runs beside the first. The socket and its lock live in
# $XDG_RUNTIME_DIR (or the profile's folder when that is not the player's own): a socket that another
# user plants in /tmp under the name older versions used, and that answers "ok", does not stop the game.
#
#   single-instance-test.sh --game build/quintel-slots
set -u
[ "${1:-}" = "--game" ] && [ -x "${2:-}" ] || { echo "usage: single-instance-test.sh --game PATH" >&2; exit 2; }
game=$2
for t in Xvfb xdotool; do command -v $t >/dev/null || { echo "missing $t" >&2; exit 2; }; done
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
export TMPDIR=$work/tmp
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 & xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
d=$(head -n 1 "$work/display" 2>/dev/null)
[ -n "$d" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$d"
pids=()
cleanup() { for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done; kill "$xpid" 2>/dev/null; rm -rf "$work"; }
# plant NAME: a socket at $TMPDIR/NAME that answers every knock with "ok", and a lock file beside it.
plant() {
  printf '1\nquintel-slots\n%s\n' "$(hostname)" >"$TMPDIR/$1.lock"
  python3 -c '
import os, socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM); s.bind(sys.argv[1]); s.listen(4)
while True:
    c, _ = s.accept(); c.recv(64); c.sendall(b"ok\n"); c.close()' "$TMPDIR/$1" & pids+=("$!")
  for _ in $(seq 50); do [ -S "$TMPDIR/$1" ] && return 0; sleep 0.1; done
  fail "could not plant a socket at $TMPDIR/$1"
}
# oldname PROFILE: the socket name older versions used for a profile, in /tmp
oldname() { echo "quintel-slots-$(printf %s "$1/quintel-slots/QUINTEL.INI" | sha256sum | cut -c1-24)"; }
trap cleanup EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

fail() {
  echo "FAIL: $*"
  for f in "$work"/*.err; do echo "--- $f"; tail -n 20 "$f"; done
  exit 1
}

# start NAME PROFILE: starts a game and waits for its window; sets pid and win.
start() {
  local attempt
  for attempt in 1 2 3; do
    XDG_CONFIG_HOME=$2 "$game" 2>"$work/$1.err" & pid=$!
    pids+=("$pid")
    win=""
    for _ in $(seq 100); do
      win=$(xdotool search --all --onlyvisible --pid "$pid" --name 'Slots' 2>/dev/null | head -n1)
      [ -n "$win" ] && return 0
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    wait "$pid" 2>/dev/null
    # Xvfb now and then refuses a connection right after a killed client; nothing was touched yet.
    grep -q "could not connect to display" "$work/$1.err" || break
  done
  fail "$1: no game window"
}

# second PROFILE: a second start on PROFILE must end by itself, with status 0, within 5 seconds.
second() {
  XDG_CONFIG_HOME=$1 "$game" 2>"$work/second.err" & local p=$!
  pids+=("$p")
  for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$p" 2>/dev/null && fail "a second start on $1 keeps running"
  wait "$p"; local status=$?
  [ "$status" -eq 0 ] || fail "a second start on $1 exited with $status"
  grep -q "already running" "$work/second.err" || fail "a second start on $1 said nothing"
}

value() { sed -n "s/^$1=\(.*\)/\1/p" "$2/quintel-slots/QUINTEL.INI" | head -n1 | tr -d '\r '; }

one=$work/one
plant "$(oldname "$one")"
start first "$one"; first=$pid; firstwin=$win
ls "$XDG_RUNTIME_DIR"/quintel-slots-* >/dev/null 2>&1 || fail "no socket in \$XDG_RUNTIME_DIR"
second "$one"
kill -0 "$first" 2>/dev/null || fail "the first game ended when the second start knocked"
xdotool key --window "$firstwin" b b b
for _ in $(seq 100); do [ "$(value Spins "$one")" = "1" ] && break; sleep 0.1; done
second "$one"
kill -TERM "$first"; wait "$first"
[ "$(value Spins "$one")" = "1" ] || fail "the saved game lost the first game's spin (Spins $(value Spins "$one"))"
wagered=$(value TotalWagers "$one")
awk -v w="$wagered" 'BEGIN { exit !(w > 0) }' || fail "the saved game lost the first game's wager ($wagered)"

# A game killed outright leaves its socket behind; the next start must not be kept out by it.
start killed "$one"; kill -KILL "$pid"; { wait "$pid"; } 2>/dev/null
start restarted "$one"; restarted=$pid
[ "$(value Spins "$one")" = "1" ] || fail "the restart lost the spin"
second "$one"

# Another profile is another player. A runtime folder others may enter is not used: the profile's own is.
XDG_RUNTIME_DIR=$work/open; mkdir -p "$XDG_RUNTIME_DIR"; chmod 755 "$XDG_RUNTIME_DIR"
start other "$work/two"
ls "$work/two/quintel-slots"/quintel-slots-* >/dev/null 2>&1 || fail "no socket in the profile's folder"
second "$work/two"
kill -0 "$restarted" 2>/dev/null || fail "the game on the first profile ended when another player started"
kill -TERM "$pid" "$restarted"
wait "$pid"; s1=$?; wait "$restarted"; s2=$?
[ "$s1" -eq 0 ] && [ "$s2" -eq 0 ] || fail "a game did not close cleanly on SIGTERM ($s1, $s2)"
echo "single-instance test: a planted socket ignored, second starts ended at once, the spin kept, a killed game's socket replaced, two profiles side by side"
echo "1 passed, 0 failed"
