#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs each for SECONDS (default 60) from the committed corpus in tests/fuzz/corpus/.
# New inputs go to build-fuzz/corpus/TARGET, faults to build-fuzz/findings/; a fault found is to
# be fixed and its reproducer committed to tests/fuzz/corpus/TARGET (the test suite replays it).
#   sh tests/fuzz/run.sh [SECONDS] [TARGET...]
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-options flags alignment matrix groups vemura dorvex}

missing=""
for pkg in clang libclang-rt-14-dev cmake make pkg-config libgd-dev libisal-dev; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing="$missing $pkg"
done
if [ -n "$missing" ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
fi

build="$top/build-fuzz"
cmake -S "$top" -B "$build" -DFUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
for t in $targets; do cmake --build "$build" --target "fuzz_$t" -j "$(nproc)" >/dev/null; done

mkdir -p "$build/findings"
status=0
for t in $targets; do
    mkdir -p "$build/corpus/$t"
    echo "== fuzz_$t, $seconds s"
    "$build/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -timeout=30 -rss_limit_mb=4096 -close_fd_mask=3 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
        "$build/corpus/$t" "$top/tests/fuzz/corpus/$t" > "$build/fuzz_$t.log" 2>&1 || status=1
    grep -E "^stat::number_of_executed_units|^stat::new_units_added|ERROR|SUMMARY" "$build/fuzz_$t.log" || true
done
ls "$build/findings"
exit $status
