#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them all headless through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "Checking packages..."
bash scripts/install-deps.sh test
echo "Configuring..."
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTARO_BUILD_TESTS=ON -DTINTARO_SANITIZE=ON \
    -DCMAKE_INSTALL_PREFIX=/usr > build-test.configure.log 2>&1 || { cat build-test.configure.log; exit 1; }
# One line per step: "Building (12 of 180)... <what>".
NINJA_STATUS="Building (%f of %t)... " cmake --build build-test
export QT_QPA_PLATFORM=offscreen
echo "Running $(ctest --test-dir build-test -N | sed -n 's/^Total Tests: //p') tests..."
ctest --test-dir build-test --output-on-failure --timeout 300
