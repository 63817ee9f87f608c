#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Only missing packages are fetched, so a prepared machine skips apt entirely.
# Packages given as arguments are installed too (the tools of a by-hand script).
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev
  libgl-dev libsqlite3-dev
  libquazip1-qt6-dev
  fonts-material-design-icons-iconfont
  xvfb xauth
  desktop-file-utils appstream
  pkg-config qt6-httpserver-dev qt6-websockets-dev libjwt-dev libsodium-dev
  postgresql libqt6sql6-psql wrk
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring dbus-daemon dbus-bin
  libofx-dev
  dpkg-dev file lintian
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
