#!/bin/sh
# Installs what is needed, builds everything and runs every test (headless).
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORIMA_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
