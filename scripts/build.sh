#!/bin/sh
# Configures and builds Зорбикс in build/ (the program is build/bin/zorbiks).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$(nproc)"
