#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, when missing.
# apt's own output goes to a log, shown only when apt fails.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkgconf
  libasound2-dev libsndfile1-dev libxcb1-dev libfontconfig-dev
  qt6-base-dev qt6-translations-l10n qt6-qpa-plugins
  xvfb openbox xdotool x11-utils x11-xkb-utils weston qt6-wayland
  fonts-dejavu-core fonts-liberation2 fonts-arabeyes fonts-kacst-one
  desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  apt_get() { $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -q "$@"; }
  log=$(mktemp "${TMPDIR:-/tmp}/suite-setup.XXXXXX")
  echo "setup: installing ${missing[*]}"
  if ! { apt_get update && apt_get install -y --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    echo "setup: apt-get failed; the end of its output ($log):" >&2
    tail -n 25 "$log" >&2
    exit 1
  fi
  grep '^W: ' "$log" >&2 || true
  rm -f "$log"
fi
