#!/bin/sh
# Builds the profile-file fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it. Usage: fuzz/run.sh [seconds] [extra libFuzzer options]
# New inputs go to build-fuzz/corpus; fuzz/corpus holds the small set kept in the repository.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=${QUINTEL_FUZZ_DIR:-$root/build-persist/fuzz}
seconds=${1:-600}
[ $# -gt 0 ] && shift
mkdir -p "$out/corpus"
engine="Money.cpp GameState.cpp MachineInfo.cpp PlaySettings.cpp ReelSet.cpp"
sources=""
for f in $engine; do sources="$sources $root/src/engine/$f"; done
for f in "$root"/src/persist/*.cpp; do sources="$sources $f"; done
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src/persist" -I"$root/src/engine" -I"$root/tests/support" $sources "$here/ProfileFuzzer.cpp" -o "$out/profile-fuzzer"
exec "$out/profile-fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 -max_len=4096 -artifact_prefix="$out/" \
  -dict="$here/profile.dict" "$@" "$out/corpus" "$here/corpus"
