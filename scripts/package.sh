#!/usr/bin/env bash
# Makes the Debian packages kestrelwood-checkbook and kestrelwood-server
# from a build and checks them: dpkg-deb --info and --contents, and lintian,
# which must find no errors (warnings are shown and let through).
#
#   scripts/package.sh [BUILD_DIR]
#
# Uses BUILD_DIR as it is when given (CI passes the build it has already
# made); without it, installs what is missing and builds into build/ first.
# The packages land in BUILD_DIR/packages.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ $# -gt 0 ]; then
  build="$(cd "$1" && pwd)"
  [ -f "$build/CPackConfig.cmake" ] || { echo "No configured build in $build" >&2; exit 1; }
else
  "$root/scripts/install-deps.sh"
  "$root/scripts/build.sh"
  build="${BUILD_DIR:-$root/build}"
fi

out="$build/packages"
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack --config CPackConfig.cmake -B "$out" >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log" >&2
  exit 1
}
rm -rf "$out/_CPack_Packages"

status=0
for deb in "$out"/*.deb; do
  echo "== $(basename "$deb")"
  dpkg-deb --info "$deb"
  dpkg-deb --contents "$deb"
  # Lintian's error lines start with "E:"; everything else is advice.
  lintian --tag-display-limit 0 "$deb" | tee "$deb.lintian" || true
  if grep -q '^E:' "$deb.lintian"; then
    echo "lintian finds errors in $(basename "$deb")" >&2
    status=1
  fi
done
exit $status
