#!/usr/bin/env python3
"""Scores an SVG reader on real pictures: how many import, and how many look like rsvg-convert's picture.

Usage: svg_clipart_check.py --korvo BUILD/korvo [--import COMMAND] [--corpus DIR] [--work DIR] [--jobs N]

For each picture of the corpus (scripts/svg_clipart_corpus.py fetches it when --corpus is not given) the
import command makes a drawing; it imports when it exits 0 and `korvo --dump` finds shapes in the drawing.
`korvo --export` then draws the drawing, rsvg-convert draws the picture, and both are trimmed to their
ink, fitted into 400 x 400, blurred (sigma 3 px) and compared by the root mean square of their grey
levels: they look alike when that is below half of what a blank picture scores against rsvg-convert's.

The import command is a shell command with {svg} (the picture), {kv} (the drawing to write) and {korvo}
put in, so other readers can be scored the same way, for example Qt's SVG renderer (built with
`cmake --build build --target svg_candidate`):
    --import 'build/tools/svg_candidates/svg_candidate {svg} {kv}'
Both pictures are drawn at the size the editor shows at 100 %. Needs `scripts/install-deps.sh svgcheck`.
"""

import argparse
import concurrent.futures
import json
import math
import os
import shlex
import subprocess
import sys

SIDE = 400
# Both pictures are compared at the size the editor shows at 100 %: korvo --export draws 4 pixels to the
# millimetre, so rsvg-convert zooms its 96 pixels to the inch by as much. (Pens keep their width on
# paper there, but in whole pixels and at least one.)
RSVG_ZOOM = 4 / (96 / 25.4)
# An A4 page at 4 pixels to the millimetre.
PAGE_PIXELS = (840, 1188)
BLUR_SIGMA = 3
DEFAULT_IMPORT = "{korvo} --convert {svg} {kv}"


class Failure(Exception):
    """Why a picture did not pass, in a few words."""


def run(command, timeout, shell=False):
    try:
        done = subprocess.run(command, shell=shell, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"timed out after {timeout} s")
    if done.returncode != 0:
        message = done.stderr.decode(errors="replace").strip().splitlines()
        raise Failure(f"exit {done.returncode}: {message[-1] if message else 'no message'}")
    return done.stdout


def grey_levels(png, timeout):
    """The picture trimmed to its ink, fitted into SIDE x SIDE on white and blurred; None when it has no ink."""
    # The white border makes the trim cut white away, not the colour in the corners of a picture that fills them.
    flat = ["convert", png, "-background", "white", "-alpha", "remove", "-alpha", "off", "-colorspace", "Gray",
            "-bordercolor", "white", "-border", "1"]
    box = run(flat + ["-fuzz", "1%", "-format", "%@", "info:"], timeout).decode().strip()
    width, height = (int(n) for n in box.split("+")[0].split("x"))
    if width <= 1 and height <= 1:
        return None
    fitted = run(flat + ["-fuzz", "1%", "-trim", "+repage", "-resize", f"{SIDE}x{SIDE}", "-background", "white",
                         "-gravity", "center", "-extent", f"{SIDE}x{SIDE}", "-blur", f"0x{BLUR_SIGMA}",
                         "-depth", "8", "gray:-"], timeout)
    if len(fitted) != SIDE * SIDE:
        raise Failure(f"ImageMagick gave {len(fitted)} grey levels")
    return fitted


def rmse(a, b):
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(a, b)) / len(a))


class Checker:
    def __init__(self, args):
        self.korvo = args.korvo
        self.import_command = args.import_command
        self.work = args.work
        self.timeout = args.timeout

    def reference(self, svg, stem):
        """rsvg-convert's grey levels, kept in the work folder so that the next reader scored reuses them."""
        kept = stem + ".rsvg.grey"
        if os.path.exists(kept):
            with open(kept, "rb") as f:
                return f.read() or None
        png = stem + ".rsvg.png"
        run(["rsvg-convert", "-z", f"{RSVG_ZOOM:.4f}", svg, "-o", png], self.timeout)
        try:
            levels = grey_levels(png, self.timeout)
        except Failure:
            # Too large for ImageMagick: drawn to fit the page instead, as Korvo brings such a picture in.
            run(["rsvg-convert", "-a", "-w", str(PAGE_PIXELS[0]), "-h", str(PAGE_PIXELS[1]), svg, "-o", png],
                self.timeout)
            levels = grey_levels(png, self.timeout)
        with open(kept, "wb") as f:
            f.write(levels or b"")
        return levels

    def imported(self, svg, stem):
        """Imports the picture and counts the drawing's shapes; raises Failure when it does not import."""
        kv = stem + ".kv"
        if os.path.exists(kv):
            os.remove(kv)
        fields = {"svg": shlex.quote(svg), "kv": shlex.quote(kv), "korvo": shlex.quote(self.korvo)}
        run(self.import_command.format(**fields), self.timeout, shell=True)
        shapes = json.loads(run([self.korvo, "--dump", kv], self.timeout))["shapes"]
        if not shapes:
            raise Failure("no shapes in the drawing")
        return kv

    def exported(self, kv, stem):
        png = stem + ".korvo.png"
        run([self.korvo, "--export", kv, png, "--crop"], self.timeout)
        return png

    def check(self, svg):
        """(imported, looks alike or None when rsvg-convert draws nothing, reason)."""
        stem = os.path.join(self.work, os.path.basename(svg))
        try:
            theirs = self.reference(svg, stem)
        except Failure as failure:
            theirs, reference_problem = None, f"rsvg-convert: {failure}"
        else:
            reference_problem = None if theirs else "rsvg-convert draws nothing"
        try:
            kv = self.imported(svg, stem)
        except Failure as failure:
            return False, False if theirs else None, "; ".join(filter(None, [f"import: {failure}", reference_problem]))
        if not theirs:
            return True, None, reference_problem
        try:
            ours = grey_levels(self.exported(kv, stem), self.timeout)
        except Failure as failure:
            return True, False, f"export: {failure}"
        if ours is None:
            return True, False, "Korvo draws nothing"
        score, limit = rmse(ours, theirs), rmse(bytes([255]) * len(theirs), theirs) / 2
        alike = score < limit
        return True, alike, None if alike else f"looks different: RMSE {score:.1f}, limit {limit:.1f}"


def corpus_files(corpus):
    return sorted(os.path.join(parent, name) for parent, _, names in os.walk(corpus) for name in names
                  if name.lower().endswith((".svg", ".svgz")))


def fetched_corpus():
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "svg_clipart_corpus.py")
    return subprocess.run([sys.executable, script], check=True, capture_output=True, text=True).stdout.strip()


def percent(part, whole):
    return 100.0 * part / whole if whole else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--korvo", required=True, help="the korvo program (for --dump and --export)")
    parser.add_argument("--import", dest="import_command", default=DEFAULT_IMPORT,
                        help="shell command that reads {svg} into the drawing {kv} (default: %(default)s)")
    parser.add_argument("--corpus", help="folder of SVG pictures (default: fetch the clip-art corpus)")
    parser.add_argument("--work", default="svg-check", help="folder for the drawings and pictures made")
    parser.add_argument("--jobs", type=int, default=1)
    parser.add_argument("--timeout", type=int, default=120, help="seconds for each step of one picture")
    args = parser.parse_args()
    args.korvo = os.path.abspath(args.korvo)
    os.makedirs(args.work, exist_ok=True)
    files = corpus_files(args.corpus or fetched_corpus())
    checker = Checker(args)
    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        results = list(pool.map(checker.check, files))

    corpus = os.path.commonpath(files) if files else ""
    imported = sum(1 for ok, _, _ in results if ok)
    compared = [alike for _, alike, _ in results if alike is not None]
    print("files that did not pass:")
    for svg, (_, alike, reason) in zip(files, results):
        if reason:
            print(f"  {os.path.relpath(svg, corpus)}: {reason}{' (not compared)' if alike is None else ''}")
    print(f"files: {len(files)}")
    print(f"imported: {imported} ({percent(imported, len(files)):.1f} %)")
    print(f"look alike: {sum(compared)} of {len(compared)} compared ({percent(sum(compared), len(compared)):.1f} %)")


if __name__ == "__main__":
    sys.exit(main())
