#!/usr/bin/env bash
# Configures and builds the project into build/ (Release with debug info).
# Arguments are passed to the configure step, e.g. -DCHECKBOOK_SANITIZE=ON.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
