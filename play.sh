#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-deps.sh play
./scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ferlow needs a desktop to show its windows, and there is none here (DISPLAY is not set)." >&2
  echo "To play it in a virtual X server instead:  xvfb-run -a build/bin/ferlow" >&2
  exit 1
fi
exec build/bin/ferlow "$@"
