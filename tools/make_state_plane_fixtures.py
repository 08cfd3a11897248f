#!/usr/bin/env python3
"""Makes the reference values of the state plane tests with PROJ.

For every zone of zones.csv on both datums, points are spread over the area of
use of the zone's EPSG coordinate system (its bounding box as projinfo gives
it): the corners, the middles of the edges, the centre, and one point on the
central meridian. Where the area of use of a Lambert zone does not reach the
band between its standard parallels (EPSG gives Louisiana Offshore the onshore
state), the latitudes run instead from a third of the band south of it to a
third north of it. PROJ computes the grid coordinates (cs2cs from the geographic
system EPSG:4267 or EPSG:4269; latitude first in, easting first out) and the
scale factor and convergence (proj -V with the zone's PROJ string). The tests
read the committed CSV, so running them needs no PROJ; run this again only to
rebuild it (Debian packages proj-bin and proj-data):

    python3 tools/make_state_plane_fixtures.py ../shared/zones.csv tests/netadj/fixtures
"""
import csv
import re
import subprocess
import sys
from pathlib import Path

GEOGRAPHIC = {1: "EPSG:4267", 2: "EPSG:4269"}


def run(args, lines):
    result = subprocess.run(args, input="".join(line + "\n" for line in lines), capture_output=True,
                            text=True, check=True)
    return result.stdout


def projinfo(code, form):
    return subprocess.run(["projinfo", f"EPSG:{code}", "-o", form, "-q"], capture_output=True, text=True,
                          check=True).stdout


def area_of_use(code):
    """(south, west, north, east) in degrees, east longitudes; east may be less
    than west when the area crosses the 180th meridian."""
    match = re.search(r"BBOX\[([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+)\]", projinfo(code, "WKT2_2019"))
    return tuple(float(v) for v in match.groups())


def zone_box(zone, prefix, code):
    south, west, north, east = area_of_use(code)
    if zone["projection"] == "LCC":
        low, high = sorted(float(zone[prefix + k]) for k in ("lat1", "lat2"))
        if north < low or south > high:
            south, north = low - (high - low) / 3, high + (high - low) / 3
    return south, west, north, east


def proj_string(code):
    return projinfo(code, "PROJ").strip().replace("+type=crs", "").split()


def normalised(longitude):
    while longitude > 180:
        longitude -= 360
    while longitude <= -180:
        longitude += 360
    return longitude


def points(box, central_meridian_east):
    south, west, north, east = box
    if east < west:
        east += 360
    grid = [(south + (north - south) * i / 2, normalised(west + (east - west) * j / 2))
            for i in range(3) for j in range(3)]
    return grid + [((south + north) / 2, central_meridian_east)]


def references(datum, code, cases):
    coordinates = run(["cs2cs", GEOGRAPHIC[datum], f"EPSG:{code}", "-f", "%.6f"],
                      [f"{lat:.10f} {lon:.10f}" for lat, lon in cases])
    grid = [line.split()[:2] for line in coordinates.strip().splitlines()]
    verbose = run(["proj", "-V", *proj_string(code)], [f"{lon:.10f} {lat:.10f}" for lat, lon in cases])
    scales = re.findall(r"Parallel scale \(k\) : ([\d.]+)", verbose)
    convergences = re.findall(r"Convergence : \S+ \[ ([-\d.]+) \]", verbose)
    if not (len(grid) == len(scales) == len(convergences) == len(cases)):
        raise SystemExit(f"EPSG:{code}: PROJ gave {len(grid)}, {len(scales)}, {len(convergences)} results")
    return zip(grid, scales, convergences)


def main():
    source = Path(sys.argv[1] if len(sys.argv) > 1 else "../shared/zones.csv")
    folder = Path(sys.argv[2] if len(sys.argv) > 2 else "tests/netadj/fixtures")
    folder.mkdir(parents=True, exist_ok=True)
    with open(source, newline="") as f:
        zones = list(csv.DictReader(f))
    rows = ["datum,pick,latitude_deg,longitude_west_deg,x,y,scale,convergence_arcsec"]
    for datum, prefix in ((1, "nad27_"), (2, "nad83_")):
        for zone in zones:
            code = zone[prefix + "epsg"]
            cases = points(zone_box(zone, prefix, code), -float(zone[prefix + "lon0_west"]))
            for (lat, lon), ((x, y), scale, convergence) in zip(cases, references(datum, code, cases)):
                arc_seconds = float(convergence) * 3600
                rows.append(f"{datum},{zone['pick']},{lat:.10f},{-lon:.10f},{x},{y},{scale},{arc_seconds:.5f}")
    (folder / "state_plane_proj.csv").write_text("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
