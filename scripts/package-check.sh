#!/usr/bin/env bash
# Checks the package the way a distribution's maintainers would: lintian with no warnings, and every
# program in it fully hardened (hardening-check). Installs lintian and devscripts (hardening-check) first
# when they are missing; only `make package` needs them.
set -euo pipefail
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: package-check.sh PACKAGE.deb" >&2; exit 2; }
deb=$1

tools=()
command -v lintian >/dev/null || tools+=(lintian)
command -v hardening-check >/dev/null || tools+=(devscripts)
if [ ${#tools[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing ${tools[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${tools[@]}"
fi

# Warnings fail as errors do; information tags are shown for the reader.
lintian --fail-on warning --display-info "$deb"
echo "lintian: no errors or warnings in $(basename "$deb")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
programs=0 failed=0
while IFS= read -r -d '' f; do
  [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  # Fails on any "no": PIE, stack protector, fortified calls, read-only relocations, immediate binding,
  # stack-clash and control-flow (CET) protection. Stack clash reads "unknown" for a program none of whose
  # functions needs a stack probe.
  hardening-check "$f" || failed=1
  programs=$((programs + 1))
done < <(find "$work" -type f -perm -u+x -print0 | sort -z)
[ "$programs" -gt 0 ] || { echo "no programs found in $(basename "$deb")" >&2; exit 1; }
[ "$failed" -eq 0 ] || { echo "hardening-check: a program in $(basename "$deb") is not fully hardened" >&2; exit 1; }
echo "hardening-check: $programs programs hardened"
