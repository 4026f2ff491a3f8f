#!/usr/bin/env bash
# Builds Castovin (Release) and starts it, with the project file given, if any.
# Without a display it says so and prints the design report of the project
# (or of the English example) with castovin-cli instead.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"

"$root/scripts/install-deps" >&2
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$root/build" --target castovin castovin-cli castovin_docs >&2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set); printing the design report with castovin-cli instead." >&2
  exec "$root/build/src/cli/castovin-cli" design "${1:-$root/examples/default-english.vlb}"
fi
exec "$root/build/src/ui/castovin" "$@"
