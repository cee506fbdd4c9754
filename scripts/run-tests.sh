#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test: once in ./build, once in ./build-asan under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
(cd build && ctest --output-on-failure -j"$(nproc)")
scripts/build.sh build-asan -DROVAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$(nproc)")
