"""Runs the benchmarks of a release build and reports each figure against its target.

Usage: report.py BUILD_FOLDER
"""

import json
import os
import statistics
import subprocess
import sys
import tempfile
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


def startup_ms(korvo, drawing, repeats=5):
    """Median time from launching the editor to its first painted page, with settings of its own."""
    times = []
    for _ in range(repeats):
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                       QT_QPA_PLATFORM="offscreen", KORVO_QUIT_AFTER_FIRST_PAINT="1")
            start = time.perf_counter()
            editor = subprocess.Popen([korvo] + ([drawing] if drawing else []), env=env, stdout=subprocess.PIPE,
                                      stderr=subprocess.DEVNULL, text=True)
            line = editor.stdout.readline()
            times.append(time.perf_counter() - start)
            # Only the time to the first paint counts; closing down is not waited for.
            editor.kill()
            editor.wait()
            if not line.startswith("korvo: first page painted"):
                raise RuntimeError(f"korvo did not report its first paint: {line!r}")
    return statistics.median(times) * 1000


def clipart_picture():
    """A large real picture: a globe of flags, 1 071 868 bytes of paths and polygons, from Debian's clip art."""
    corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "svg_clipart_corpus.py")
    unpacked = subprocess.run([sys.executable, corpus, "--unpacked", "openclipart-svg"], check=True,
                              capture_output=True, text=True).stdout.strip()
    return os.path.join(unpacked, "usr", "share", "openclipart", "svg", "unsorted", "mr_lakshman_poonyth_.svg")


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
    save, synced = b["SaveDrawing"], b["WriteSyncRename"]
    report.line("save a drawing file, 100000 shapes", mb_per_s(save), "MB/s", mb_per_s(synced),
                "MB/s write, sync and rename", mb_per_s(save) >= 0.8 * mb_per_s(synced), ">= 0.8 x baseline")
    paint, bare = b["PaintView"], b["BarePainter"]
    report.line("full paint at zoom x1, 10000 shapes", ms(paint), "ms", ms(bare), "ms bare QPainter",
                ms(paint) <= 0.75 * ms(bare), "<= 0.75 x baseline")
    for zoom in (1, 2):
        scroll, anew = b[f"ScrollStep/{zoom}/real_time"], b[f"ScrollBaseline/{zoom}/real_time"]
        report.line(f"scroll step at zoom x{zoom}, 10000 shapes", ms(scroll), "ms", ms(anew),
                    "ms view painted anew", ms(scroll) <= 16, "<= 16 ms")
    edit = b["EditStep"]
    anew = b["ScrollBaseline/1/real_time"]
    report.line("paint after nudging one shape, 10000 shapes", ms(edit), "ms", ms(anew), "ms view painted anew",
                ms(edit) <= 0.1 * ms(anew), "<= 0.1 x baseline")
    zoom, anew = b["ZoomStep/0/real_time"], b["ZoomStep/1/real_time"]
    report.line("zoom step x1 <-> x2, 10000 shapes", ms(zoom), "ms", ms(anew), "ms view painted anew",
                ms(zoom) <= ms(anew), "<= 1 x baseline")
    huge, page = b["PaintGraphPaper/100000000"], b["PaintGraphPaper/280"]
    report.line("graph paper 10^8 mm across, 1 mm squares", ms(huge), "ms", ms(page), "ms sheet filling the view",
                ms(huge) <= 1.5 * ms(page), "<= 1.5 x baseline")
    drag = b["DragOneShape"]
    report.line("drag one shape, 10000 shapes", ms(drag), "ms per move", 16, "ms", ms(drag) <= 16, "<= 16 ms")
    undo, copy = b["RecordUndoStep"], b["DeepCopyVector"]
    report.line("record one undo step, 10000 shapes", ms(undo), "ms", ms(copy), "ms vector deep copy",
                ms(undo) <= 5, "<= 5 ms")
    kept, plain = b["KeepForRecovery"], b["WriteSameBytes/10000/real_time"]
    report.line("autosave: keep a drawing for recovery, 10000 shapes", ms(kept), "ms", ms(plain),
                "ms plain write of its file", ms(kept) <= 50, "<= 50 ms")
    hit = b["HitTest"]
    report.line("hit-test under a point, 100000 shapes", ms(hit), "ms", 1, "ms", ms(hit) <= 1, "<= 1 ms")
    pasted, split = b["ReadPastedRows"], b["SplitPastedRows"]
    report.line("read 100000 pasted rows of a table", ms(pasted), "ms", ms(split),
                "ms Qt splitting lines and fields", ms(pasted) <= 100, "<= 100 ms")
    even = b["EvaluateEvenly"]
    for arg, curve in ((0, "tan x"), (1, "sin(1000x)")):
        sampled = b[f"SampleCurve/{arg}"]
        report.line(f"sample {curve} across a graph 200 mm wide", ms(sampled), "ms", ms(even),
                    "ms evaluating every 0.01 mm", ms(sampled) <= 16, "<= 16 ms")
    rows, plain = b["PaintLibraryRows"], b["PaintPlainRows"]
    report.line("paint the visible rows of a 1000-picture library page", ms(rows), "ms", ms(plain),
                "ms Qt list of plain names", ms(rows) <= 16, "<= 16 ms")
    switch, refill = b["SwitchLibraryPage"], b["RefillPlainList"]
    report.line("switch to a 1000-picture library page, thumbnails not yet made", ms(switch), "ms", ms(refill),
                "ms Qt list refilled with 1000 names", ms(switch) <= 100, "<= 100 ms")

    svg = os.path.join(data, "drawing-10000.svg")
    run(korvo, "--export", drawing[10000], svg)
    ours = median_seconds([korvo, "--export", drawing[10000], os.path.join(data, "drawing-10000.png")])
    theirs = median_seconds(["rsvg-convert", svg, "-o", os.path.join(data, "rsvg-10000.png")])
    report.line("korvo --export PNG, 10000 shapes", ours * 1000, "ms", theirs * 1000, "ms rsvg-convert",
                ours <= 0.2 * theirs, "<= 0.2 x rsvg-convert")

    picture = clipart_picture()
    imported = median_seconds([korvo, "--convert", picture, os.path.join(data, "clipart.kv")])
    drawn = median_seconds(["rsvg-convert", picture, "-o", os.path.join(data, "rsvg-clipart.png")])
    report.line("korvo --convert of a 1 MB real SVG", imported * 1000, "ms", drawn * 1000, "ms rsvg-convert to PNG",
                imported <= drawn, "<= 1 x rsvg-convert")

    sample = os.path.join("data", "samples", "all-kinds.kv")
    thumbnail = median_seconds([korvo, "--thumbnail", sample, os.path.join(data, "thumbnail.png"), "256"])
    bare_run = median_seconds([korvo, "--version"])
    report.line("korvo --thumbnail at 256 pixels, the every-kind sample", thumbnail * 1000, "ms", bare_run * 1000,
                "ms korvo --version", thumbnail <= 0.5, "<= 500 ms")

    bare = startup_ms(korvo, None)
    sample = startup_ms(korvo, os.path.join("data", "samples", "all-kinds.kv"))
    report.line("start-up to the first painted page, the every-kind sample", sample, "ms", bare, "ms without a file",
                sample <= 300, "<= 300 ms")
    large = startup_ms(korvo, drawing[100000])
    report.line("start-up to the first painted page, 100000 shapes", large, "ms", bare, "ms without a file",
                large <= 4 * bare, "<= 4 x baseline")

    peak = float(subprocess.run([os.path.join(build, "bench", "memory_probe"), drawing[100000]], check=True,
                                capture_output=True, text=True).stdout.strip())
    report.line("peak memory, 100000 shapes and 9 undo steps", peak, "MiB", 200, "MiB", peak <= 200, "<= 200 MiB")
    print(f"bench: {report.within} within target, {report.over} over")


if __name__ == "__main__":
    main()
