#!/usr/bin/python3
"""Generator of the sample road project (and, on demand, of a large one).

    /usr/bin/python3 tools/gerar_amostra.py              # rewrites sample/
    /usr/bin/python3 tools/gerar_amostra.py --grande DIR # 50 km project in DIR

The sample is one rural road of 2,487.35 m: stations every 20 m named "0", "1", ...
and a last fractional station "124+7.35"; four horizontal curves; a ground line and a
grade line of straight grades joined by parabolic vertical curves; cross sections
from the left catch point to the right one; a bridge ("Obra de Arte") over a stream.
It writes the files the suite's design modules would write (alignment file,
"-Projeto.scc", typical sections, dorvan.ini, symbol drawings), the DXF drawing of
plan and profile, and in esperado/ its own figures, computed from its geometry, for
the tests to compare the program's results with.

Every file of the suite is Windows-1252 with CRLF line ends and fixed columns
addressed by 1-based character position; numbers carry three decimals and the
point as decimal separator. The output depends only on the fixed seeds below.
"""
import argparse
import bisect
import math
import os
import random
import sys
import time
from dataclasses import dataclass, field

# ---------------------------------------------------------------------------
# Design constants

SWELL = 1.3  # fill swell factor: one m3 of fill takes 1.3 m3 of cut
CUT_SPLIT = {"CV": 0.10, "1C": 0.60, "2C": 0.25, "3C": 0.05}   # cut material categories
FILL_SPLIT = {"CV": 0.00, "1C": 0.85, "2C": 0.15, "3C": 0.00}  # fill material categories
CROWN = 0.03         # crossfall of the surfaced lanes
SHOULDER = 0.05      # crossfall of the shoulders
CUT_SLOPE = 1.0      # horizontal per vertical
FILL_SLOPE = 1.5
STAGE = 4.0          # slope height between berms
BERM = 2.0           # berm width
DITCH_W, DITCH_D = 0.6, 0.4  # triangular ditch at the foot of a cut
VE = 10              # vertical exaggeration of the drawn profile

# Typical sections: half platform width, surfacing width and thickness.
TYPICAL = {
    "TIPO-7M": dict(half=3.5, surf=6.0, thick=0.15, desc="Pista de 6,00 m com acostamentos de 0,50 m"),
    "TIPO-8M": dict(half=4.0, surf=7.0, thick=0.20, desc="Pista de 7,00 m com acostamentos de 0,50 m"),
    "TIPO-6M": dict(half=3.0, surf=5.0, thick=0.15, desc="Pista de 5,00 m com acostamentos de 0,50 m"),
}
STRUCTURE = "Obra de Arte"

HEADER = dict(
    municipio="São Bento do Ribeirão",
    trecho="Estrada Municipal SBR-040 – Ponte do Açude ao Capão Alto",
    microbacia="Microbacia do Córrego das Três Pedras",
    empresa="Prefeitura Municipal de São Bento do Ribeirão",
)

# Titles of the 32 fixed earthwork columns as the program shows them.
VOLUME_TITLES = [
    "Estaca", "A Corte", "A Aterro", "CV Corte", "CV Aterro", "1C Corte", "1C Aterro",
    "2C Corte", "2C Aterro", "3C Corte", "3C Aterro", "Efet Corte", "Geo Aterro",
    "Efet Aterro", "A Acum Corte", "A Acum Aterro", "Semi Distância", "Vol. Cor. CV",
    "Vol. At. CV", "Vol. Cor. 1C", "Vol. At. 1C", "Vol. Cor. 2C", "Vol At. 2C",
    "Vol Cor. 3C", "Vol At. 3C", "Volume Corte", "Volume Aterro", "C-A", "Comp Lateral",
    "Ord Bruckner", "V Acum Corte", "V Acum Aterro"]
EXTRA_TITLES = ["Vol. Sarjeta", "Área Revest.", "Vol. Revest."]
NOTE_TITLES = [
    "Estaca", "Cota Offset E", "Dist. Offset E", "Cota Bordo E", "Dist. Bordo E",
    "Cota Ter. Eixo", "Cota Greide Eixo", "CV Eixo", "Cota Bordo D", "Dist. Bordo D",
    "Cota Offset D", "Dist Offset D", "Offset E (CN)", "Offset E (CE)", "Bordo E (CN)",
    "Bordo E (CE)", "Eixo (CN)", "Eixo (CE)", "Bordo D (CN)", "Bordo D (CE)",
    "Offset D (CN)", "Offset D (CE)", "", ""]


@dataclass
class Config:
    """What differs between the sample and the large project."""
    name: str                 # file name of the alignment, without ".alg"
    length: float             # chainage of the last station
    seed: int
    curves: list              # (tangent before, radius, deflection degrees); None: random
    pvis: list                # (chainage, height over the mean ground) of the vertical points; None: random
    bridges: list             # station indices where a structure starts (3 stations each)
    sections: list            # (station index, typical section) where the section changes
    points: tuple             # (min, max) points per section, or (n, n)
    start: tuple = (712350.0, 7420180.0, 62.0)  # east, north, azimuth of station 0


SAMPLE = Config(
    name="Estrada-Amostra", length=2487.35, seed=4127,
    curves=[(310, 260, 38), (390, 190, -55), (300, 320, 30), (280, 210, -42)],
    pvis=[(0, 0), (160, 0.3), (420, -2.4), (880, 0.2), (1000, -1.6), (1240, 3.0), (1560, -2.6),
          (1680, -1.0), (1960, -2.8), (2400, 0.2), (2487.35, 0)],
    bridges=[61], sections=[(0, "TIPO-7M"), (40, "TIPO-8M"), (64, "TIPO-7M"), (95, "TIPO-6M")],
    points=(8, 30))


def large_config():
    rng = random.Random(9151)
    bridges = sorted(rng.sample(range(150, 2450, 40), 6))
    secs, k = [], 0
    while k < 2500:
        secs.append((k, rng.choice(sorted(TYPICAL))))
        k += rng.randint(60, 150)
    for b in bridges:  # a typical section again right after each structure
        secs.append((b + 3, rng.choice(sorted(TYPICAL))))
    secs = sorted({k: n for k, n in secs if all(not (b <= k < b + 3) for b in bridges)}.items())
    return Config(name="Estrada-Grande", length=49980.0, seed=5003, curves=None, pvis=None,
                  bridges=bridges, sections=secs, points=(60, 60))


# ---------------------------------------------------------------------------
# Numbers as the suite writes them

def num(x, d=3):
    t = f"{x:.{d}f}"
    return "0." + "0" * d if float(t) == 0 else t


def r3(x):
    return float(num(x))


def station_name(s):
    whole = int(round(s, 6) // 20)
    rest = s - whole * 20
    return str(whole) if abs(rest) < 1e-9 else f"{whole}+{rest:.2f}"


# ---------------------------------------------------------------------------
# Plan geometry: tangents and circular curves

@dataclass
class Element:
    s0: float
    length: float
    east: float
    north: float
    az: float          # azimuth at the start, radians, clockwise from north
    radius: float = 0  # 0 on a tangent
    turn: int = 0      # +1 to the right, -1 to the left

    def at(self, s):
        d = s - self.s0
        if not self.radius:
            return (self.east + d * math.sin(self.az), self.north + d * math.cos(self.az), self.az)
        half = self.turn * d / (2 * self.radius)
        chord = 2 * self.radius * math.sin(abs(half))
        return (self.east + chord * math.sin(self.az + half),
                self.north + chord * math.cos(self.az + half), self.az + 2 * half)


class Alignment:
    def __init__(self, cfg, rng):
        self.elements = []
        self._end = (cfg.start[0], cfg.start[1], math.radians(cfg.start[2]), 0.0)
        for tangent, radius, defl in cfg.curves or self._random_curves(cfg.length, rng):
            self._append(tangent)
            self._append(radius * math.radians(abs(defl)), radius, 1 if defl > 0 else -1)
        assert self._end[3] < cfg.length - 100, "curves longer than the road"
        self._append(cfg.length - self._end[3])
        self.starts = [el.s0 for el in self.elements]

    def _append(self, length, radius=0, turn=0):
        e, n, az, s = self._end
        el = Element(s, length, e, n, az, radius, turn)
        self.elements.append(el)
        self._end = el.at(s + length) + (s + length,)

    @staticmethod
    def _random_curves(length, rng):
        out, s, turn = [], 0.0, 1
        while True:
            t, r, d = rng.uniform(250, 700), rng.uniform(150, 500), rng.uniform(15, 60)
            if s + t + r * math.radians(d) + 300 > length:
                return out
            out.append((t, r, turn * d))
            s += t + r * math.radians(d)
            turn = -turn if rng.random() < 0.8 else turn

    def element(self, s):
        return self.elements[max(0, bisect.bisect_right(self.starts, s) - 1)]

    def at(self, s):
        """East, north and azimuth (radians) of the axis at chainage s."""
        return self.element(s).at(s)

    def curves(self):
        return [el for el in self.elements if el.radius]


def offset_point(east, north, az, o):
    """Plan point at signed offset o (negative on the left) on the normal to the axis."""
    return east + o * math.cos(az), north - o * math.sin(az)


# ---------------------------------------------------------------------------
# Terrain and profile

class Terrain:
    def __init__(self, bridge_chainages):
        self.valleys = bridge_chainages

    def axis(self, s):
        z = (815 + 14 * math.sin(2 * math.pi * s / 1600 + 0.3) + 5 * math.sin(2 * math.pi * s / 520 + 2.1)
             + 1.6 * math.sin(2 * math.pi * s / 190 + 0.7) + 0.4 * math.sin(2 * math.pi * s / 61 + 1.9))
        for c in self.valleys:
            if abs(s - c) < 200:
                z -= 9 * math.exp(-((s - c) / 38) ** 2)
        return z

    def cross_slope(self, s):
        return 0.11 * math.sin(2 * math.pi * s / 930 + 0.4) + 0.05 * math.sin(2 * math.pi * s / 277 + 1.3)

    def at(self, s, o, axis=None, slope=None):
        """Ground elevation at chainage s and offset o (axis and slope may be given)."""
        if axis is None:
            axis, slope = self.axis(s), self.cross_slope(s)
        return axis + slope * o + 0.35 * (math.sin(o / 6.5 + s / 83.0) - math.sin(s / 83.0))


class GradeLine:
    """Straight grades between vertical points, joined by symmetric parabolas."""

    def __init__(self, pvis):
        self.pvis = pvis  # [(chainage, elevation)]
        self.curves = []  # (start, end, grade in, grade out) per interior vertical point
        for i in range(1, len(pvis) - 1):
            (s0, z0), (s1, z1), (s2, z2) = pvis[i - 1], pvis[i], pvis[i + 1]
            length = min(120.0, 0.45 * min(s1 - s0, s2 - s1))
            self.curves.append((s1 - length / 2, s1 + length / 2, (z1 - z0) / (s1 - s0), (z2 - z1) / (s2 - s1)))

    def tangent(self, s):
        i = min(max(1, bisect.bisect_right([p[0] for p in self.pvis], s)), len(self.pvis) - 1)
        (s0, z0), (s1, z1) = self.pvis[i - 1], self.pvis[i]
        g = (z1 - z0) / (s1 - s0)
        return z0 + g * (s - s0), g

    def at(self, s):
        """Elevation and grade (m/m) at chainage s."""
        for a, b, g1, g2 in self.curves:
            if a < s < b:
                za, _ = self.tangent(a)
                x = s - a
                return za + g1 * x + (g2 - g1) * x * x / (2 * (b - a)), g1 + (g2 - g1) * x / (b - a)
        return self.tangent(s)

    def crests_and_sags(self):
        crests = sum(1 for _, _, g1, g2 in self.curves if g1 > 0 >= g2 or g1 >= 0 > g2)
        sags = sum(1 for _, _, g1, g2 in self.curves if g1 < 0 <= g2 or g1 <= 0 < g2)
        return crests, sags


def design_grade(cfg, terrain, rng):
    if cfg.pvis:
        chain, shifts = zip(*cfg.pvis)
    else:
        chain, s = [0.0], 0.0
        while s + 700 < cfg.length:
            s += rng.uniform(280, 420)
            chain.append(s)
        chain.append(cfg.length)
        shifts = [0] + [rng.uniform(-1.5, 1.5) for _ in chain[2:]] + [0]
    bridges = [b * 20.0 for b in cfg.bridges]

    def smooth(s):  # mean ground around s, the valleys of the streams left out
        pts = [s + d for d in range(-60, 61, 10) if 0 <= s + d <= cfg.length]
        return sum(Terrain([]).axis(p) if any(abs(p - b) < 200 for b in bridges) else terrain.axis(p)
                   for p in pts) / len(pts)

    base = Terrain([]).axis  # the ground without the streams' valleys
    pvis = []
    for i, s in enumerate(chain):
        if i in (0, len(chain) - 1):  # the road ties in with the ground at both ends
            z = r3(terrain.axis(s))
        else:
            z = round((base(s) if cfg.pvis else smooth(s)) + shifts[i], 2)
        pvis.append((s, z))
    return GradeLine(pvis)


# ---------------------------------------------------------------------------
# Stations and cross sections

@dataclass
class Point:
    offset: float
    elev: float
    label: str = ""
    code: int = 0
    full: bool = True      # written with extras, label and code
    ground: float = 0.0


@dataclass
class Station:
    index: int
    s: float
    name: str
    east: float
    north: float
    az: float
    radius: float
    ground: float
    grade: float
    slope: float           # grade, m/m
    description: str       # ESTC column 8 as written ("" inherits)
    section: str           # typical section in effect, or STRUCTURE
    points: list = field(default_factory=list)
    cut: float = 0.0       # section areas
    fill: float = 0.0
    ditch: float = 0.0
    left_edge: Point = None
    right_edge: Point = None
    left_platform: Point = None
    right_platform: Point = None


def build_stations(cfg, alignment, terrain, grade):
    names = dict(cfg.sections)
    for b in cfg.bridges:
        names[b] = STRUCTURE
    chain = [20.0 * i for i in range(int(cfg.length // 20) + 1)]
    if cfg.length - chain[-1] > 1e-6:
        chain.append(cfg.length)
    stations, current = [], ""
    for i, s in enumerate(chain):
        e, n, az = alignment.at(s)
        z, g = grade.at(s)
        desc = names.get(i, "")
        current = desc or current
        stations.append(Station(i + 1, s, station_name(s), r3(e), r3(n), az, alignment.element(s).radius,
                                r3(terrain.axis(s)), r3(z), g, desc, current))
    return stations


def slope_pieces(cut, start_extra):
    """Outward design segments (du, dz) beyond the platform edge."""
    if cut:
        pieces = [(DITCH_W, -DITCH_D, "ditch")] if start_extra else []
        stage = (STAGE * CUT_SLOPE, STAGE, "stage")
    else:
        pieces, stage = [], (STAGE * FILL_SLOPE, -STAGE, "stage")
    for _ in range(12):
        pieces += [stage, (BERM, 0.0, "berm")]
    return pieces


def catch_slope(st, terrain, side, u0, z0, axis_g, xslope):
    """Design points beyond the platform edge, out to where the slope meets the ground."""
    ground = lambda u: terrain.at(st.s, side * u, axis_g, xslope)
    h = ground(u0) - z0
    cut = h > 0  # the ground stands above the platform edge
    out, u, z = [], u0, z0
    for du, dz, kind in slope_pieces(cut, h >= 0.3):
        u1, z1 = u + du, z + dz
        f1 = z1 - ground(u1)
        crossed = (f1 >= 0) if cut else (f1 <= 0)
        if crossed and kind != "ditch":
            lo, hi = 0.0, 1.0
            for _ in range(50):
                mid = (lo + hi) / 2
                fm = z + dz * mid - ground(u + du * mid)
                if (fm >= 0 if cut else fm <= 0):
                    hi = mid
                else:
                    lo = mid
            out.append((u + du * hi, z + dz * hi, "catch"))
            return out
        out.append((u1, z1, kind))
        u, z = u1, z1
    raise RuntimeError(f"slope never meets the ground at station {st.name}")


def build_section(st, terrain, rng, npoints):
    """Points from the left catch point to the right one, codes -8/-5/5/8 at the edges."""
    axis_g, xslope = terrain.axis(st.s), terrain.cross_slope(st.s)
    z = st.grade
    if st.section == STRUCTURE:  # bridge deck between its guard rails
        deck = [(-4.0, "GRE", -1), (-3.8, "MFE", -6), (-3.5, "PE", -5), (-1.75, "", 0), (0.0, "EIXO", 0),
                (1.75, "", 0), (3.5, "PD", 5), (3.8, "MFD", 6), (4.0, "GRD", 1)]
        if npoints[0] == npoints[1] and npoints[0] > len(deck):  # a fixed count: pad the deck
            left = (npoints[0] - 7) // 2
            right = npoints[0] - 7 - left
            deck = (deck[:3] + [(-3.5 + 3.5 * i / (left + 1), "", 0) for i in range(1, left + 1)] + [deck[4]]
                    + [(3.5 * i / (right + 1), "", 0) for i in range(1, right + 1)] + deck[6:])
        return [Point(r3(o), r3(z - 0.02 * abs(o)), lab, c, bool(lab)) for o, lab, c in deck]
    t = TYPICAL[st.section]
    half, hs = t["half"], t["surf"] / 2
    # A few sections the way real files come: without edge marks (the staking table
    # falls back to the platform edges), without the right mark only, or with a second
    # -8 outside the left mark and a second 5 inside the right platform edge.
    no_marks = st.index % 9 == 4
    no_right_mark = st.index % 13 == 7
    doubled = st.index % 17 == 11 and not no_marks
    sides = {}
    for side in (-1, 1):
        z_edge = z - CROWN * hs
        z_plat = z_edge - SHOULDER * (half - hs)
        sides[side] = (z_edge, z_plat, catch_slope(st, terrain, side, half, z_plat, axis_g, xslope))
    fixed = sum(2 + len(v[2]) for v in sides.values())  # marks, platform edges and slopes
    lo, hi = npoints
    inner = (rng.randint(max(lo, fixed + 3), max(hi, fixed + 3)) if lo != hi else lo) - fixed - 1
    inner = max(2, inner)
    k_left = inner // 2 if lo == hi else rng.randint(1, inner - 1)
    pts = {}
    for side in (-1, 1):
        z_edge, z_plat, slope = sides[side]
        k = k_left if side < 0 else inner - k_left
        lab = "E" if side < 0 else "D"
        row = [Point(side * hs * i / (k + 1), r3(z - CROWN * hs * i / (k + 1)), full=False)
               for i in range(1, k + 1)]
        marked = not (no_marks or (side > 0 and (no_right_mark or doubled)))
        row.append(Point(side * hs, r3(z_edge), "B" + lab, 8 * side if marked else 0))
        row.append(Point(side * half, r3(z_plat), "P" + lab, 5 * side))
        for u, zz, kind in slope:
            code, name = {"ditch": (3, "SJ"), "berm": (2, "BR"), "stage": (4, "TA"), "catch": (1, "OF")}[kind]
            row.append(Point(side * u, r3(zz), name + lab, code * side))
        if doubled and side < 0:
            row[k + 2].code = -8           # first point beyond the left platform edge
        if doubled and side > 0:
            row[0].code, row[0].full = 5, True
        pts[side] = row
    for p in pts[-1] + pts[1]:
        p.offset = r3(p.offset)
    axis = Point(0.0, z, "EIXO", 0)
    return list(reversed(pts[-1])) + [axis] + pts[1]


def section_areas(st, terrain):
    """Cut and fill areas between the design line and the ground, in m2."""
    axis_g, xslope = terrain.axis(st.s), terrain.cross_slope(st.s)
    areas = [0.0, 0.0]  # cut, fill

    def add(area):  # ground above the design line is cut
        areas[0 if area > 0 else 1] += abs(area)

    for a, b in zip(st.points, st.points[1:]):
        n = max(2, math.ceil((b.offset - a.offset) / 0.75))
        prev = None
        for i in range(n + 1):
            o = a.offset + (b.offset - a.offset) * i / n
            d = terrain.at(st.s, o, axis_g, xslope) - (a.elev + (b.elev - a.elev) * i / n)
            if prev is not None:
                w, d0 = o - prev[0], prev[1]
                if d0 * d >= 0:
                    add((d0 + d) / 2 * w)
                else:  # the lines cross inside the step
                    x = w * d0 / (d0 - d)
                    add(d0 * x / 2)
                    add(d * (w - x) / 2)
            prev = (o, d)
    cut, fill = areas
    return r3(cut), r3(fill)


def mark_edges(st):
    """The points the staking table should show, by what they are: the edge marks,
    else the platform edges."""
    def find(label, code=None):
        return next((p for p in st.points if p.label == label and code in (None, p.code)), None)
    st.left_platform, st.right_platform = find("PE"), find("PD")
    st.left_edge = find("BE", -8) or st.left_platform
    st.right_edge = find("BD", 8) or st.right_platform


def build_sections(cfg, stations, terrain, rng):
    for st in stations:
        st.points = build_section(st, terrain, rng, cfg.points)
        for p in st.points:
            p.east, p.north = (r3(c) for c in offset_point(st.east, st.north, st.az, p.offset))
            p.ground = r3(terrain.at(st.s, p.offset))
        mark_edges(st)
        if st.section != STRUCTURE:
            st.cut, st.fill = section_areas(st, terrain)
            st.ditch = sum(DITCH_W * DITCH_D / 2 for p in st.points if p.label.startswith("SJ"))


# ---------------------------------------------------------------------------
# Earthwork volumes by average end areas

CATEGORIES = ("CV", "1C", "2C", "3C")


@dataclass
class StationAreas:
    cut: float         # geometric areas of the section, m2
    fill: float
    categories: list   # cut and fill of CV, 1C, 2C, 3C: 8 values in the column order
    eff_fill: float    # fill area times the swell factor
    ditch: float       # ditch cross-section area
    surfacing: float   # surfacing width times thickness; 0 on a structure


def station_areas(st):
    t = TYPICAL.get(st.section)
    return StationAreas(st.cut, st.fill,
                        [r3(a * split[c]) for c in CATEGORIES for a, split in ((st.cut, CUT_SPLIT), (st.fill, FILL_SPLIT))],
                        r3(st.fill * SWELL), st.ditch, r3(t["surf"] * t["thick"]) if t else 0.0)


def volume_rows(stations):
    """The 32 fixed columns and the 3 additional ones of each station, as numbers;
    None where the suite writes "*" (the interval values of the last station).

    Columns 1-13 are the station's areas: cut, fill, the category split, effective cut
    (= cut), geometric fill, effective fill (= fill x SWELL). For the interval to the
    next station, with half-distance h: the summed areas (14, 15: effective cut and
    effective fill of both ends), h (16), each category's volume = (sum of its two end
    areas) x h (17-24), cut and swelled fill volumes = summed areas x h (25, 26),
    C-A = cut - fill (27), lateral compensation = the smaller of the two (28), and
    the running sums up to this interval: Bruckner ordinate of C-A (29), cut (30) and
    fill (31). Additional: ditch volume, surfacing area of the station, surfacing
    volume = surfacing area x interval length.
    """
    areas = [station_areas(st) for st in stations]
    rows, bruckner, acc_cut, acc_fill = [], 0.0, 0.0, 0.0
    for i, (st, a) in enumerate(zip(stations, areas)):
        row = [st.name, a.cut, a.fill] + a.categories + [a.cut, a.fill, a.eff_fill]
        if i + 1 == len(stations):
            rows.append(row + [None] * 18 + [None, a.surfacing, None])
            break
        b, length = areas[i + 1], stations[i + 1].s - st.s
        h = r3(length / 2)
        sum_cut, sum_fill = r3(a.cut + b.cut), r3(a.eff_fill + b.eff_fill)
        v_cut, v_fill = r3(sum_cut * h), r3(sum_fill * h)
        bruckner, acc_cut, acc_fill = r3(bruckner + v_cut - v_fill), r3(acc_cut + v_cut), r3(acc_fill + v_fill)
        row += [sum_cut, sum_fill, h] + [r3((x + y) * h) for x, y in zip(a.categories, b.categories)]
        row += [v_cut, v_fill, r3(v_cut - v_fill), min(v_cut, v_fill), bruckner, acc_cut, acc_fill]
        row += [r3((a.ditch + b.ditch) * h), a.surfacing, r3(a.surfacing * length)]
        rows.append(row)
    return rows


# Version 2 files have 18 fixed columns: station, cut, fill, 1C/2C/3C cut, effective
# cut and fill, summed areas, half-distance, cut and fill volumes, C-A, lateral
# compensation, Bruckner ordinate, accumulated cut and fill: these columns of the
# current layout.
V2_FROM_V3 = [0, 1, 2, 5, 7, 9, 11, 13, 14, 15, 16, 25, 26, 27, 28, 29, 30, 31]


def cell_text(v):
    if v is None:
        return "*"
    return v if isinstance(v, str) else num(v)


# ---------------------------------------------------------------------------
# Files of the suite

def put(line, pos, text, width, right=True):
    """Places text in the 1-based character field pos .. pos + width - 1."""
    assert len(text) <= width, f"{text!r} does not fit in {width} characters"
    text = text.rjust(width) if right else text.ljust(width)
    line.extend(" " * (pos - 1 + width - len(line)))
    line[pos - 1:pos - 1 + width] = text
    return line


def fixed_line(tag, fields, first=6, step=16):
    line = list(tag)
    for k, text in enumerate(fields):
        put(line, first + step * k, text, 15)
    return "".join(line)


def write_text(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("cp1252"))


def write_tsv(path, rows):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.writelines("\t".join(r) + "\n" for r in rows)


def station_fields(st, n_points):
    """Columns 1 to 20 of the station record, as written (a "*" field carries no value)."""
    return [st.name, "CURVA" if st.radius else "TANGENTE", num(st.s), num(st.north), num(st.east),
            num(st.ground), num(st.grade), st.description,
            num(math.degrees(st.az) % 360, 4), num(st.radius) if st.radius else "*",
            num(st.slope * 100), num(CROWN * 100),
            "*" if st.section == STRUCTURE else num(TYPICAL[st.section]["half"]),
            "*" if st.section == STRUCTURE else num(TYPICAL[st.section]["half"]),
            num(st.ground - st.grade), str(n_points), "*", "*", "*", "*"]


def alignment_lines(cfg, stations, vols, version):
    header = [f"Alinhamento Versão {version:.1f}", "Projeto de adequação de estrada rural", cfg.name,
              HEADER["municipio"], HEADER["trecho"], "Projetista: Eng. Civil Helena Duarte Marçal",
              HEADER["microbacia"], "Data: 15/03/2024", "Estaqueamento: 20.000 m",
              f"Extensão: {num(stations[-1].s)} m", f"Fator de empolamento do aterro: {SWELL:.2f}",
              "Categorias do corte: CV 10%, 1C 60%, 2C 25%, 3C 5%",
              "Categorias do aterro: 1C 85%, 2C 15%", "Taludes: corte 1:1, aterro 1,5:1",
              "Abaulamento: 3% na pista, 5% no acostamento", "Sistema de coordenadas: UTM SIRGAS 2000, fuso 22S",
              "", "", "", "----"]
    lines = list(header)
    for st in stations:
        f = station_fields(st, len(st.points))
        line = list(fixed_line("ESTC", f[:7]))
        put(line, 118, f[7], 30, right=False)
        put(line, 149, str(st.index), 15)  # characters 148-163 are not read
        for k, text in enumerate(f[8:]):
            put(line, 164 + 16 * k, text, 15)
        lines.append("".join(line))
    fixed = 32 if version >= 3 else 18
    for row in vols:
        texts = [cell_text(v) for v in row]
        lines.append(fixed_line("VOLM", texts[:32] if version >= 3 else
                                [texts[c] for c in V2_FROM_V3] + texts[32:35]))
    lines.append(fixed_line("VOLD", [str(fixed + 3)]))
    lines.append(fixed_line("VOLC", EXTRA_TITLES))
    for row in vols:
        lines.append(fixed_line("VOLC", [cell_text(v) for v in row[32:35]]))
    return lines


def project_file_lines(cfg, stations):
    lines = ["Projeto de Seções Transversais", "Versão 3.0", cfg.name, HEADER["municipio"], "----"]
    for st in stations:
        line = list("#*SECAO")
        for pos, text in ((9, st.name), (25, str(len(st.points))), (41, num(st.east)), (57, num(st.north)),
                          (73, num(st.s)), (89, num(st.grade))):
            put(line, pos, text, 15)
        lines.append("".join(line))
        for p in st.points:
            line = list("@")
            for pos, v in ((3, p.offset), (19, p.elev), (35, p.east), (51, p.north)):
                put(line, pos, num(v), 15)
            if p.full:
                put(line, 67, num(p.ground), 15)
                put(line, 83, num(p.elev - p.ground), 15)
                put(line, 99, p.label, 5, right=False)
                put(line, 105, str(p.code), 5)
            lines.append("".join(line))
    return lines


def write_suite(folder):
    write_text(os.path.join(folder, "dorvan.ini"),
               ["[DORVAN]", HEADER["empresa"], "Departamento de Estradas Rurais", "unidade=m", "casas=3"])
    for name, t in TYPICAL.items():
        plat = list("# PLATAFORMA     ")
        put(plat, 19, num(t["surf"]), 15)
        put(plat, 35, num(t["thick"]), 15)
        write_text(os.path.join(folder, "secao_tipo", name + ".tpo"), [
            f"# SECAO TIPO {name}", f"# DESCRICAO      {t['desc']}",
            f"# LARGURA        {num(2 * t['half']):>15} {num(2 * t['half']):>15}",
            f"# ABAULAMENTO    {num(CROWN * 100):>15} {num(SHOULDER * 100):>15}",
            f"# TALUDE         {num(CUT_SLOPE):>15} {num(FILL_SLOPE):>15}",
            f"# SARJETA        {num(DITCH_W):>15} {num(DITCH_D):>15}",
            "".join(plat),
            f"# PLATAFORMA EXISTENTE {num(5):>15}",
            "FIM"])


def expected_note(stations):
    """The staking table as the generator's geometry gives it."""
    rows = [NOTE_TITLES]
    for st in stations:
        if st.section == STRUCTURE:
            rows.append([st.name, STRUCTURE] + [""] * 22)
            continue
        p1, pn, le, re = st.points[0], st.points[-1], st.left_edge, st.right_edge
        cv = num((round(st.ground * 1000) - round(st.grade * 1000)) / 1000)
        rows.append([st.name, num(p1.elev), num(p1.offset), num(le.elev), num(le.offset), num(st.ground),
                     num(st.grade), cv, num(re.elev), num(re.offset), num(pn.elev), num(pn.offset),
                     num(p1.north), num(p1.east), num(le.north), num(le.east), num(st.north), num(st.east),
                     num(re.north), num(re.east), num(pn.north), num(pn.east),
                     num(st.left_platform.offset), num(st.right_platform.offset)])
    return rows


def write_expected(folder, stations, vols, version):
    trimmed = lambda t: "" if t.startswith("*") else t.strip()
    fixed = 32 if version >= 3 else 18
    titles = VOLUME_TITLES[:fixed] + EXTRA_TITLES
    vol_rows = [titles]
    for row in vols:
        texts = [cell_text(v) for v in row]
        if version < 3:
            texts = [texts[c] for c in V2_FROM_V3] + texts[32:35]
        vol_rows.append([texts[0]] + [trimmed(t) for t in texts[1:]])
    write_tsv(os.path.join(folder, "volumes.tsv"), vol_rows)
    if version < 3:
        return
    write_tsv(os.path.join(folder, "nota.tsv"), expected_note(stations))
    est = [["Seq", "Estaca", "Elemento", "Progressiva", "Norte", "Este", "Cota Terreno", "Cota Greide",
            "Seção Tipo"] + [f"Coluna {k}" for k in range(9, 21)]]
    for st in stations:
        est.append([str(st.index)] + [trimmed(t) for t in station_fields(st, len(st.points))])
    write_tsv(os.path.join(folder, "estacoes.tsv"), est)
    write_tsv(os.path.join(folder, "campos.tsv"), [
        ["Edit8", HEADER["municipio"]], ["Edit9", HEADER["microbacia"]], ["Edit10", HEADER["trecho"]],
        ["edit11", num((stations[-1].s - stations[0].s) / 1000)]])


def write_project(cfg, out_dir, stations, suite_dir):
    vols = volume_rows(stations)
    proj = os.path.join(out_dir, "projeto")
    write_text(os.path.join(proj, cfg.name + ".alg"), alignment_lines(cfg, stations, vols, 3))
    write_text(os.path.join(proj, cfg.name + "-Projeto.scc"), project_file_lines(cfg, stations))
    write_expected(os.path.join(proj, "esperado"), stations, vols, 3)
    write_suite(suite_dir)
    return vols


def write_version2(cfg, out_dir, stations, vols):
    proj = os.path.join(out_dir, "projeto-v2")
    write_text(os.path.join(proj, cfg.name + ".alg"), alignment_lines(cfg, stations, vols, 2))
    write_text(os.path.join(proj, cfg.name + "-Projeto.scc"), project_file_lines(cfg, stations))
    write_expected(os.path.join(proj, "esperado"), stations, vols, 2)


# ---------------------------------------------------------------------------
# The whole road

def build_road(cfg):
    rng = random.Random(cfg.seed)
    alignment = Alignment(cfg, rng)
    terrain = Terrain([b * 20.0 + 20.0 for b in cfg.bridges])
    grade = design_grade(cfg, terrain, rng)
    stations = build_stations(cfg, alignment, terrain, grade)
    build_sections(cfg, stations, terrain, rng)
    return alignment, terrain, grade, stations


def summary(cfg, alignment, grade, stations, vols):
    counts = [len(st.points) for st in stations]
    crests, sags = grade.crests_and_sags()
    negative = sum(1 for r in vols if r[27] is not None and r[27] < 0)
    low = min(r[29] for r in vols if r[29] is not None)
    lines = [f"{cfg.name}: {num(stations[-1].s)} m, {len(stations)} estacas, "
             f"{len(alignment.curves())} curvas horizontais (raios "
             + ", ".join(num(c.radius, 0) for c in alignment.curves()[:8]) + ")",
             f"  greide: {len(grade.pvis)} PIVs, {crests} cristas, {sags} vales, rampa máx. "
             f"{num(100 * max(abs(st.slope) for st in stations), 2)}%",
             f"  seções: {min(counts)} a {max(counts)} pontos",
             f"  volumes: corte {num(vols[-2][30])} m3, aterro corrigido {num(vols[-2][31])} m3, "
             f"{negative} intervalos com C-A negativo, Bruckner mínimo {num(low)}"]
    print("\n".join(lines))


def main():
    sys.dont_write_bytecode = True  # leave no cache beside the sources
    import desenho_amostra as drawing  # needs this module's helpers

    parser = argparse.ArgumentParser(description="Gera o projeto de amostra (ou um projeto grande).")
    parser.add_argument("--grande", metavar="DIR", help="gera em DIR um projeto de 50 km, 2.500 estacas")
    parser.add_argument("--saida", metavar="DIR", help="pasta de saída da amostra (padrão: sample/)")
    args = parser.parse_args()
    started = time.time()
    cfg = large_config() if args.grande else SAMPLE
    out = args.grande or args.saida or os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sample")
    alignment, terrain, grade, stations = build_road(cfg)
    vols = write_project(cfg, out, stations, os.path.join(out, "telmira"))
    drawing.write_symbols(os.path.join(out, "telmira", "simbolos"))
    if not args.grande:
        write_version2(cfg, out, stations, vols)
        drawing.write_drawings(cfg, out, alignment, terrain, grade, stations)
    summary(cfg, alignment, grade, stations, vols)
    print(f"  gerado em {time.time() - started:.1f} s")


if __name__ == "__main__":
    main()
