#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
# CI (CI=true) fails on any compiler warning; a developer's build only shows them.
warnings_as_errors=OFF
[ "${CI:-}" = true ] && warnings_as_errors=ON
"$root/scripts/build.sh" -DCHECKBOOK_WARNINGS_AS_ERRORS="$warnings_as_errors"
cd "${BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
