#!/bin/sh
# Installs the Debian 12 packages that Зорбикс needs to build, run and test.
# Only missing packages are installed; as a normal user sudo is used.
set -eu

packages="cmake make g++ ccache pkgconf qt6-base-dev qt6-translations-l10n libcanberra-dev \
libgl-dev libx11-dev libxtst-dev fonts-liberation2 fonts-dejavu-core espeak-ng"
for option in "$@"; do
    case "$option" in
    # Xvnc (tigervnc) honours a second keyboard layout, which Xvfb ignores.
    --with-x-tools) packages="$packages xvfb xauth xdotool imagemagick openbox wmctrl x11-utils \
tigervnc-standalone-server x11-xkb-utils" ;;
    --with-packaging) packages="$packages dpkg-dev file desktop-file-utils appstream xvfb xauth xdotool \
imagemagick help2man locales lintian man-db" ;;
    --with-office) packages="$packages libreoffice-calc-nogui" ;;
    --with-printing) packages="$packages cups cups-client printer-driver-cups-pdf poppler-utils" ;;
    --with-audio) packages="$packages pulseaudio pulseaudio-utils libcanberra-pulse" ;;
    esac
done

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    run=""
elif command -v sudo >/dev/null 2>&1; then
    run="sudo"
else
    echo "Нужны права администратора для установки пакетов:$missing" >&2
    exit 1
fi
echo "Устанавливаются пакеты:$missing"
$run apt-get update
DEBIAN_FRONTEND=noninteractive $run apt-get install -y --no-install-recommends $missing
