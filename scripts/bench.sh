#!/usr/bin/env bash
# Builds and runs host_bench: the plug-in driven as a host drives it, each operation beside its bare limit,
# on sample price lists of 100,000 and 1,000,000 items (written once into /tmp/rovan-bench when missing;
# the larger takes minutes). Arguments go to host_bench: --items N (repeatable), --runs R, --dir D,
# --out FILE. Prints the table and writes it as Markdown to bench/results.md.
set -euo pipefail
cd "$(dirname "$0")/.."
# MagickWand gives the thumbnails their bare limit; nlohmann::json, the JSON tree's (in the usual list).
scripts/install-deps.sh libmagickwand-dev
# A MagickWand installed since the last configure is looked for again.
cmake -S . -B build -G Ninja -U '__pkg_config_checked_MAGICKWAND' >/dev/null
cmake --build build -j"$(nproc)" --target host_bench
build/bin/host_bench --dir /tmp/rovan-bench --out bench/results.md "$@"
