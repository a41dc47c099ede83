#!/usr/bin/env bash
# Start-up of the game against a bare Qt window of the same size with a menu bar, on a private X server:
# RUNS interleaved runs of each (after one warm-up run each), medians of the time until the window is
# mapped, of the processor time used once settled, and of resident memory, and the game's ratios.
#
#   bench/startup-bench.sh [--build DIR] [--game PATH] [--other PATH] [--runs N] [--settle MS]
# --other adds a second build of the game to the same interleaved runs (e.g. one from before a change).
set -u
build=build; game=""; other=""; runs=5; settle=1000
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2;; --game) game=$2; shift 2;; --other) other=$2; shift 2;; --runs) runs=$2; shift 2;;
    --settle) settle=$2; shift 2;; *) echo "unknown option $1" >&2; exit 2;;
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
one "$game" >/dev/null; one "$bare" >/dev/null # warm-up: file caches, and the game's saved file exists
[ -z "$other" ] || one "$other" >/dev/null
: >"$work/game"; : >"$work/bare"; : >"$work/other"
for _ in $(seq "$runs"); do
  one "$game" >>"$work/game"
  one "$bare" >>"$work/bare"
  [ -z "$other" ] || one "$other" >>"$work/other"
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
