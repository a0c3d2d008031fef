# Sourced by the set-up scripts: the Debian packages of the build and of the
# instrumented builds, and install_missing PACKAGE..., which installs those
# not installed yet.

build_packages=(
    cmake make g++ pkg-config
    qtbase5-dev qtmultimedia5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools
    libqt5multimedia5-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libsqlite3-dev fonts-wqy-microhei alsa-utils
)

# Sanitizers and libFuzzer come with clang.
instrumented_build_packages=("${build_packages[@]}" clang libclang-rt-14-dev)

install_missing() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
