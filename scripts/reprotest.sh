#!/usr/bin/env bash
# Builds the Debian package twice, from two clean clones of the last commit in two different folders (of
# different depth), without ccache, with SOURCE_DATE_EPOCH taken from that commit, and checks that the two
# .deb files are byte-identical. Prints both checksums; on a difference, the differing members.
#
#   scripts/reprotest.sh [KEEP_DIR]    (KEEP_DIR keeps both packages)
set -euo pipefail
repo=$(git rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct "$commit")
export CCACHE_DISABLE=1 LC_ALL=C.UTF-8 TZ=UTC
umask 022

# build DIR: clones the commit into DIR and makes the package there; prints the .deb's path.
build() {
  git clone -q --no-hardlinks "$repo" "$1"
  git -C "$1" checkout -q "$commit"
  cmake -S "$1" -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTEL_TESTS=OFF -DQUINTEL_BENCH=OFF \
    >"$1.log" 2>&1
  cmake --build "$1/build" >>"$1.log" 2>&1 || { tail -n 30 "$1.log" >&2; return 1; }
  (cd "$1/build" && cpack -G DEB >>"$1.log" 2>&1) || { tail -n 30 "$1.log" >&2; return 1; }
  ls "$1"/build/quintel-slots_*.deb
}

echo "Building $commit twice (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
mkdir -p "$work/elsewhere"
# Both builds at once: the wall time of one on a busy machine.
build "$work/a" >"$work/first" & pid=$!
build "$work/elsewhere/b" >"$work/second" || exit 1
wait "$pid" || exit 1
first=$(cat "$work/first") second=$(cat "$work/second")
sha256sum "$first" "$second" | sed "s|$work/||"
if [ -n "${1:-}" ]; then
  mkdir -p "$1"
  cp "$first" "$1/first.deb"
  cp "$second" "$1/second.deb"
fi
if cmp -s "$first" "$second"; then
  echo "reprotest: the two packages are byte-identical"
  exit 0
fi
echo "reprotest: the two packages differ" >&2
for deb in "$first" "$second"; do
  mkdir -p "$deb.x" && dpkg-deb -R "$deb" "$deb.x"
done
diff -r "$first.x" "$second.x" >&2 || true
diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") >&2 || true
exit 1
