#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (60 by default), starting from seed
# corpora made from the sample files. Findings are written to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh build fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVO_FUZZ=ON -DKORVO_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" >/dev/null
cmake --build build-fuzz --target fuzz_drawing fuzz_library fuzz_record fuzz_svg fuzz_plot_text fuzz_plot_definition >/dev/null
corpus=build-fuzz/corpus
mkdir -p "$corpus/drawing" "$corpus/library" "$corpus/record" "$corpus/svg" "$corpus/plot_text" "$corpus/plot_definition" \
    build-fuzz/findings
cp data/samples/*.kv "$corpus/drawing/"
cp data/samples/*.kvl "$corpus/library/"
# A drawing without its shape count starts with its first shape record.
for f in data/samples/*.kv; do tail -c +5 "$f" >"$corpus/record/$(basename "$f" .kv).rec"; done
cp tests/data/svg/*.svg "$corpus/svg/"
# The same pictures compressed, so the .svgz path is fuzzed too.
for f in tests/data/svg/*.svg; do gzip -c "$f" >"$corpus/svg/$(basename "$f" .svg).svgz"; done
# Expressions and a pasted table as a teacher types them.
printf '%s' 'y = 2x + 1' >"$corpus/plot_text/line"
printf '%s' '-x^2 + 3sin(x)/ln(abs(x)) − 2,5 × π' >"$corpus/plot_text/signs"
printf 't / s\tT / °C\n0\t80,5\n60\t71,2\n' >"$corpus/plot_text/table"
# A stored graph of a function and a table, as a group's text holds it.
printf '%s' 'plot/1;xmin=0;xmax=10;ymin=-1;ymax=100;xsquare=0.5;ysquare=5;numbers=2;black=0;xtitle=t / s;ytitle=v / m s^{-1};arrows=1;curves=2;function=1;expression=x^2;angles=deg;table=;marker=none;line=smooth;fitlabel=0;colour=000000ff;pen=2;function=0;expression=x;angles=rad;table=0%3B1%0A1%3B3;marker=disc;line=fit;fitlabel=1;colour=ff000008;pen=0' \
    >"$corpus/plot_definition/graph"
# Every input is held to 4 KB, the limit libFuzzer takes for small seeds: a few records reach every path of
# a reader, and the 20 KB sample of assembled apparatus would otherwise make each drawing input five times
# longer and the drawing readers' runs a third as many.
for target in drawing library record svg plot_text plot_definition; do
    echo "fuzzing the $target reader for $seconds s"
    build-fuzz/fuzz/fuzz_$target "$corpus/$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/findings/$target- -print_final_stats=1 2>&1 | grep -E "^(stat::number_of_executed_units|#[0-9]+ *DONE)|ERROR" || true
done
ls build-fuzz/findings | grep . && { echo "fuzz: findings in build-fuzz/findings"; exit 1; }
echo "fuzz: no findings"
