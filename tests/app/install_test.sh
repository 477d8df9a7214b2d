#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop and a
# package manager would find there; then packs it with CPack and runs lintian.
#   install_test.sh BUILD_DIR
set -uo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passed=0
failed=0
check() {  # check "what" command...
    local what=$1
    shift
    if out=$("$@" 2>&1); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
        printf '%s\n' "$out" | sed 's/^/    /'
    fi
}

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
root=$tmp/root/usr
id=io.github.tollix.Tollix

check "the program is in bin/" test -x "$root/bin/tollix"
check "the desktop entry is valid" desktop-file-validate "$root/share/applications/$id.desktop"
check "the metainfo is valid" appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"
check "the scalable icon is there" test -s "$root/share/icons/hicolor/scalable/apps/$id.svg"
unit=$tmp/root/usr/lib/systemd/user/tollix.service
check "the user unit starts the service" grep -qx 'ExecStart=/usr/bin/tollix --service' "$unit"
check "and restarts it after a failure" grep -qx 'Restart=on-failure' "$unit"
sed "s|/usr/bin/tollix|$root/bin/tollix|" "$unit" >"$tmp/tollix.service"
check "systemd finds no fault in the unit" systemd-analyze verify --man=no "$tmp/tollix.service"
check "the service program is in libexec/" test -x "$root/libexec/tollix/tollix-service"
check "the manual page reads" bash -c "zcat '$root/share/man/man1/tollix.1.gz' | grep -q 'ring.-log'"

# The command line, with every folder of the user's pointed at the test's.
export XDG_DATA_HOME="$tmp/data" XDG_STATE_HOME="$tmp/state" XDG_CONFIG_HOME="$tmp/config"
export XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
version=$(grep -m1 -o 'project(tollix VERSION [0-9.]*' "$(dirname "$0")/../../CMakeLists.txt" | cut -d' ' -f3)
check "--version names the version" bash -c "'$root/bin/tollix' --version | grep -qx 'tollix $version'"
check "--help lists the options" bash -c "'$root/bin/tollix' --help | grep -q -- '--data <folder>'"
check "--ring-log prints nothing on a first start" bash -c "test -z \"\$('$root/bin/tollix' --ring-log)\""
"$root/bin/tollix" --no-such-option >"$tmp/out" 2>"$tmp/err"
check "an unknown option exits 2" test $? -eq 2
check "with one line of error" bash -c "test \$(wc -l <'$tmp/err') -eq 1 && test ! -s '$tmp/out'"
check "before any folder is made" bash -c "test ! -e '$tmp/data/tollix' && test ! -e '$tmp/state/tollix'"

# --data: the program folder is made where it says (the sound server out of reach).
PULSE_SERVER=unix:/nonexistent "$root/bin/tollix" --data "$tmp/school" >/dev/null 2>&1 &
for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/tollix.socket" ] && break; sleep 0.1; done  # up
kill "$!" && wait "$!"
check "--data makes the program folder there" test -f "$tmp/school/data/data.ini"
check "--data leaves the usual folder alone" test ! -e "$tmp/data/tollix"

# The Debian package, packed from this build into a folder of the test's.
if command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
    (cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pack" >/dev/null 2>&1)
    deb=$(ls "$tmp"/pack/tollix_*.deb 2>/dev/null | head -n 1)
    check "CPack makes a package" test -n "$deb"
    check "lintian finds no error" lintian --fail-on error "$deb"
    check "the package depends on its libraries" bash -c "dpkg-deb -f '$deb' Depends | grep -q libmpv"
    check "the package recommends the Wayland plugin" bash -c "dpkg-deb -f '$deb' Recommends | grep -q qt6-wayland"
fi

echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
