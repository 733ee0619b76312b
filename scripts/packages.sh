# Sourced by test.sh and run.sh: installs the Debian packages the program,
# its content tools and its tests need (only when some are missing), and
# builds everything in build/.

OSTRANA_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev
    # the tests post input through the window system's own queue
    qt6-base-private-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libsqlite3-dev libsodium-dev libgif-dev
    libespeak-ng-dev espeak-ng-data libmp3lame-dev
    # the voice on the command line, to hear and check the tables' say texts
    espeak-ng
    fonts-noto-core fonts-noto-color-emoji fonts-liberation2
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    pulseaudio
    # the format check of continuous integration
    clang-format
    # screenshots of the windows on a virtual display
    xvfb openbox imagemagick
)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${OSTRANA_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures and builds the program, its program folder and the tests in build/,
# or in the folder given with the CMake options that follow it.
build_all() {
    local dir=${1:-build}
    [ $# -gt 0 ] && shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
