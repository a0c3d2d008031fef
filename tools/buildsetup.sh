# Sourced by the build scripts, after they set $root: the Debian packages of
# the build and of the instrumented builds, install_missing PACKAGE..., which
# installs those not installed yet, and the configuration of the clang builds.

build_packages=(
    cmake make g++ pkg-config
    qtbase5-dev qtmultimedia5-dev libqt5sql5-sqlite qttools5-dev qttools5-dev-tools
    libqt5x11extras5-dev
    libqt5multimedia5-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libgstreamer1.0-dev
    libsqlite3-dev fonts-wqy-microhei alsa-utils
    dpkg-dev desktop-file-utils appstream
)

# Sanitizers and libFuzzer come with clang; llvm brings llvm-symbolizer,
# which names the functions in reports (and in suppressions).
instrumented_build_packages=("${build_packages[@]}" clang libclang-rt-14-dev llvm)

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

# configure_with_clang BUILD-FOLDER BUILD-TYPE SANITIZERS [CMAKE-ARGUMENT...]
configure_with_clang() {
    local build=$1 type=$2 sanitizers=$3
    shift 3
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="$type" \
        -DOVELIA_SANITIZERS="$sanitizers" "$@"
}

# The AddressSanitizer and UndefinedBehaviorSanitizer build, shared by the
# sanitizer run and the fuzz run.
asan_build=${OVELIA_ASAN_BUILD_DIR:-$root/build-asan}
configure_asan_build() {
    configure_with_clang "$asan_build" RelWithDebInfo address,undefined -DOVELIA_FUZZ=ON
}
