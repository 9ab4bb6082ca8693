#!/usr/bin/env bash
# Builds the program and starts it. Arguments are passed to veldra2.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$("$root/scripts/configure.sh" | tail -n 1)"
cmake --build "$build" --target veldra2 veldra2-cli
exec "$build/src/app/veldra2" "$@"
