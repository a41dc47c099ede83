#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need, and only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libx11-dev
  libsqlite3-dev sqlite3 qt6-charts-dev libqt6opengl6-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  timgm6mb-soundfont fonts-liberation fonts-dejavu-core fonts-liberation2 fonts-lobster
  libgtest-dev libgmock-dev libbenchmark-dev valgrind
  xvfb xauth xdotool x11-utils imagemagick openbox
  clang-format
  desktop-file-utils appstream man-db gzip
  at-spi2-core python3-pyatspi dbus
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
