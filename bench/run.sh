#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints every figure beside its baseline and target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVO_BENCH=ON -DKORVO_TESTS=OFF >/dev/null
cmake --build build-bench --target korvo_bench memory_probe make_bench_drawing korvo >/dev/null
# The editor's start-up is timed with a session bus present, as on a desktop.
if command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- python3 bench/report.py build-bench
fi
exec python3 bench/report.py build-bench
