#!/usr/bin/env bash
# Start-up of the game against a bare Qt window of the same size with a menu bar, on a private X server:
# RUNS interleaved runs of each (after one warm-up run each), medians of the time until the window is
# mapped, of the processor time used once settled, and of resident memory, and the game's ratios.
#
#   bench/startup-bench.sh [--build DIR] [--game PATH] [--other PATH] [--runs N] [--settle MS] [--instructions]
# --other adds a second build of the game to the same interleaved runs (e.g. one from before a change).
# --instructions runs each program once under valgrind's callgrind instead and reports the instructions it
# executed from exec until its window was mapped (and it then ended): repeatable on a busy machine, where
# times are not; the game's timers after the first frame would make a count over a settling time vary.
set -u
build=build; game=""; other=""; runs=5; settle=1000; instructions=""
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2;; --game) game=$2; shift 2;; --other) other=$2; shift 2;; --runs) runs=$2; shift 2;;
    --settle) settle=$2; shift 2;; --instructions) instructions=1; shift;; *) echo "unknown option $1" >&2; exit 2;;
  esac
done
game=${game:-$build/quintel-slots}
bare=$build/bench/bare-window
probe=$build/bench/startup-probe
for f in "$game" "$bare" "$probe"; do [ -x "$f" ] || { echo "missing $f (build first)" >&2; exit 2; }; done
command -v Xvfb >/dev/null || { echo "missing Xvfb" >&2; exit 2; }
unset QT_QPA_PLATFORM

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 & xpid=$!
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work SDL_AUDIODRIVER=dummy

one() { "$probe" "$settle" "$@" 2>>"$work/probe.log" | tail -n 1; }

if [ -n "$instructions" ]; then
  command -v valgrind >/dev/null || { echo "missing valgrind" >&2; exit 2; }
  export STARTUP_PROBE_LIMIT_S=300
  one "$game" >/dev/null # the game's saved file exists, as in the timed runs
  irs() { # irs NAME PROGRAM: millions of instructions
    "$probe" 0 valgrind --tool=callgrind --callgrind-out-file="$work/$1.cg" "$2" \
      >/dev/null 2>>"$work/probe.log"
    sed -n 's/^summary: //p' "$work/$1.cg" | awk '{ printf "%.1f", $1 / 1e6 }'
  }
  gi=$(irs game "$game"); bi=$(irs bare "$bare")
  printf 'instructions (millions): game %s, bare %s, game / bare %s\n' "$gi" "$bi" "$(awk -v g="$gi" -v b="$bi" 'BEGIN { printf "%.2f", g / b }')"
  [ -z "$other" ] || { oi=$(irs other "$other"); printf 'other %s, other / bare %s\n' "$oi" "$(awk -v o="$oi" -v b="$bi" 'BEGIN { printf "%.2f", o / b }')"; }
  exit 0
fi
one "$game" >/dev/null; one "$bare" >/dev/null # warm-up: file caches, and the game's saved file exists
[ -z "$other" ] || one "$other" >/dev/null
: >"$work/game"; : >"$work/bare"; : >"$work/other"
# Every other round in the opposite order: the first program of a round tends to map later.
for round in $(seq "$runs"); do
  if [ $((round % 2)) -eq 1 ]; then
    one "$game" >>"$work/game"; one "$bare" >>"$work/bare"; [ -z "$other" ] || one "$other" >>"$work/other"
  else
    [ -z "$other" ] || one "$other" >>"$work/other"; one "$bare" >>"$work/bare"; one "$game" >>"$work/game"
  fi
done

median() { # median KEY FILE
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '%-10s %10s %10s %10s\n' "" "map ms" "cpu ms" "rss kB"
for who in game bare $([ -n "$other" ] && echo other); do
  printf '%-10s %10s %10s %10s\n' "$who" "$(median map_ms "$work/$who")" "$(median cpu_ms "$work/$who")" "$(median rss_kb "$work/$who")"
done
awk -v gm="$(median map_ms "$work/game")" -v bm="$(median map_ms "$work/bare")" \
    -v gc="$(median cpu_ms "$work/game")" -v bc="$(median cpu_ms "$work/bare")" \
    -v gr="$(median rss_kb "$work/game")" -v br="$(median rss_kb "$work/bare")" \
    'BEGIN { printf "game / bare: map %.2f, cpu %.2f, rss %.2f\n", gm / bm, gc / bc, gr / br }'
[ -z "$other" ] || awk -v gm="$(median map_ms "$work/other")" -v bm="$(median map_ms "$work/bare")" \
    -v gc="$(median cpu_ms "$work/other")" -v bc="$(median cpu_ms "$work/bare")" \
    -v gr="$(median rss_kb "$work/other")" -v br="$(median rss_kb "$work/bare")" \
    'BEGIN { printf "other / bare: map %.2f, cpu %.2f, rss %.2f\n", gm / bm, gc / bc, gr / br }'
