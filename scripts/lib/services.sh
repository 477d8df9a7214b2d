# Private services for the tests. Each test run gets its own; nothing of the
# user's session is touched.
SERVICES_DIR=""

start_services() {
    SERVICES_DIR=$(mktemp -d /tmp/tollix-services.XXXXXX)
    export TOLLIX_TEST_SERVICES="$SERVICES_DIR"
}

stop_services() {
    [ -n "$SERVICES_DIR" ] || return 0
    rm -rf "$SERVICES_DIR"
}
