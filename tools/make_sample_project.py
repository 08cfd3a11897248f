#!/usr/bin/env python3
"""Writes the sample project of examples/sample/: a GPS network of 16 stations
around Fort Collins, Colorado (NAD 83, Colorado North zone), with four control
stations and about forty vectors.

The true positions are those listed below, moved by a few metres; every vector is the difference of the true
Earth-centred coordinates plus Gaussian noise of a few millimetres plus one or
two parts per million, drawn with a fixed seed so that the files can be made
again. One vector carries a 25 cm blunder and is set aside with an asterisk in
column 1, as a surveyor marks a bad line out.

Files written: INFO.VEC (control and vector records), KORVAL.INF (constrained,
state plane zone 60 in metres and U.S. survey feet, elevations from one geoid
separation of -16.90 m) and answers.txt (the console answers: an empty line
accepts the parameters).

Usage: tools/make_sample_project.py [output folder]   (default examples/sample)
"""

import math
import os
import random
import sys

# NAD 83 on the conversion ellipsoid of the adjustment: a = 6378137 m,
# f = 1/298.257223563.
A = 6378137.0
F = 1.0 / 298.257223563
B = (1.0 - F) * A
E2 = (A * A - B * B) / (A * A)

SEED = 19990410
GEOID_SEPARATION = -16.90  # metres, the project's average geoid height
ZONE = 60                  # COLORADO NORTH

# name, latitude and west longitude (decimal degrees), ellipsoidal height (m).
# The control stations come first.
STATIONS = [
    ("HORSETTH", 40.5621, 105.1613, 1722.418),
    ("TIMNATH", 40.5283, 104.9853, 1476.902),
    ("LAPORTE", 40.6339, 105.1392, 1552.331),
    ("K 412", 40.4742, 105.0871, 1531.760),
    ("PROSPECT", 40.5671, 105.0776, 1502.115),
    ("HARMONY", 40.5235, 105.0409, 1491.447),
    ("DRAKE", 40.5532, 105.1044, 1519.286),
    ("TRILBY", 40.4961, 105.0602, 1508.954),
    ("KECHTER", 40.5079, 105.0185, 1483.630),
    ("VINE", 40.6084, 105.0583, 1497.771),
    ("MULBERRY", 40.5853, 105.0129, 1484.209),
    ("LEMAY", 40.5418, 105.0612, 1494.502),
    ("ZIEGLER", 40.5463, 105.0104, 1479.864),
    ("BM 5107", 40.6197, 105.1011, 1523.076),
    ("CR 38E", 40.4887, 105.1279, 1560.338),
    ("WILLOX", 40.6003, 105.1198, 1533.912),
]
CONTROL_COUNT = 4

# Control standard deviations (latitude, longitude, height), metres.
CONTROL_SD = (0.005, 0.005, 0.010)


def to_cartesian(lat_deg, lon_west_deg, h):
    lat = math.radians(lat_deg)
    lon = -math.radians(lon_west_deg)
    n = A / math.sqrt(1.0 - E2 * math.sin(lat) ** 2)
    return ((n + h) * math.cos(lat) * math.cos(lon),
            (n + h) * math.cos(lat) * math.sin(lon),
            ((1.0 - E2) * n + h) * math.sin(lat))


def dms(value):
    degrees = int(value)
    rest = (value - degrees) * 60.0
    minutes = int(rest)
    seconds = (rest - minutes) * 60.0
    if round(seconds, 5) >= 60.0:
        seconds = 0.0
        minutes += 1
    if minutes == 60:
        minutes = 0
        degrees += 1
    return degrees, minutes, seconds


def control_record(name, lat, lon_west, h, last):
    lat_d, lat_m, lat_s = dms(lat)
    lon_d, lon_m, lon_s = dms(lon_west)
    return (" %-8s %2d %2d %8.5f%8.4f %3d %2d %8.5f%8.4f%12.4f%8.4f %1d"
            % (name, lat_d, lat_m, lat_s, CONTROL_SD[0], lon_d, lon_m, lon_s, CONTROL_SD[1], h,
               CONTROL_SD[2], 1 if last else 0))


def vector_record(flag, from_name, to_name, d, sd):
    return ("%1s%-8s %-8s%13.4f%7.4f%13.4f%7.4f%13.4f%7.4f"
            % (flag, from_name, to_name, d[0], sd[0], d[1], sd[1], d[2], sd[2]))


def vector_pairs(xyz, rng):
    """Each station to its three nearest neighbours, plus a few long lines
    and repeated observations, in the order of a field survey."""
    pairs = []
    seen = set()
    for i in range(len(xyz)):
        others = sorted((j for j in range(len(xyz)) if j != i),
                        key=lambda j: math.dist(xyz[i], xyz[j]))
        for j in others[:3]:
            key = (min(i, j), max(i, j))
            if key not in seen:
                seen.add(key)
                pairs.append((i, j) if rng.random() < 0.5 else (j, i))
    # Ties between the control stations and repeated lines on other days.
    for i, j in [(0, 1), (2, 3), (0, 3), (1, 2)]:
        pairs.append((i, j))
    for i, j in rng.sample(pairs[:len(seen)], 4):
        pairs.append((j, i))
    return pairs


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "examples", "sample")
    os.makedirs(out_dir, exist_ok=True)
    rng = random.Random(SEED)
    # The marks stand a little off the round figures of the list above.
    stations = [(name, lat + rng.uniform(-8e-4, 8e-4), lon + rng.uniform(-8e-4, 8e-4), h + rng.uniform(-0.5, 0.5))
                for name, lat, lon, h in STATIONS]
    xyz = [to_cartesian(lat, lon, h) for _, lat, lon, h in stations]

    lines = []
    for k in range(CONTROL_COUNT):
        name, lat, lon, h = stations[k]
        lines.append(control_record(name, lat, lon, h, k == CONTROL_COUNT - 1))

    pairs = vector_pairs(xyz, rng)
    blunder_at = len(pairs) // 2
    for n, (i, j) in enumerate(pairs):
        length = math.dist(xyz[i], xyz[j])
        # Receiver noise of a few millimetres plus parts per million; the
        # vertical-heavy Z component a little worse.
        sd = (0.004 + 1.0e-6 * length, 0.004 + 1.0e-6 * length, 0.005 + 1.5e-6 * length)
        d = [xyz[j][c] - xyz[i][c] + rng.gauss(0.0, sd[c]) for c in range(3)]
        lines.append(vector_record("", STATIONS[i][0], STATIONS[j][0], d, sd))
        if n == blunder_at:
            blunder = [d[0] + 0.21, d[1] - 0.12, d[2] + 0.05]
            lines.append(vector_record("*", STATIONS[i][0], STATIONS[j][0], blunder, sd))

    def write(name, records):
        with open(os.path.join(out_dir, name), "w", newline="") as f:
            for record in records:
                f.write(record + "\r\n")

    write("INFO.VEC", lines)
    # Datum NAD 83, constrained, no robust prompt, state plane zone 60 in
    # metres and U.S. survey feet, elevations from one geoid separation.
    write("KORVAL.INF", [" %3d %3d %3d %3d %3d %3d %3d%15.4f" % (2, 2, 1, 2, ZONE, 2, 3, GEOID_SEPARATION)])
    write("answers.txt", [""])
    print("%s: %d stations, %d control, %d vectors (one set aside)"
          % (out_dir, len(STATIONS), CONTROL_COUNT, len(pairs)))


if __name__ == "__main__":
    main()
