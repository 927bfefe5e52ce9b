#!/usr/bin/env bash
# Builds the game, installs it for this user (or updates the installation) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh packages-build.txt packages-play.txt
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBELLO_TESTS=OFF \
  -DORBELLO_BENCH=OFF
cmake --build build/release -j "$(nproc)"
app_dir=$(installer/install.sh build/release | tail -n 1)
echo "Starting $app_dir/cvob"
exec "$app_dir/cvob"
