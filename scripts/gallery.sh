#!/usr/bin/env bash
# Builds the gallery executables (default preset) and renders every window of
# the six programs, in the states a pupil meets, into build/gallery/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target gallery -j"${JOBS:-4}"
out=build/gallery
rm -rf "$out"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
status=0
# Every program's gallery executable, as the gallery target builds them.
for g in $(find build/default -path '*/tests/*_gallery' -type f -executable | sort); do
  # The offscreen platform's notes (no raise, no window masks) go to the log.
  "$g" "$out" >/dev/null 2>>"$out/log.txt" || { echo "failed: $g (see $out/log.txt)" >&2; status=1; }
done
echo "$(ls "$out"/*.png | wc -l) pictures in $out"
exit $status
