#!/usr/bin/env bash
# Runs lintian on the package (installing lintian first when it is missing); fails on any error.
set -euo pipefail
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: lintian-check.sh PACKAGE.deb" >&2; exit 2; }
if ! command -v lintian >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing lintian"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian
fi
# lintian exits non-zero on errors only (--fail-on error); warnings are printed for the reader.
lintian --fail-on error --display-info "$1"
echo "lintian: no errors in $(basename "$1")"
