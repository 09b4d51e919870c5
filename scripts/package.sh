#!/bin/sh
# Installs what is missing, builds Зорбикс and makes its Debian package,
# build/zorbiks_<version>_amd64.deb.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --with-packaging
./scripts/build.sh
cd build
cpack -G DEB >/dev/null
ls "$PWD"/zorbiks_*_amd64.deb
