#!/bin/sh
# Builds vemura and dorvex and either runs them on the shipped example or runs every test.
#   ./make.sh example   install what is missing, build, draw the example pictures into build/example/
#   ./make.sh test      install what is missing, build twice (plain, and with AddressSanitizer and
#                       UndefinedBehaviorSanitizer), run the whole test suite in both builds
set -eu
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

install_missing() {  # install_missing [EXTRA-PACKAGE...]
    missing=""
    for pkg in g++ cmake make pkg-config libgd-dev libgtest-dev libcli11-dev libcairo2-dev zlib1g-dev libisal-dev "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing="$missing $pkg"
    done
    if [ -n "$missing" ]; then
        echo "Installing:$missing"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
    fi
}

build() {  # build DIR CMAKE-ARGS...
    dir=$1; shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
example)
    install_missing
    build build -DCMAKE_BUILD_TYPE=Release
    sh examples/run.sh build
    ;;
test)
    install_missing valgrind man-db librsvg2-bin poppler-utils qpdf libxml2-utils
    build build -DCMAKE_BUILD_TYPE=Release
    (cd build && ctest --output-on-failure -j "$jobs")
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON
    (cd build-asan && ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: ./make.sh example | test" >&2
    exit 2
    ;;
esac
