#!/usr/bin/env bash
# Installs what is missing, builds, then plays or tests.
#   ./build.sh play    build the game alone and start it
#   ./build.sh test    build and run every test, plain and under the sanitizers,
#                      with every compiler warning an error
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make qt6-base-dev libgl-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core desktop-file-utils appstream)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

configure() {  # configure DIR [extra cmake arguments...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

case "${1:-}" in
    play)
        install_missing
        # Only the game: a player's first start does not wait for the tests.
        configure build -DKELMORA_WERROR=OFF
        cmake --build build -j "$(nproc)" --target kelmora
        exec ./build/src/app/kelmora
        ;;
    test)
        install_missing
        export QT_QPA_PLATFORM=offscreen
        configure build -DKELMORA_BUILD_TESTS=ON -DKELMORA_WERROR=ON
        cmake --build build -j "$(nproc)"
        ctest --test-dir build --output-on-failure -j "$(nproc)"
        configure build-sanitize -DKELMORA_BUILD_TESTS=ON -DKELMORA_WERROR=ON -DKELMORA_SANITIZE=ON
        cmake --build build-sanitize -j "$(nproc)"
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
