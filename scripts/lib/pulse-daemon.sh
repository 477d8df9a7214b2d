#!/usr/bin/env bash
# A private PulseAudio for tests and benchmarks: one null sink "bells" as the
# default output, its own runtime folder, no hardware, nothing of the user's.
#   pulse-daemon.sh start DIR [IDLE [PORT]]
#                                starts it; the server is unix:DIR/native. With
#                                IDLE it ends itself after IDLE seconds without
#                                a client: a test process killed by its time-out
#                                leaves nothing running. With PORT it also
#                                listens on 127.0.0.1:PORT, as another
#                                computer's sound server would on the network.
#   pulse-daemon.sh stop DIR     stops it
set -euo pipefail
command=$1
dir=$2
idle=${3:--1}
port=${4:-}
export XDG_RUNTIME_DIR="$dir" HOME="$dir" PULSE_RUNTIME_PATH="$dir/pulse" PULSE_STATE_PATH="$dir/state"
server="unix:$dir/native"

case "$command" in
start)
    mkdir -p "$dir"
    chmod 700 "$dir"
    tcp=()
    [ -z "$port" ] || tcp=(-L "module-native-protocol-tcp listen=127.0.0.1 port=$port auth-anonymous=1")
    pulseaudio -n --daemonize=yes --exit-idle-time="$idle" --use-pid-file=yes --disable-shm=yes \
        --log-target="file:$dir/pulse.log" \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
        "${tcp[@]}" -L "module-null-sink sink_name=bells rate=44100 channels=2"
    for _ in $(seq 50); do
        pactl --server="$server" info >/dev/null 2>&1 && exit 0
        sleep 0.1
    done
    echo "PulseAudio did not start; see $dir/pulse.log" >&2
    exit 1
    ;;
stop)
    pid=$(cat "$dir/pulse/pid" 2>/dev/null || true)
    [ -n "$pid" ] || exit 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || exit 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
