#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test (unit, view and end-to-end under Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure-deps.sh test
./scripts/build.sh build-test -DCMAKE_BUILD_TYPE=Debug -DFERLOW_SANITIZE=ON -DFERLOW_WERROR=ON -DBUILD_TESTING=ON
cd build-test
ctest --output-on-failure --timeout 300 -j2 "$@"
