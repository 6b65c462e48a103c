# Shared by scripts/run and scripts/test: install what is missing, configure, build.
# shellcheck shell=bash
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-charts-dev libgl-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core
          xvfb xauth xdotool imagemagick poppler-utils
          desktop-file-utils appstream python3)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
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
