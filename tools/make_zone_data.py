#!/usr/bin/env python3
"""Makes the state plane zone files of the suite from the zone table.

Reads zones.csv (one row per pick number 1-121: name, projection and the
defining parameters of each zone on NAD 27 and NAD 83) and writes into the
output folder:

  NAD83.CON  each zone's defining values: degrees and minutes, the scale
             denominator D (k0 = 1 - 1/D), false easting and northing in metres;
  NAD27.CON  the constants C1..C6 (transverse Mercator) and C1..C11 (Lambert)
             of the NAD 27 formulas, derived here on the Clarke 1866 ellipsoid;
  ZONE.DAT   one line per zone, its name;
  TABLE.DAT  the two pages of the zone menu (lines 1-20 transverse Mercator,
             lines 21-47 Lambert).

Each zone's numbers stand on one line in pick-number order; after them a slash
and the pick number and name, which the free-form reading passes over, so that
a reviewer sees which zone a line belongs to.

Run from the top folder (needs python3-mpmath):

    python3 tools/make_zone_data.py ../shared/zones.csv data
"""
import csv
import math
import sys
from pathlib import Path

import mpmath as mp

mp.mp.dps = 40

# Clarke 1866 and the U.S. survey foot.
CLARKE_A = mp.mpf("6378206.4")
CLARKE_F = mp.mpf("0.0033900753039287908")
CLARKE_E2 = 2 * CLARKE_F - CLARKE_F ** 2
CLARKE_E = mp.sqrt(CLARKE_E2)
US_FEET_PER_METRE = mp.mpf(3937) / 1200

# The coefficient of the cubic easting term that the NAD 27 transverse
# Mercator formula applies on its own (H' = H + 4.0831 (H 1e-5)^3, metres).
BUILT_IN_CUBIC = mp.mpf("4.0831e-15")
# The foot factor of the NAD 27 transverse Mercator easting (x' = 3.28083333 C5 H').
FORMULA_FOOT = mp.mpf("3.28083333")

FIRST_PAGE_LINES = 20
SECOND_PAGE_LINES = 27
MAX_LINE = 80


def read_zones(path):
    with open(path, newline="") as f:
        zones = list(csv.DictReader(f))
    picks = [int(z["pick"]) for z in zones]
    if picks != list(range(1, 122)):
        raise SystemExit("zones.csv must hold pick numbers 1 to 121 in order")
    for z in zones:
        expected = "TM" if int(z["pick"]) < 50 else "LCC"
        if z["projection"] != expected:
            raise SystemExit(f"pick {z['pick']}: projection {z['projection']}, expected {expected}")
    return zones


def whole_minutes(degrees):
    """Degrees as (whole degrees, minutes); minutes rounded to whole ones when
    the table's value is a whole minute to its printed precision."""
    total = mp.mpf(degrees) * 60
    nearest = mp.nint(total)
    if abs(total - nearest) < mp.mpf("1e-6"):
        total = nearest
    d = int(mp.floor(total / 60))
    return d, total - 60 * d


def degrees_minutes(value):
    d, m = whole_minutes(value)
    if m == mp.nint(m):
        return f"{d:4d} {int(m):2d}"
    return f"{d:4d} {float(m):.10f}"


def scale_denominator(k0):
    """D of k0 = 1 - 1/D; the published whole D when the table's k0 is that
    value rounded to its printed digits."""
    exact = 1 / (1 - mp.mpf(k0))
    nearest = mp.nint(exact)
    if abs((1 - 1 / nearest) - mp.mpf(k0)) < mp.mpf("1e-9"):
        return f"{int(nearest):8d}"
    return f"{float(exact):.6f}"


def trailer(zone):
    return f"  / {int(zone['pick']):3d} {zone['name']}"


def nad83_line(zone):
    p = "nad83_"
    fe = f"{float(zone[p + 'false_easting']):14.4f}"
    fn = f"{float(zone[p + 'false_northing']):14.4f}"
    if zone["projection"] == "TM":
        fields = [degrees_minutes(zone[p + "lon0_west"]), scale_denominator(zone[p + "k0"]),
                  degrees_minutes(zone[p + "lat0"]), fe, fn]
    else:
        if mp.mpf(zone[p + "k0"]) != 1:
            raise SystemExit(f"pick {zone['pick']}: NAD 83 Lambert zone with a scale factor")
        fields = [degrees_minutes(zone[p + "lat1"]), degrees_minutes(zone[p + "lat2"]),
                  degrees_minutes(zone[p + "lon0_west"]), degrees_minutes(zone[p + "lat0"]), fe, fn]
    return " ".join(fields) + trailer(zone)


# --- NAD 27 ------------------------------------------------------------------

def meridian_series_t(phi):
    """The arc-second correction T of the NAD 27 meridian arc, exactly as the
    programs compute it (double precision), so that the origin constants make
    the formulas give zero northing at the origin."""
    s, c = math.sin(phi), math.cos(phi)
    return (1052.893882 - 4.483344 * c * c + 0.02352 * c ** 4) * s * c


def split_minutes(phi_degrees):
    """Latitude as whole minutes and the arc-seconds beyond them."""
    seconds = float(mp.mpf(phi_degrees) * 3600)
    minutes = math.floor(seconds / 60 + 1e-9)
    return minutes, seconds - 60 * minutes


def prime_vertical(phi):
    return CLARKE_A / mp.sqrt(1 - CLARKE_E2 * mp.sin(phi) ** 2)


def nad27_tm_line(zone):
    p = "nad27_"
    lat0 = mp.radians(mp.mpf(zone[p + "lat0"]))
    k0 = mp.mpf(zone[p + "k0"])
    c1 = mp.mpf(zone[p + "false_easting"])
    c2 = mp.mpf(zone[p + "lon0_west"]) * 3600
    c3, seconds = split_minutes(zone[p + "lat0"])
    c4 = seconds - meridian_series_t(float(lat0))
    # The cubic easting coefficient is (2 + eta^2) / (6 N^2) at the latitude of
    # origin; the formula carries 4.0831e-15 of it itself, C6 the rest, in the
    # feet of its own cubic term.
    n0 = prime_vertical(lat0)
    eta2 = CLARKE_E2 / (1 - CLARKE_E2) * mp.cos(lat0) ** 2
    cubic = (2 + eta2) / (6 * n0 ** 2) - BUILT_IN_CUBIC
    c6 = cubic * mp.mpf(10) ** 15 / (FORMULA_FOOT ** 2 * k0 ** 2)
    fields = [f"{float(c1):12.4f}", f"{float(c2):12.4f}", f"{c3:5d}", f"{c4:12.6f}",
              f"{float(k0):13.10f}", f"{float(c6):13.10f}"]
    return " ".join(fields) + trailer(zone)


def isometric_t(phi):
    es = CLARKE_E * mp.sin(phi)
    return mp.tan(mp.pi / 4 - phi / 2) / ((1 - es) / (1 + es)) ** (CLARKE_E / 2)


def parallel_m(phi):
    return mp.cos(phi) / mp.sqrt(1 - CLARKE_E2 * mp.sin(phi) ** 2)


def series_mul(a, b, order):
    out = [mp.mpf(0)] * (order + 1)
    for i, x in enumerate(a[: order + 1]):
        for j, y in enumerate(b[: order + 1 - i]):
            out[i + j] += x * y
    return out


def series_compose(outer, inner, order):
    """outer(inner(u)) for inner without constant term, truncated at `order`."""
    out = [mp.mpf(0)] * (order + 1)
    out[0] = outer[0]
    power = [mp.mpf(1)] + [mp.mpf(0)] * order
    for i in range(1, min(len(outer), order + 1)):
        power = series_mul(power, inner, order)
        for j in range(order + 1):
            out[j] += outer[i] * power[j]
    return out


def series_revert(forward, order):
    """The inverse series of forward(x) = f1 x + f2 x^2 + ..., by fixed point."""
    inverse = [mp.mpf(0), 1 / forward[1]] + [mp.mpf(0)] * (order - 1)
    for _ in range(order + 1):
        higher = [mp.mpf(0), mp.mpf(0)] + list(forward[2:order + 1])
        correction = series_compose(higher, inverse, order)
        inverse = [mp.mpf(0)] + [((1 if i == 1 else 0) - correction[i]) / forward[1] for i in range(1, order + 1)]
    return inverse


def nad27_lambert_line(zone):
    p = "nad27_"
    phi1 = mp.radians(mp.mpf(zone[p + "lat1"]))
    phi2 = mp.radians(mp.mpf(zone[p + "lat2"]))
    phi0 = mp.radians(mp.mpf(zone[p + "lat0"]))
    # The three Michigan zones use Clarke 1866 enlarged by this factor.
    enlargement = mp.mpf(zone[p + "k0"])
    a_feet = CLARKE_A * US_FEET_PER_METRE
    n = (mp.log(parallel_m(phi1)) - mp.log(parallel_m(phi2))) / (mp.log(isometric_t(phi1)) - mp.log(isometric_t(phi2)))
    big_f = parallel_m(phi1) / (n * isometric_t(phi1) ** n)

    def radius(phi):  # feet, normal ellipsoid
        return a_feet * big_f * isometric_t(phi) ** n

    def scale(phi):
        return n * radius(phi) / (a_feet * parallel_m(phi))

    def meridian_radius(phi):  # feet
        return a_feet * (1 - CLARKE_E2) / (1 - CLARKE_E2 * mp.sin(phi) ** 2) ** mp.mpf(1.5)

    central = mp.asin(n)
    # The radius as a series in the meridian distance u south of the central
    # parallel: dR/du is the scale k, which is least on the central parallel,
    # so R = Rc + kc u (1 + C9 u'^2 - C10 u'^3 + C11 u'^4) with u' = u 1e-8.
    order = 5
    k_by_dphi = mp.taylor(scale, central, order)
    rho_by_dphi = mp.taylor(meridian_radius, central, order)
    u_by_dphi = [mp.mpf(0)] + [-rho_by_dphi[j] / (j + 1) for j in range(order)]
    dphi_by_u = series_revert(u_by_dphi, order)
    k_by_u = series_compose(k_by_dphi, dphi_by_u, order)
    kc = k_by_u[0]
    c9 = k_by_u[2] / (3 * kc) * mp.mpf(10) ** 16
    c10 = -k_by_u[3] / (4 * kc) * mp.mpf(10) ** 24
    c11 = k_by_u[4] / (5 * kc) * mp.mpf(10) ** 32

    c1 = mp.mpf(zone[p + "false_easting"])
    c2 = mp.mpf(zone[p + "lon0_west"]) * 3600
    c3 = enlargement * radius(central)
    c4 = mp.mpf(zone[p + "false_northing"]) + enlargement * radius(phi0)
    c5 = enlargement * kc
    c7, seconds = split_minutes(mp.degrees(central))
    c8 = seconds - meridian_series_t(float(central))
    fields = [f"{float(c1):12.4f}", f"{float(c2):12.4f}", f"{float(c3):14.4f}", f"{float(c4):14.4f}",
              f"{float(c5):16.13f}", f"{float(n):16.13f}", f"{c7:5d}", f"{c8:12.6f}",
              f"{float(c9):12.8f}", f"{float(c10):12.8f}", f"{float(c11):12.6f}"]
    return " ".join(fields) + trailer(zone)


def nad27_line(zone):
    return nad27_tm_line(zone) if zone["projection"] == "TM" else nad27_lambert_line(zone)


# --- names and menu pages --------------------------------------------------------

def nad83_zone_names(zones):
    """For the picks that share a NAD 83 zone, that zone's name: the pick whose
    NAD 27 zone is the same one, else the name the picks have in common."""
    groups = {}
    for z in zones:
        groups.setdefault(z["nad83_epsg"], []).append(z)
    same = ("lat0", "lon0_west", "lat1", "lat2")
    names = {}
    for members in groups.values():
        if len(members) == 1:
            continue
        own = [m for m in members
               if all(m["nad27_" + f] == m["nad83_" + f] for f in same) and m["nad27_k0"] == m["nad83_k0"]]
        if own:
            shared = own[0]["name"]
        else:
            words = [m["name"].split() for m in members]
            common = []
            for column in zip(*words):
                if len(set(column)) > 1:
                    break
                common.append(column[0])
            shared = " ".join(common)
        for m in members:
            if m["name"] != shared:
                names[m["pick"]] = shared
    return names


def zone_line(zone, shared_names):
    text = f" {zone['name']}"
    if zone["pick"] in shared_names:
        text += f" (NAD 83: {shared_names[zone['pick']]})"
    return text


def columns_page(entries, rows, gap):
    """Entries laid out down the columns, `rows` lines."""
    cols = (len(entries) + rows - 1) // rows
    widths = [max(len(e) for e in entries[c * rows:(c + 1) * rows]) for c in range(cols)]
    lines = []
    for r in range(rows):
        cells = []
        for c in range(cols):
            k = c * rows + r
            if k < len(entries):
                cells.append(entries[k].ljust(widths[c]))
        lines.append((" " + (" " * gap).join(cells)).rstrip())
    return lines


def table_pages(zones):
    entries = [f"{int(z['pick']):3d} {z['name']}" for z in zones]
    tm, lambert = entries[:49], entries[49:]
    first = [" STATE PLANE ZONES - TRANSVERSE MERCATOR (PICK # 1-49)", ""]
    first += columns_page(tm, FIRST_PAGE_LINES - 3, 2)
    first += [" LAMBERT ZONES (PICK # 50-121) FOLLOW ON THE NEXT PAGE"]
    second = [" STATE PLANE ZONES - LAMBERT CONFORMAL CONIC (PICK # 50-121)", ""]
    second += columns_page(lambert, SECOND_PAGE_LINES - 3, 1)
    second += [""]
    assert len(first) == FIRST_PAGE_LINES and len(second) == SECOND_PAGE_LINES
    return first + second


def write_lines(path, lines):
    for line in lines:
        if len(line) > MAX_LINE and path.name in ("TABLE.DAT", "ZONE.DAT"):
            raise SystemExit(f"{path.name}: line longer than {MAX_LINE} columns: {line}")
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("ascii"))


def main():
    source = Path(sys.argv[1] if len(sys.argv) > 1 else "../shared/zones.csv")
    folder = Path(sys.argv[2] if len(sys.argv) > 2 else "data")
    folder.mkdir(parents=True, exist_ok=True)
    zones = read_zones(source)
    shared = nad83_zone_names(zones)
    write_lines(folder / "NAD83.CON", [nad83_line(z) for z in zones])
    write_lines(folder / "NAD27.CON", [nad27_line(z) for z in zones])
    write_lines(folder / "ZONE.DAT", [zone_line(z, shared) for z in zones])
    write_lines(folder / "TABLE.DAT", table_pages(zones))


if __name__ == "__main__":
    main()
