#!/usr/bin/env bash
# Installs what is missing, builds a Release copy and starts Tintaro.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "Checking packages..."
bash scripts/install-deps.sh
echo "Configuring..."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release > build-release.configure.log 2>&1 || { cat build-release.configure.log; exit 1; }
NINJA_STATUS="Building (%f of %t)... " cmake --build build-release --target tintaro
echo "Starting Tintaro..."
exec ./build-release/tintaro
