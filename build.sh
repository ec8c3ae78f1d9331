#!/usr/bin/env bash
# Installs what is missing, builds, then plays or tests.
#   ./build.sh play    build the game and kelmora-solve, then start the game
#   ./build.sh test    build and run every test, plain and under the sanitizers,
#                      with every compiler warning an error
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make ninja-build qt6-base-dev qt6-wayland libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core desktop-file-utils appstream weston dpkg-dev)

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

configure() {  # configure DIR BUILD_TYPE [extra cmake arguments...]
    local dir=$1 type=$2
    shift 2
    # Ninja starts a file as soon as what it includes is there, not when the libraries
    # it links with are done, so both cores stay busy. A folder made by another
    # generator is configured afresh.
    local fresh=()
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$dir/CMakeCache.txt"; then
        fresh=(--fresh)
    fi
    cmake "${fresh[@]}" -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
}

case "${1:-}" in
    play)
        install_missing
        # Only the two programs, in a folder of their own: a player's first
        # start does not wait for the tests, and neither command rebuilds the other's.
        configure build-play RelWithDebInfo -DKELMORA_WERROR=OFF -DKELMORA_BUILD_TESTS=OFF
        cmake --build build-play -j "$(nproc)" --target kelmora kelmora-solve
        exec ./build-play/src/app/kelmora
        ;;
    test)
        install_missing
        export QT_QPA_PLATFORM=offscreen
        # The same code as the play build, without its debug information, which would
        # make the objects several times larger and slower to write and link.
        # The benchmarks are compiled, not run, so that they keep building.
        configure build-test Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 \
            -DKELMORA_BUILD_TESTS=ON -DKELMORA_WERROR=ON -DKELMORA_BUILD_BENCHMARKS=ON
        cmake --build build-test -j "$(nproc)"
        ctest --test-dir build-test --output-on-failure -j "$(nproc)"
        # The sanitizers check as much at -O1, where their checks take far less time to compile.
        configure build-sanitize Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 \
            -DKELMORA_BUILD_TESTS=ON -DKELMORA_WERROR=ON -DKELMORA_SANITIZE=ON
        cmake --build build-sanitize -j "$(nproc)"
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
