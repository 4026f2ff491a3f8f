#!/usr/bin/env bash
# Builds Castovin (Release) and starts it, with the project file given, if any.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"

"$root/scripts/install-deps"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$root/build" >&2

project="${1:-$root/examples/default-english.vlb}"
exec "$root/build/src/cli/castovin-cli" design "$project"
