"""Runs the benchmarks of a release build and reports each figure against its target.

Usage: report.py BUILD_FOLDER
"""

import json
import os
import statistics
import subprocess
import sys
import time


def run(*command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def median_seconds(command, repeats=3):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        run(*command)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def google_benchmarks(build, data):
    out = os.path.join(data, "results.json")
    run(os.path.join(build, "bench", "korvo_bench"), "--benchmark_out_format=json", "--benchmark_out=" + out)
    with open(out) as f:
        results = json.load(f)["benchmarks"]
    # By full name, and by the benchmark's own name for those run with one argument.
    return {key: r for r in results for key in (r["name"], r["name"].split("/")[0])}


def ms(result):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[result["time_unit"]]
    return result["real_time"] * scale


def mb_per_s(result):
    return result["bytes_per_second"] / 1e6


class Report:
    def __init__(self):
        self.within = 0
        self.over = 0

    def line(self, figure, value, unit, baseline, baseline_unit, ok, target):
        ratio = value / baseline if baseline else float("nan")
        verdict = "within" if ok else "over"
        self.within += ok
        self.over += not ok
        print(f"{figure}: {value:.3g} {unit} (baseline {baseline:.3g} {baseline_unit}, ratio {ratio:.2f}; "
              f"target {target}) {verdict}")


def main():
    build = sys.argv[1]
    data = os.path.join(build, "bench-data")
    os.makedirs(data, exist_ok=True)
    korvo = os.path.join(build, "korvo")
    drawing = {}
    for count in (1000, 10000, 100000):
        drawing[count] = os.path.join(data, f"drawing-{count}.kv")
        run(os.path.join(build, "bench", "make_bench_drawing"), str(count), drawing[count])

    b = google_benchmarks(build, data)
    report = Report()
    load, read = b["LoadDrawing"], b["ReadFileIntoMemory"]
    report.line("load a drawing file, 100000 shapes", mb_per_s(load), "MB/s", mb_per_s(read), "MB/s read",
                mb_per_s(load) >= 500, ">= 500 MB/s")
    save, write = b["SaveDrawing"], b["WriteSameBytes"]
    report.line("save a drawing file, 100000 shapes", mb_per_s(save), "MB/s", mb_per_s(write), "MB/s write",
                mb_per_s(save) >= 280, ">= 280 MB/s")
    paint, bare = b["PaintView"], b["BarePainter"]
    report.line("full paint at zoom x1, 10000 shapes", ms(paint), "ms", ms(bare), "ms bare QPainter",
                ms(paint) <= 1.5 * ms(bare), "<= 1.5 x baseline")
    huge, page = b["PaintGraphPaper/100000000"], b["PaintGraphPaper/280"]
    report.line("graph paper 10^8 mm across, 1 mm squares", ms(huge), "ms", ms(page), "ms sheet filling the view",
                ms(huge) <= 1.5 * ms(page), "<= 1.5 x baseline")
    drag = b["DragOneShape"]
    report.line("drag one shape, 10000 shapes", ms(drag), "ms per move", 16, "ms", ms(drag) <= 16, "<= 16 ms")
    undo, copy = b["RecordUndoStep"], b["DeepCopyVector"]
    report.line("record one undo step, 10000 shapes", ms(undo), "ms", ms(copy), "ms vector deep copy",
                ms(undo) <= 5, "<= 5 ms")
    hit = b["HitTest"]
    report.line("hit-test under a point, 100000 shapes", ms(hit), "ms", 1, "ms", ms(hit) <= 1, "<= 1 ms")

    svg = os.path.join(data, "drawing-10000.svg")
    run(korvo, "--export", drawing[10000], svg)
    ours = median_seconds([korvo, "--export", drawing[10000], os.path.join(data, "drawing-10000.png")])
    theirs = median_seconds(["rsvg-convert", svg, "-o", os.path.join(data, "rsvg-10000.png")])
    report.line("korvo --export PNG, 10000 shapes", ours * 1000, "ms", theirs * 1000, "ms rsvg-convert",
                ours <= 0.2 * theirs, "<= 0.2 x rsvg-convert")

    peak = float(subprocess.run([os.path.join(build, "bench", "memory_probe"), drawing[100000]], check=True,
                                capture_output=True, text=True).stdout.strip())
    report.line("peak memory, 100000 shapes and 9 undo steps", peak, "MiB", 200, "MiB", peak <= 200, "<= 200 MiB")
    print(f"bench: {report.within} within target, {report.over} over")


if __name__ == "__main__":
    main()
