#!/usr/bin/env python3
"""Makes the reference values of the geodesy tests with GeographicLib's tools.

The values come from CartConvert (geodetic <-> Earth-centred Cartesian) and
GeodSolve (geodesic inverse), Debian package geographiclib-tools, computed
independently of the suite. The tests read the committed CSV files, so running
them needs no extra package; run this script again only to rebuild them:

    python3 tools/make_geodesy_fixtures.py tests/geodesy/fixtures
"""
import math
import random
import subprocess
import sys
from pathlib import Path

# The ellipsoids of the suite's conversions (a, f) and of its inverse (GRS 80).
NAD83_CONVERSION = ("6378137", "1/298.257223563")
CLARKE_1866 = ("6378206.4", "0.0033900753039287908")
GRS80 = ("6378137", "1/298.257222101")


def run(tool, args, lines):
    out = subprocess.run([tool, *args], input="\n".join(lines) + "\n", capture_output=True,
                         text=True, check=True).stdout
    return [line.split() for line in out.strip().splitlines()]


def cartesian_cases(rng):
    cases = []
    for lat in [0.0, 0.001, 10.0, 25.5, 33.3, 40.0, 45.0, 51.2, 60.0, 70.0, 80.0, 89.0, 89.9]:
        for h in [-100.0, 0.0, 250.0, 1500.0, 9000.0]:
            lon = rng.uniform(-179.9, 179.9)
            cases.append((lat, lon, h))
    for _ in range(60):
        cases.append((rng.uniform(0, 89.9), rng.uniform(-180, 180), rng.uniform(-100, 9000)))
    # Longitudes in every quadrant, and the equator in the meridian plane.
    cases += [(30.0, -100.0, 10.0), (30.0, 100.0, 10.0), (-30.0, -45.0, 5.0), (0.0, 0.0, 0.0)]
    return cases


def write_cartesian(folder, rng):
    cases = cartesian_cases(rng)
    rows = ["datum,latitude_deg,longitude_deg,height_m,x_m,y_m,z_m"]
    for datum, (a, f) in ((2, NAD83_CONVERSION), (1, CLARKE_1866)):
        inputs = [f"{lat:.12f} {lon:.12f} {h:.6f}" for lat, lon, h in cases]
        results = run("CartConvert", ["-e", a, f, "-p", "9"], inputs)
        for (lat, lon, h), (x, y, z) in zip(cases, results):
            rows.append(f"{datum},{lat:.12f},{lon:.12f},{h:.6f},{x},{y},{z}")
    (folder / "cartesian.csv").write_text("\n".join(rows) + "\n")


def write_inverse(folder, rng):
    cases = []
    for _ in range(150):
        lat1 = rng.uniform(17, 71)
        lon1 = rng.uniform(-170, -65)
        length = rng.choice([rng.uniform(1, 100), rng.uniform(100, 5000), rng.uniform(5000, 50000)])
        azimuth = rng.uniform(0, 360)
        cases.append((lat1, lon1, azimuth, length))
    # Pure north and pure east lines.
    cases += [(40.0, -105.0, 0.0, 1000.0), (0.0, -80.0, 90.0, 20000.0), (40.0, -105.0, 270.0, 3000.0)]
    direct = run("GeodSolve", ["-e", *GRS80, "-p", "12"],
                 [f"{lat:.12f} {lon:.12f} {az:.12f} {s:.6f}" for lat, lon, az, s in cases])
    ends = [(float(r[0]), float(r[1])) for r in direct]
    pairs = [(lat, lon, e[0], e[1]) for (lat, lon, _, _), e in zip(cases, ends)]
    inverse = run("GeodSolve", ["-i", "-e", *GRS80, "-p", "12"],
                  [f"{a:.15f} {b:.15f} {c:.15f} {d:.15f}" for a, b, c, d in pairs])
    rows = ["latitude1_deg,longitude1_deg,latitude2_deg,longitude2_deg,azimuth1_deg,azimuth2_deg,distance_m"]
    for (a, b, c, d), (azi1, azi2, s12) in zip(pairs, inverse):
        rows.append(f"{a:.15f},{b:.15f},{c:.15f},{d:.15f},{azi1},{azi2},{s12}")
    (folder / "inverse.csv").write_text("\n".join(rows) + "\n")


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "tests/geodesy/fixtures")
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(20261208)
    write_cartesian(folder, rng)
    write_inverse(folder, rng)


if __name__ == "__main__":
    main()
