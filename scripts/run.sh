#!/bin/sh
# Installs what is needed, builds the program, prepares the program directory run/ (the
# delivered database with sample data on first run, the report files, the IMAGES folder) and
# starts the program in it. An existing run/data.mdb is left alone.
set -eu
cd "$(dirname "$0")/.."
ROOT="$(pwd)"
sh scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target velorima velorima-makedb
mkdir -p run/IMAGES
[ -f run/data.mdb ] || build/tools/velorima-makedb --sample run
cp report-files/* run/
cd run
exec "$ROOT/build/app/velorima"
