#!/usr/bin/env bash
# Builds everything and runs every test. Extra arguments go to cmake, e.g.
# -DVELDRA_SANITIZE=ON (use another VELDRA_BUILD_DIR for that build).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$("$root/scripts/configure.sh" "$@" | tail -n 1)"
cmake --build "$build"
cd "$build"
# A test that fails once fails the run: a rerun would hide a flaky test.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"
