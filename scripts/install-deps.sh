#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and any packages named as arguments.
# Idempotent; quiet when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev
  libsqlite3-dev unixodbc-dev odbcinst libsqliteodbc
  libjpeg62-turbo-dev libpng-dev
  nlohmann-json3-dev
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
