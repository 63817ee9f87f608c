#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kestrelwood Checkbook.
# Without a display (a bare server) the program runs under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
binary="${BUILD_DIR:-$root/build}/src/kestrelwood-checkbook"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$binary" "$@"
fi
exec "$binary" "$@"
