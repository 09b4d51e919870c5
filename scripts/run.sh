#!/bin/sh
# Installs what is missing, builds and starts Зорбикс. Arguments go to the
# program (for instance --windowed).
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh zorbiks
exec ./build/bin/zorbiks "$@"
