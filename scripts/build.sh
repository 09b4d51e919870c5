#!/bin/sh
# Configures and builds Зорбикс in build/ (the program is build/bin/zorbiks).
# With arguments, builds only those targets (run.sh builds just the program).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
if [ "$#" -gt 0 ]; then
    for target in "$@"; do
        cmake --build build -j "$(nproc)" --target "$target"
    done
else
    cmake --build build -j "$(nproc)"
fi
