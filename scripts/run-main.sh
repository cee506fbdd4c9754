#!/usr/bin/env bash
# Installs what the build needs, builds, writes the sample price list when missing, and browses it the way
# the design application does: the top of the tree, one tab's codes, one item's definition, one thumbnail.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
sample=build/sample.sqlite
[ -f "$sample" ] || build/bin/rovan sample "$sample" --items 20000
kalvor="build/bin/kalvor --listino $sample"
echo "== The plug-in as the host obtains it"
build/bin/kalvor info
echo "== The top of the tab tree"
$kalvor tree > build/tree.txt
head -n 12 build/tree.txt
echo "== The codes of tab 2 (under tab 1, under tab 0)"
$kalvor codes 1 2 > build/codes.txt
head -n 8 build/codes.txt
code=$(head -n 1 build/codes.txt | cut -f1)
echo "== The definition of $code"
$kalvor item "$code"
echo "== A thumbnail of an item with a picture"
$kalvor image CU-BAS-045-000000 build/thumbnail.png
