#!/bin/sh
# Makes the Debian package and checks it: its files and computed
# dependencies, the desktop and AppStream files, Debian's own check
# (lintian: no error, warning, note or pedantic tag that is not overridden
# with its reason), the manual pages, and - as root - that it installs, that
# `man` finds the pages, that the installed programs answer --help without a
# display, that the installed program reaches the registration screen under
# Xvfb, and that removing it leaves none of its files behind.
set -eu
cd "$(dirname "$0")/.."
deb=$(./scripts/package.sh | tail -n 1)
artifacts=build/ci-artifacts
rm -rf "$artifacts" build/deb-root
mkdir -p "$artifacts"
fail() { echo "check-package: $*" >&2; exit 1; }

echo "== $deb"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb" | tee "$artifacts/contents.txt"

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for expected in /usr/bin/zorbiks /usr/bin/zorbiks-report /usr/share/applications/zorbiks.desktop \
    /usr/share/applications/zorbiks-report.desktop \
    /usr/share/xsessions/zorbiks.desktop /usr/share/metainfo/ru.zorbiks.Zorbiks.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/zorbiks.svg /usr/share/icons/hicolor/48x48/apps/zorbiks.png \
    /usr/share/sounds/zorbiks/index.theme /usr/share/sounds/zorbiks/stereo/click2.wav \
    /usr/share/sounds/zorbiks/stereo/спасибо.wav /usr/lib/zorbiks/modules/libzorbiks-sound.so \
    /usr/lib/zorbiks/modules/libzorbiks-print.so \
    /usr/share/doc/zorbiks/copyright /usr/share/doc/zorbiks/changelog.gz \
    /usr/share/lintian/overrides/zorbiks /usr/share/man/man1/zorbiks.1.gz \
    /usr/share/man/man1/zorbiks-report.1.gz /usr/share/man/ru/man1/zorbiks.1.gz \
    /usr/share/man/ru/man1/zorbiks-report.1.gz; do
    echo "$files" | grep -qx "$expected" || fail "the package lacks $expected"
done
depends=$(dpkg-deb -f "$deb" Depends)
for expected in libqt6widgets6 libcanberra0 libqt6printsupport6 libc6 fonts-liberation2 \
    qt6-translations-l10n; do
    echo "$depends" | grep -q "$expected" || fail "Depends lacks $expected: $depends"
done
if echo "$files" | grep -q "^/usr/share/zorbiks/.*build\|/home/\|/work/"; then
    fail "the package holds paths of the build machine"
fi

dpkg-deb -x "$deb" build/deb-root
desktop-file-validate build/deb-root/usr/share/applications/zorbiks.desktop
desktop-file-validate build/deb-root/usr/share/applications/zorbiks-report.desktop
desktop-file-validate build/deb-root/usr/share/xsessions/zorbiks.desktop
appstreamcli validate --no-net build/deb-root/usr/share/metainfo/ru.zorbiks.Zorbiks.metainfo.xml

echo "== lintian"
version=$(dpkg-deb -f "$deb" Version)
[ "$(dpkg-parsechangelog -l data/changelog -S Version)" = "$version" ] ||
    fail "the changelog's latest version is not the package's, $version"
[ "$(build/bin/zorbiks --version | head -n 1)" = "zorbiks $version" ] ||
    fail "zorbiks --version does not name the package's version, $version"
lintian --pedantic --display-info --info "$deb" 2>&1 | tee "$artifacts/lintian.txt"
if grep -E '^[EWIPX]: ' "$artifacts/lintian.txt" >/dev/null; then
    fail "lintian has tags that are neither mended nor overridden"
fi
overrides=$(lintian --pedantic --display-info --show-overrides "$deb" 2>&1 | grep -c '^O: ' || true)
echo "lintian: no tags; $overrides overridden (reasons in data/zorbiks.lintian-overrides)"

echo "== manual pages"
for page in man1/zorbiks man1/zorbiks-report ru/man1/zorbiks ru/man1/zorbiks-report; do
    text=$(MANWIDTH=80 man -l "build/deb-root/usr/share/man/$page.1.gz" 2>&1)
    case "$page" in
    ru/*) heading="ОБЗОР" ;;
    *) heading="SYNOPSIS" ;;
    esac
    echo "$text" | grep -q "^$heading" && echo "$text" | grep -q -- "--version" ||
        fail "the manual page $page lacks its synopsis or its options: $text"
done
echo "the four manual pages read"

if [ "$(id -u)" -ne 0 ]; then
    echo "check-package: not root; installing the package is left out"
    exit 0
fi

echo "== installing"
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >/dev/null ||
    { apt-get update >/dev/null && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "$deb" >/dev/null; }
[ -x /usr/bin/zorbiks ] || fail "/usr/bin/zorbiks is not installed"

echo "== the installed manual pages and --help without a display"
if grep -rqs 'path-exclude.*/usr/share/man' /etc/dpkg/dpkg.cfg.d/; then
    echo "check-package: dpkg on this machine leaves out manual pages (path-exclude" \
        "in /etc/dpkg/dpkg.cfg.d); man is not asked for them"
else
    [ "$(man -w zorbiks)" = /usr/share/man/man1/zorbiks.1.gz ] || fail "man does not find zorbiks(1)"
    [ "$(man -L ru -w zorbiks-report)" = /usr/share/man/ru/man1/zorbiks-report.1.gz ] ||
        fail "man does not find the Russian zorbiks-report(1)"
    MANPAGER=cat MANWIDTH=80 man zorbiks | head -n 8
fi
for program in zorbiks zorbiks-report; do
    for language in C.UTF-8:Usage ru_RU.UTF-8:Использование; do
        env -i PATH=/usr/bin:/bin LANG="${language%%:*}" "$program" --help >"$artifacts/help.txt" ||
            fail "$program --help failed without a display"
        grep -q "^${language#*:}: $program" "$artifacts/help.txt" ||
            fail "$program --help under ${language%%:*} does not begin with ${language#*:}"
    done
done
echo "both programs answer --help without a display, in English and in Russian"

echo "== starting the installed program under Xvfb"
home=$(mktemp -d)
cat >"$home/run.sh" <<'RUN'
#!/bin/sh
HOME="$1" XDG_RUNTIME_DIR="$1" /usr/bin/zorbiks >"$1/zorbiks.out" 2>&1 &
pid=$!
found=""
for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^Зорбикс$" 2>/dev/null | head -n 1)
    [ -n "$found" ] && break
    sleep 0.1
done
sleep 1
import -window root "$2"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -n "$found" ]
RUN
chmod 700 "$home" && chmod +x "$home/run.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$home/run.sh" "$home" "$artifacts/installed.png" ||
    { cat "$home/zorbiks.out"; fail "the installed program showed no window named Зорбикс"; }
echo "the installed program reached its window; screenshot: $artifacts/installed.png"
rm -rf "$home"

echo "== removing"
DEBIAN_FRONTEND=noninteractive apt-get purge -y zorbiks >/dev/null
left=""
for file in $files; do
    [ -f "$file" ] && left="$left $file"
done
[ -z "$left" ] || fail "files left after removal:$left"
for folder in /usr/share/zorbiks; do
    [ ! -e "$folder" ] || fail "$folder left after removal"
done
echo "check-package: the package is sound"
