#!/usr/bin/env bash
# Builds the received-datagram fuzz target with clang (libFuzzer, address and undefined-behaviour checks) and
# runs it for a bounded time from the golden seeds. Exit 77 (skipped) when clang or its fuzzer runtime is
# missing. Usage: fuzz_recv.sh SOURCE_DIR WORK_DIR [SECONDS]
set -euo pipefail
src=$1
work=$2
seconds=${3:-30}

command -v clang++ >/dev/null 2>&1 || { echo "SKIP: clang++ is not installed"; exit 77; }
mkdir -p "$work/corpus"
flags=(-std=c++20 -g -O1 -I"$src" -I"$src/tests")

clang++ "${flags[@]}" -o "$work/fuzz_seeds" "$src/tests/link/fuzz_seeds.cpp" "$src/link/rc4encry.cpp"
"$work/fuzz_seeds" "$work/corpus"

if ! clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -o "$work/fuzz_link_recv" "$src/tests/link/fuzz_recv.cpp" "$src/link/packet.cpp" "$src/link/answers.cpp" \
    "$src/link/rc4encry.cpp" "$src/app/debug.cpp" "$src/platform/filelock.cpp" "$src/platform/modulepath.cpp"; then
    echo "SKIP: clang cannot build a libFuzzer target here (libclang-rt missing?)"
    exit 77
fi
"$work/fuzz_link_recv" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    "$work/corpus"
