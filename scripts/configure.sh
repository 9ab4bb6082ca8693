#!/usr/bin/env bash
# Installs what is missing and configures the build folder (default: build).
# Extra arguments go to cmake, e.g. -DVELDRA_SANITIZE=ON.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="${VELDRA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
echo "$build"
