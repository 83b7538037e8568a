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

# What a release needs beside: the Windows cross compiler, makensis and zip
# for the Windows downloads, git for the source archive, and what makes the
# .deb.
RELEASE_PACKAGES=(g++-mingw-w64-x86-64-posix nsis zip git dpkg-dev file)

# What release.sh --twice needs to show how two runs' files differ.
COMPARE_PACKAGES=(diffoscope-minimal)

# What the tests need beside: GoogleTest; an X server and the tools that
# drive and photograph windows (procps for pgrep); mingw-w64 and Wine (the
# `wine` package puts the `wine` command on the PATH, `fonts-wine` gives
# it the dialog font Windows uses) and what makes and opens the Windows
# downloads; what makes and checks the .deb; and man to show the manual
# pages as a reader sees them.
TEST_PACKAGES=(libgtest-dev libgmock-dev googletest
    xvfb xauth xdotool x11-utils imagemagick procps
    g++-mingw-w64-x86-64-posix wine fonts-wine nsis zip unzip
    dpkg-dev file lintian desktop-file-utils appstream
    python3-pyatspi at-spi2-core dbus-daemon
    man-db groff-base)
