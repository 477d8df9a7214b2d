# Installs the Debian packages given as arguments that are not installed yet.
# Runs apt-get as root, or through sudo; does nothing when everything is there.
install_packages() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    # Packages of services (chrony above all, which would set the clock) are
    # installed without starting them: the tests start private ones.
    local guard=""
    if [ ! -e /usr/sbin/policy-rc.d ]; then
        guard=/usr/sbin/policy-rc.d
        printf '#!/bin/sh\nexit 101\n' | "${sudo[@]}" tee "$guard" >/dev/null
        "${sudo[@]}" chmod 755 "$guard"
    fi
    local status=0
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" || status=$?
    [ -z "$guard" ] || "${sudo[@]}" rm -f "$guard"
    return $status
}

# What building and running the program needs.
RUN_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
              libmpv-dev libpulse-dev libical-dev libgtest-dev libgmock-dev fonts-dejavu-core
              libmicrohttpd-dev libsodium-dev libqrencode-dev libmosquitto-dev
              libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
              qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# What the tests need on top: private sound server, fixtures, a screen for screenshots.
TEST_PACKAGES=(pulseaudio pulseaudio-utils ffmpeg sox faketime xvfb xauth imagemagick valgrind
               python3-dbusmock dbus-daemon desktop-file-utils appstream dpkg-dev
               file lintian chrony gdb systemd
               clang-format tzdata chromium python3 fonts-wqy-microhei
               at-spi2-core python3-pyatspi mosquitto espeak-ng
               radicale apache2-utils curl openssl)

# What building and checking the Debian package needs on top.
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

# axe-core, which the page's test runs in Chromium: Debian has no package of
# it, so npm's, into the build folder, once. Debian's npm only where no npm
# is there: it conflicts with a Node.js that brings its own.
AXE_FOLDER=build/npm
install_axe() {
    [ -f "$AXE_FOLDER/node_modules/axe-core/axe.min.js" ] && return 0
    command -v npm >/dev/null || install_packages npm
    npm install --silent --no-save --no-audit --no-fund --prefix "$AXE_FOLDER" axe-core@4
}

# One configuration for scripts/run and scripts/test, so each reuses what the
# other built; a warning stops the build, as it does in CI. Arguments go to
# the build (scripts/run builds the program alone).
build_tollix() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLLIX_WERROR=ON >/dev/null
    cmake --build build "$@"
}
