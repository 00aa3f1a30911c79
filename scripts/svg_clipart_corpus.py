#!/usr/bin/env python3
"""Gathers real SVG pictures that nobody on the project drew, from Debian packages, into a cache folder.

Usage: svg_clipart_corpus.py [--cache DIR] [--package NAME | --unpacked NAME]

Each package is fetched with `apt-get download` (no installation, no root needed) and unpacked with
`dpkg-deb -x`; from each, a fixed share of its pictures is copied to DIR/corpus/PACKAGE/, picked evenly
from the sorted list so that the same files come back on every machine with the same package versions.
Prints the corpus folder, or with --unpacked the folder where one package's files are unpacked (the
benchmarks take a large picture from there). The cache is kept between runs; delete it to fetch again.
"""

import argparse
import fnmatch
import os
import shutil
import subprocess
import sys
import tempfile

# (package, folder inside the package, file patterns, how many files at most). The caps keep any one
# kind of picture from deciding the figures: clip art of every subject first, then diagrams of electronic
# parts, an editor's own examples, flags, game pieces and cards, and a chemistry program's pictures.
SOURCES = [
    ("openclipart-svg", "usr/share/openclipart/svg", ["*.svg"], 80),
    ("inkscape", "usr/share/inkscape/examples", ["*.svg", "*.svgz"], 20),
    ("fritzing-parts", "usr/share/fritzing/parts/svg/core/breadboard", ["*.svg"], 15),
    ("fritzing-parts", "usr/share/fritzing/parts/svg/core/schematic", ["*.svg"], 15),
    ("iso-flags-svg", "usr/share/iso-flags-svg/country-4x3", ["*.svg"], 10),
    ("xboard", "usr/share/games/xboard/themes/default", ["*.svg"], 10),
    ("kalzium-data", "usr/share/kalzium/data/latticeicons", ["*.svgz"], 4),
    ("kalzium-data", "usr/share/kalzium/data/iconsets/school", ["*.svg"], 4),
    ("khangman", "usr/share/khangman/themes", ["*.svg"], 2),
    ("aisleriot", "usr/share/aisleriot/cards", ["*.svgz"], 1),
]

PACKAGES = sorted({source[0] for source in SOURCES})


def default_cache():
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    return os.path.join(base, "korvo-svg-clipart")


def evenly_picked(names, count):
    if len(names) <= count:
        return names
    return [names[i * len(names) // count] for i in range(count)]


def unpacked_package(cache, package):
    """The folder holding the package's files, fetched and unpacked on first use."""
    root = os.path.join(cache, "packages", package)
    if os.path.isdir(root):
        return root
    os.makedirs(os.path.dirname(root), exist_ok=True)
    with tempfile.TemporaryDirectory(dir=cache) as work:
        # apt-get warns when it downloads as root into a folder its own user cannot reach; that is harmless.
        fetched = subprocess.run(["apt-get", "download", package], cwd=work, capture_output=True, text=True)
        if fetched.returncode != 0:
            raise RuntimeError(f"apt-get download {package} failed: {fetched.stderr.strip()}")
        debs = [name for name in os.listdir(work) if name.endswith(".deb")]
        if len(debs) != 1:
            raise RuntimeError(f"apt-get download {package} gave {debs}")
        unpacked = os.path.join(work, "root")
        subprocess.run(["dpkg-deb", "-x", os.path.join(work, debs[0]), unpacked], check=True)
        os.rename(unpacked, root)
    return root


def matching_files(folder, patterns):
    found = []
    for parent, _, names in os.walk(folder):
        for name in names:
            if any(fnmatch.fnmatch(name.lower(), pattern) for pattern in patterns):
                found.append(os.path.relpath(os.path.join(parent, name), folder))
    return sorted(found)


def gather(cache, packages):
    corpus = os.path.join(cache, "corpus")
    for package, folder, patterns, cap in SOURCES:
        if package not in packages:
            continue
        source = os.path.join(unpacked_package(cache, package), folder)
        target = os.path.join(corpus, package)
        os.makedirs(target, exist_ok=True)
        for relative in evenly_picked(matching_files(source, patterns), cap):
            # Flattened names keep the folder a picture came from (openclipart sorts by subject).
            flat = relative.replace(os.sep, "_")
            if not os.path.exists(os.path.join(target, flat)):
                shutil.copyfile(os.path.join(source, relative), os.path.join(target, flat))
    return corpus


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cache", default=default_cache(), help="cache folder (default: %(default)s)")
    parser.add_argument("--package", action="append", choices=PACKAGES,
                        help="only this package's pictures (may be given more than once)")
    parser.add_argument("--unpacked", choices=PACKAGES, help="print where this package is unpacked, fetching it")
    args = parser.parse_args()
    os.makedirs(args.cache, exist_ok=True)
    if args.unpacked:
        print(unpacked_package(args.cache, args.unpacked))
    else:
        print(gather(args.cache, set(args.package or PACKAGES)))


if __name__ == "__main__":
    sys.exit(main())
