#!/bin/sh
# The program's sounds heard on a real sound server: starts PulseAudio of its
# own with a null sink, records the sink's monitor with parecord while
# build/tools/check_sounds plays each of the seven sounds 30 times through
# the program's sounds seam (the sound thread and the libcanberra module),
# and checks every play in the recording: there, whole, not doubled, started
# at most 30 ms after its click by the server's sample clock, whatever the
# recorder's delivery took (95 % of each sound's plays; none later than
# 150 ms, a wait rather than a loaded machine's scheduling; at most two plays
# of a sound cut short by a loaded machine's server, each printed). The
# server runs with real-time priority where it may, as a desktop's does.
# Then the same sounds where no server answers: no call waits and nothing
# is printed per sound. Also checks that
# the program does not link Qt Multimedia. Expects a built tree
# (scripts/build.sh); takes about three minutes.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --with-audio
[ -x build/tools/check_sounds ] || ./scripts/build.sh check_sounds zorbiks
fail() { echo "check-sound: $*" >&2; exit 1; }

if ldd build/bin/zorbiks | grep -i multimedia; then
    fail "the program links Qt Multimedia"
fi

work=$(mktemp -d)
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/run" "$work/run/pulse"
# The server and the player keep everything they write in the work folder.
export HOME="$work" XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/cache"
export XDG_CONFIG_HOME="$work/config" CANBERRA_DRIVER=pulse
# The sounds come from the build tree's theme, found as an installed one is.
export XDG_DATA_DIRS="$PWD/build/share:/usr/local/share:/usr/share"

# norewinds: the null sink writes every sample once. With rewinds (the sink
# rewriting what it has mixed ahead when a sound starts) its monitor records
# the first version of some samples, and sounds look cut or quieter than
# they were.
pulseaudio --system=false --daemonize=no --exit-idle-time=-1 -n --high-priority=yes --realtime=yes \
    -L "module-null-sink sink_name=rec norewinds=1" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
    -L module-always-sink >"$work/pulseaudio.log" 2>&1 &
server=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$work/pulseaudio.log"; fail "PulseAudio did not start"; }

echo "== every sound 30 times, recorded from the null sink"
parecord --raw --format=s16le --rate=44100 --channels=1 --latency-msec=5 --device=rec.monitor \
    2>"$work/parecord.log" | build/tools/check_sounds build/share/sounds/zorbiks/stereo 30 ||
    { cat "$work/parecord.log"; fail "the sounds were not heard as they should be"; }

echo "== without a sound server"
kill "$server" && wait "$server" 2>/dev/null || true
server=""
# A socket nobody listens on: no server, and none started for the player.
PULSE_SERVER="unix:$work/no-server" build/tools/check_sounds --without-server 30 2>"$work/messages"
lines=$(wc -l <"$work/messages")
cat "$work/messages"
[ "$lines" -le 5 ] || fail "$lines lines of messages for 210 sounds without a server"
echo "check-sound: every sound heard and on time; silent and quick without a server"
