#!/usr/bin/env bash
# Installs what the build needs, builds, and runs the main job: the command-line host loads the plug-in.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
build/bin/kalvor "$@"
