# Private services for the tests. Each test run gets its own; nothing of the
# user's session is touched.
SERVICES_DIR=""

start_services() {
    SERVICES_DIR=$(mktemp -d /tmp/tollix-services.XXXXXX)
    export TOLLIX_TEST_SERVICES="$SERVICES_DIR"
    # Nothing a test does reaches the user's own folders (data, settings, ring record).
    export XDG_DATA_HOME="$SERVICES_DIR/data" XDG_CONFIG_HOME="$SERVICES_DIR/config"
    export XDG_STATE_HOME="$SERVICES_DIR/state"
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_STATE_HOME"
    # Sound goes to a null sink; the tests that listen start servers of their own.
    scripts/lib/pulse-daemon.sh start "$SERVICES_DIR/pulse"
    export PULSE_SERVER="unix:$SERVICES_DIR/pulse/native"
}

stop_services() {
    [ -n "$SERVICES_DIR" ] || return 0
    scripts/lib/pulse-daemon.sh stop "$SERVICES_DIR/pulse" || true
    rm -rf "$SERVICES_DIR"
}
