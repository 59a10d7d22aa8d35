#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, when missing.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkgconf
  libasound2-dev libsndfile1-dev libxcb1-dev libfontconfig-dev
  qt6-base-dev qt6-translations-l10n qt6-qpa-plugins
  xvfb openbox xdotool x11-utils x11-xkb-utils weston qt6-wayland
  fonts-dejavu-core fonts-liberation2 fonts-arabeyes
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
