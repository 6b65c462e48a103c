# Shared by the scripts: the Debian packages each task needs, installing what is
# missing, configuring and building a preset.
# shellcheck shell=bash
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Every Debian 12 package the project uses, by task, in this one place. Installs run
# with --no-install-recommends, so a package that another one only recommends (or
# that its CMake files need without depending on it, as Qt Charts does OpenGL) is
# named here itself.
BUILD_PACKAGES=(cmake ninja-build g++
                qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
                qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
                libbenchmark-dev fonts-liberation fonts-dejavu-core)
TEST_PACKAGES=(xvfb xauth xdotool imagemagick poppler-utils
               desktop-file-utils appstream python3)
PACKAGE_PACKAGES=(build-essential debhelper dpkg-dev fakeroot lintian)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# install_missing_packages [package...]: installs those of the packages (default:
# those to build and test) that are not installed yet.
install_missing_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build_preset <preset> [cmake options...]: configures and builds one of the
# trees CMakePresets.json describes (default: build/, asan: build-asan/).
build_preset() {
    local preset=$1
    shift
    (cd "$ROOT" && cmake --preset "$preset" "$@" >/dev/null &&
        cmake --build --preset "$preset" --parallel "$(nproc)")
}
