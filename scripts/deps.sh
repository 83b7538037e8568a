# Installs the Debian packages named as arguments when any is missing.
# Sourced by run.sh and test.sh.
install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What building the panel and the simulated board needs.
BUILD_PACKAGES=(cmake make g++ pkg-config libwxgtk3.2-dev libgtk-3-dev zlib1g-dev)

# What the tests need beside: GoogleTest; an X server and the tools that
# drive and photograph windows (procps for pgrep); mingw-w64 and Wine (the
# `wine` package puts the `wine` command on the PATH, `fonts-wine` gives
# it the dialog font Windows uses); what makes and checks the .deb; and
# man to show the manual pages as a reader sees them.
TEST_PACKAGES=(libgtest-dev libgmock-dev googletest
    xvfb xauth xdotool x11-utils imagemagick procps
    g++-mingw-w64-x86-64-posix wine fonts-wine
    dpkg-dev file lintian desktop-file-utils appstream
    python3-pyatspi at-spi2-core dbus-daemon
    man-db groff-base)
