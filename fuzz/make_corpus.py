#!/usr/bin/env python3
"""Builds the seed corpora of the fuzz targets (fuzz/corpus/<target>/).

    fuzz/make_corpus.py SNAPSHOTS [--out fuzz/corpus] [--per-target 30]

SNAPSHOTS is a folder of project directories (one sub-folder per project, as
left by test runs or sample projects). Each target's seeds are built from the
files of one project, joined in the target's order with the byte 0x1e between
them; the zone file seeds are cut from the zone data files of data/. Seeds are
deduplicated, kept small and chosen spread over their sizes, so that a corpus
holds a few dozen files at most. Existing seeds of a target are kept.
"""
import argparse
import hashlib
import pathlib
import random

SEPARATOR = b"\x1e"
LARGEST_SEED = 12000  # bytes

ROOT = pathlib.Path(__file__).resolve().parent.parent


def read(project, name):
    path = project / name
    return path.read_bytes() if path.is_file() else None  # a directory in its place gives nothing


def first_matching(project, pattern, key=None):
    for path in sorted(project.glob(pattern)):
        if path.is_file():
            data = path.read_bytes()
            if key is None or key in data:
                return data
    return None


def joined(*pieces):
    return SEPARATOR.join(piece or b"" for piece in pieces)


def seeds_of_project(project):
    """Yields (target, seed) for every target that this project can feed."""
    info = read(project, "INFO.VEC")
    out_vec = read(project, "OUT.VEC")
    listing = read(project, "VECTOR.COR")
    answers = read(project, "ANSWERS.FUZZ")
    korval_inf = read(project, "KORVAL.INF")
    if info is not None:
        yield "info_vec", info
    if out_vec is not None and b"STATION" in out_vec:
        yield "out_vec", joined(out_vec, info, listing)
        pos_tol = read(project, "POS.TOL")
        yield "report_readers_run", b"\x00" + joined(out_vec, info, listing, pos_tol)
        yield "report_readers_run", bytes([1 + 2 * (len(out_vec) % 128)]) + joined(out_vec, info, listing, pos_tol)
    if listing is not None:
        yield "vector_cor", joined(listing, info)
    if info is not None and listing is not None and read(project, "LOOP.VEC") is not None:
        yield "circuit_run", joined(info, listing, answers)
    if info is not None and out_vec is not None and read(project, "VECTOR.GEO") is not None:
        yield "netadj_run", joined(korval_inf, info, read(project, "GEOID.OUT"), answers)
    if korval_inf is not None:
        yield "korval_inf", joined(korval_inf, answers if read(project, "VECTOR.GEO") else b"\n")
    pos_tol = read(project, "POS.TOL")
    if pos_tol is not None:
        yield "pos_tol", joined(pos_tol, answers)
    geoid = read(project, "GEOID.OUT")
    if geoid is not None:
        yield "geoid_out", geoid
    job_name = read(project, "TEMP.JOB")
    if job_name is not None:
        yield "view_job", joined(job_name, read(project, "VECTOR.LSA"), listing, korval_inf)
    report = first_matching(project, "*.TXT", b"FINAL COOR")
    if report is not None:
        yield "solution_report", report
    baselines = first_matching(project, "*", b"POINT NUMBER")
    if baselines is not None:
        yield "geodimeter", baselines
    for raw in sorted(project.glob("*.RW5")):
        if raw.is_file():
            yield "rw5", raw.read_bytes()
            yield "importers_run", b"\x02" + joined(info, raw.read_bytes())
    if report is not None:
        yield "importers_run", b"\x01" + joined(info, report)
    if baselines is not None:
        yield "importers_run", b"\x00" + joined(info, baselines)


def zone_file_seeds():
    """Seeds cut from the delivered zone files: datum and zone bytes, the
    constant records up to the zone, and the zone names up to it."""
    data = ROOT / "data"
    names = (data / "ZONE.DAT").read_bytes().splitlines(keepends=True)
    for datum, constant_file in ((1, "NAD27.CON"), (2, "NAD83.CON")):
        records = (data / constant_file).read_bytes().splitlines(keepends=True)
        for zone in (1, 2, 5, 20, 49, 50, 51, 60, 90, 121):
            head = bytes([0 if datum == 2 else 1, (zone - 1) % 121])
            constants = b"".join(records[:zone])
            yield "zone_files", head + joined(constants, b"".join(names[:zone]))
            # Units choices, and a cut record, for a few zones.
            if zone in (2, 50):
                yield "zone_files", bytes([head[0] | 6, head[1]]) + joined(constants, b"".join(names[:zone]))
                yield "zone_files", head + joined(constants[:-20], b"".join(names[:zone]))


def parameter_seeds():
    """KORVAL.INF with the answers of each dialogue of the menu."""
    stored = b"   2   1   1   1   0   1   1         0.0001\r\n"
    table = (ROOT / "data" / "TABLE.DAT").read_bytes()
    dialogues = [b"\n", b"1\n2\n3\n\n", b"4\n12\n\n", b"4\n\n75\n\n", b"5\n\n0\n\n130\n12\n\n", b"4\n12\n6\n3\n\n",
                 b"7\n2\n\n", b"7\n3\n8\n-28.5\n\n", b"8\nA\n0\n\n", b"1\n6\n7\n\n", b"X\n", b"4\nA\n5\n\n"]
    for answers in dialogues:
        yield "korval_inf", joined(stored, answers, table if b"4" in answers or b"5" in answers else b"")
    yield "korval_inf", joined(b"2,2,2,2,80,4,3,-17.25\n", b"\n")
    yield "korval_inf", joined(b"  1  2  1  2 200  4  3  -1.0E+02\n", b"6\n\n")


def spread(seeds, count, rng):
    """Up to `count` seeds spread over the range of sizes."""
    seeds = sorted(seeds, key=len)
    if len(seeds) <= count:
        return seeds
    step = len(seeds) / count
    picked = [seeds[int(k * step)] for k in range(count)]
    rng.shuffle(picked)
    return picked


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("snapshots", type=pathlib.Path)
    parser.add_argument("--out", type=pathlib.Path, default=ROOT / "fuzz" / "corpus")
    parser.add_argument("--per-target", type=int, default=30)
    args = parser.parse_args()

    by_target = {}
    projects = [p for p in sorted(args.snapshots.iterdir()) if p.is_dir()]
    generated = [seed for project in projects for seed in seeds_of_project(project)]
    generated += list(zone_file_seeds()) + list(parameter_seeds())
    for target, seed in generated:
        if 0 < len(seed) <= LARGEST_SEED or target == "zone_files":
            by_target.setdefault(target, {})[hashlib.sha1(seed).hexdigest()] = seed

    rng = random.Random(8)
    for target, seeds in sorted(by_target.items()):
        folder = args.out / target
        folder.mkdir(parents=True, exist_ok=True)
        chosen = spread(list(seeds.values()), args.per_target, rng)
        for seed in chosen:
            (folder / hashlib.sha1(seed).hexdigest()[:16]).write_bytes(seed)
        print(f"{target}: {len(chosen)} seeds of {len(seeds)}")


if __name__ == "__main__":
    main()
