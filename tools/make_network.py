#!/usr/bin/env python3
"""Writes a synthetic GPS network as a project vector file (INFO.VEC).

Stations lie on a jittered grid over an area about twice as long (east-west)
as wide, near 40 N, 77.5 W. Each vector joins two nearby stations: first the
ties of a shortest spanning tree, so that every station is connected, then the
shortest remaining ties among each station's nearest neighbours, and a few
lines observed twice. Observed differences are the true Earth-centred
differences (NAD 83) plus noise of 5 mm + 1 ppm; control positions are exact.

The records come either in random order or in the order of a field survey that
sweeps the area from west to east (control records sorted the same way).

Example (the largest network the adjustment accepts):
    tools/make_network.py --order sweep --output /tmp/sweep/INFO.VEC
"""

import argparse
import math
import random
import sys

A = 6378137.0
F = 1.0 / 298.257223563
E2 = F * (2.0 - F)

ORIGIN_LATITUDE = 40.0
ORIGIN_LONGITUDE_WEST = 77.5
METRES_PER_DEGREE_LATITUDE = 111_000.0


def cartesian(latitude_deg, longitude_east_deg, height):
    lat = math.radians(latitude_deg)
    lon = math.radians(longitude_east_deg)
    n = A / math.sqrt(1.0 - E2 * math.sin(lat) ** 2)
    return ((n + height) * math.cos(lat) * math.cos(lon),
            (n + height) * math.cos(lat) * math.sin(lon),
            ((1.0 - E2) * n + height) * math.sin(lat))


def dms(angle_deg):
    """Whole degrees, whole minutes and seconds rounded to 5 decimals, with the
    carry of seconds that round up to 60."""
    total = round(angle_deg * 3600.0, 5)
    degrees = int(total // 3600)
    minutes = int((total - degrees * 3600) // 60)
    seconds = round(total - degrees * 3600 - minutes * 60, 5)
    if seconds >= 60.0:
        seconds -= 60.0
        minutes += 1
    if minutes >= 60:
        minutes -= 60
        degrees += 1
    return degrees, minutes, seconds


def control_record(name, latitude, longitude_west, height, last):
    lat_d, lat_m, lat_s = dms(latitude)
    lon_d, lon_m, lon_s = dms(longitude_west)
    return (" %-8s %2d %2d %8.5f%8.4f %3d %2d %8.5f%8.4f%12.4f%8.4f %1d"
            % (name, lat_d, lat_m, lat_s, 0.01, lon_d, lon_m, lon_s, 0.01,
               height, 0.02, 1 if last else 0))


def vector_record(from_name, to_name, d, sigma):
    return (" %-8s %-8s%13.4f%7.4f%13.4f%7.4f%13.4f%7.4f"
            % (from_name, to_name, d[0], sigma, d[1], sigma, d[2], sigma))


def place_stations(count, length_km, width_km, rng):
    rows = max(1, round(math.sqrt(count * width_km / length_km)))
    columns = math.ceil(count / rows)
    dx = length_km * 1000.0 / columns
    dy = width_km * 1000.0 / rows
    points = []
    for c in range(columns):
        for r in range(rows):
            if len(points) == count:
                break
            east = (c + 0.5 + rng.uniform(-0.3, 0.3)) * dx
            north = (r + 0.5 + rng.uniform(-0.3, 0.3)) * dy
            points.append((east, north))
    return points, max(dx, dy)


def nearest_ties(points, cell, neighbours):
    """Each station's `neighbours` nearest stations, as (length, i, j), i < j."""
    buckets = {}
    for i, (e, n) in enumerate(points):
        buckets.setdefault((int(e // cell), int(n // cell)), []).append(i)
    ties = set()
    for i, (e, n) in enumerate(points):
        ce, cn = int(e // cell), int(n // cell)
        reach = 1
        while True:
            near = [j for de in range(-reach, reach + 1) for dn in range(-reach, reach + 1)
                    for j in buckets.get((ce + de, cn + dn), []) if j != i]
            if len(near) >= neighbours or reach > 6:
                break
            reach += 1
        near.sort(key=lambda j: (points[j][0] - e) ** 2 + (points[j][1] - n) ** 2)
        for j in near[:neighbours]:
            ties.add((min(i, j), max(i, j)))
    return sorted((math.dist(points[i], points[j]), i, j) for i, j in ties)


def choose_vectors(points, cell, count, repeat_fraction, rng):
    candidates = nearest_ties(points, cell, 10)
    parent = list(range(len(points)))

    def root(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    chosen, rest = [], []
    for length, i, j in candidates:
        ri, rj = root(i), root(j)
        if ri != rj:
            parent[ri] = rj
            chosen.append((i, j))
        else:
            rest.append((i, j))
    if len({root(i) for i in range(len(points))}) > 1:
        sys.exit("make_network: the stations do not form one network; use more vectors")
    repeats = int(count * repeat_fraction)
    for tie in rest:
        if len(chosen) >= count - repeats:
            break
        chosen.append(tie)
    while len(chosen) < count:
        chosen.append(rng.choice(chosen))
    return chosen[:count]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--stations", type=int, default=3000)
    parser.add_argument("--control", type=int, default=700)
    parser.add_argument("--vectors", type=int, default=9899)
    parser.add_argument("--order", choices=("random", "sweep"), default="random")
    parser.add_argument("--length-km", type=float, default=60.0, help="east-west extent")
    parser.add_argument("--width-km", type=float, default=30.0, help="north-south extent")
    parser.add_argument("--repeat-fraction", type=float, default=0.03, help="share of lines observed twice")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--output", default="INFO.VEC")
    args = parser.parse_args()
    if not 1 <= args.control <= args.stations or args.vectors < args.stations - 1:
        sys.exit("make_network: need 1 <= control <= stations and at least stations - 1 vectors")

    rng = random.Random(args.seed)
    points, cell = place_stations(args.stations, args.length_km, args.width_km, rng)
    names = ["P%04d" % (i + 1) for i in range(len(points))]
    geodetic = []
    xyz = []
    cos_lat = math.cos(math.radians(ORIGIN_LATITUDE))
    for east, north in points:
        latitude = ORIGIN_LATITUDE + north / METRES_PER_DEGREE_LATITUDE
        longitude_west = ORIGIN_LONGITUDE_WEST - east / (METRES_PER_DEGREE_LATITUDE * cos_lat)
        height = 100.0 + 300.0 * rng.random()
        # The control records carry rounded angles: the true positions are the
        # rounded ones, so control and vectors agree.
        lat_d, lat_m, lat_s = dms(latitude)
        lon_d, lon_m, lon_s = dms(longitude_west)
        latitude = lat_d + lat_m / 60.0 + lat_s / 3600.0
        longitude_west = lon_d + lon_m / 60.0 + lon_s / 3600.0
        height = round(height, 4)
        geodetic.append((latitude, longitude_west, height))
        xyz.append(cartesian(latitude, -longitude_west, height))

    control = rng.sample(range(len(points)), args.control)
    ties = choose_vectors(points, cell, args.vectors, args.repeat_fraction, rng)
    ties = [(j, i) if rng.random() < 0.5 else (i, j) for i, j in ties]
    if args.order == "random":
        rng.shuffle(control)
        rng.shuffle(ties)
    else:
        control.sort(key=lambda i: points[i][0])
        ties.sort(key=lambda t: min(points[t[0]][0], points[t[1]][0]))

    lines = []
    for k, i in enumerate(control):
        lines.append(control_record(names[i], *geodetic[i], last=k == len(control) - 1))
    for i, j in ties:
        length = math.dist(xyz[i], xyz[j])
        sigma = 0.005 + 1e-6 * length
        d = [xyz[j][c] - xyz[i][c] + rng.gauss(0.0, sigma) for c in range(3)]
        lines.append(vector_record(names[i], names[j], d, sigma))
    with open(args.output, "w", newline="") as out:
        out.write("".join(line + "\r\n" for line in lines))


if __name__ == "__main__":
    main()
