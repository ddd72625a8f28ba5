"""Drawings of the sample project: plan and longitudinal profile in one ASCII DXF
(AutoCAD 2000), the symbol drawings of the suite folder, and the figures of the
drawing that the tests compare with (esperado/perfil.tsv, esperado/desenho.tsv).

Used by gerar_amostra.py; needs python3-ezdxf.
"""
import math
import os
import random

import ezdxf
from ezdxf import recover

from gerar_amostra import STRUCTURE, VE, num, offset_point, write_tsv

APP = "PERFILALINTELMIRA"
IDENTITY = "sample/projeto/Estrada-Amostra.alg"  # the path the sample is started with
SYMBOLS = ("LOMBADA", "BSTC40", "BSTC60")

# Layer name: colour. The calculators read BORDO, MATA, ARVORE, BUEIRO2 and BUEIRO.
LAYERS = {
    "EIXO": 1, "BORDO": 2, "ARVORE": 3, "BUEIROS_PERFIL": 4, "BUEIRO2": 5, "GREIDE": 6,
    "PLATAFORMA": 7, "OFFSET": 8, "ESTACAS": 9, "OBRA_ARTE": 30, "TERRENO": 32, "LOMBADAS": 40,
    "MATA": 94, "BUEIRO": 140, "TEXTO": 250,
}


def new_document():
    ezdxf.options.write_fixed_meta_data_for_testing = True  # same bytes at every run
    doc = ezdxf.new("R2000")
    doc.header["$INSUNITS"] = 6  # metres
    for name, colour in LAYERS.items():
        doc.layers.add(name, color=colour)
    return doc


def draw_symbol(space, name):
    """The symbol with its base point at the origin, in drawing units of the profile."""
    attribs = {"layer": "0", "color": 0}  # by block: the reference's layer colours it
    if name == "LOMBADA":
        space.add_lwpolyline([(-3, 0, 0, 0, 0.8), (3, 0)], format="xyseb", dxfattribs=attribs)
        space.add_line((-4, 0), (4, 0), dxfattribs=attribs)
    else:
        radius = 2.0 if name == "BSTC40" else 3.0
        space.add_circle((0, 0), radius, dxfattribs=attribs)
        space.add_line((-radius - 2, -radius), (radius + 2, -radius), dxfattribs=attribs)
        space.add_text("BSTC " + ("0.40" if name == "BSTC40" else "0.60"),
                       dxfattribs=dict(attribs, height=1.5, insert=(-radius - 2, radius + 1)))


def save_checked(doc, path):
    """Saves and reads the file back through ezdxf's recovery and audit: no errors."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    doc.saveas(path)
    _, auditor = recover.readfile(path)
    if auditor.has_errors:
        raise RuntimeError(f"{path}: {len(auditor.errors)} erros na auditoria do DXF")


def write_symbols(folder):
    for name in SYMBOLS:
        doc = new_document()
        draw_symbol(doc.modelspace(), name)
        save_checked(doc, os.path.join(folder, name + ".dxf"))


# ---------------------------------------------------------------------------
# What the drawing shows, decided once for both drawings

class Scene:
    def __init__(self, cfg, alignment, terrain, grade, stations):
        self.cfg, self.alignment, self.terrain, self.grade, self.stations = cfg, alignment, terrain, grade, stations
        self.rng = random.Random(cfg.seed + 1)
        self.length = stations[-1].s
        self.bridge = [(st.s - 40, st.s + 80) for st in stations if st.description == STRUCTURE]
        self.culverts = self._culverts()
        self.bumps = self._bumps()
        self.bushes = [self._bush() for _ in range(14)]
        self.cells = self._cells()
        self.trees = [self._tree() for _ in range(170)]
        east = [st.east for st in stations]
        north = [st.north for st in stations]
        # Profile: chainage P at x = X0, elevation Z0 at y = Y0 (the grade's first vertex).
        self.P, self.Z0 = stations[0].s, stations[0].grade
        floor = math.floor(min(min(st.ground, st.grade) for st in stations)) - 5
        self.base_y = math.floor((min(north) - 700) / 100) * 100
        self.X0 = math.floor(min(east) / 100) * 100
        self.Y0 = self.base_y + (self.Z0 - floor) * VE
        self.floor = floor

    def near_bridge(self, s, margin=0):
        return any(a - margin <= s <= b + margin for a, b in self.bridge)

    def profile_point(self, s, z):
        return self.X0 + (s - self.P), self.Y0 + (z - self.Z0) * VE

    def _culverts(self):
        """(station row, diameter, offsets of the marks) at the low points of the ground,
        the interval from the low station on; one culvert has its inlet and outlet
        marked, so that two marks fall in one interval."""
        st, lows = self.stations, []
        for i in range(4, len(st) - 5):
            window = [s.ground for s in st[i - 4:i + 5]]
            if st[i].ground == min(window) and not any(s.section == STRUCTURE for s in st[i - 1:i + 3]):
                lows.append(i)
        return [(i, "0.60" if n % 3 == 1 else "0.40", (-2.0, 2.0) if n == 1 else (0.0,))
                for n, i in enumerate(lows)]

    def _bumps(self):
        """On each falling stretch of the grade, the first two places where it has
        dropped another 2 m from the crest, none within 35 m of the low end."""
        st, out = self.stations, []
        i = 0
        while i < len(st) - 1:
            if st[i + 1].grade >= st[i].grade:
                i += 1
                continue
            j = i
            while j + 1 < len(st) and st[j + 1].grade < st[j].grade:
                j += 1
            level, k, found = st[i].grade - 2, i, []
            while len(found) < 2 and level > st[j].grade:
                while st[k + 1].grade > level:
                    k += 1
                a, b = st[k], st[k + 1]
                s = a.s + (level - a.grade) * (b.s - a.s) / (b.grade - a.grade)
                if s <= st[j].s - 35 and not self.near_bridge(s, 20):
                    found.append(s)
                level -= 2
            out += found
            i = j
        return out

    def _bush(self):
        rng = self.rng
        while True:
            s = rng.uniform(40, self.length - 40)
            if not self.near_bridge(s, 60):
                break
        side = rng.choice((-1, 1))
        centre = rng.uniform(7, 28)
        radius = rng.uniform(4, min(14, centre - 4.5))
        ring = []
        for k in range(16):
            a = 2 * math.pi * k / 16
            r = radius * rng.uniform(0.7, 1.15)
            ring.append(self.plan(s + r * math.cos(a), side * centre + r * math.sin(a)))
        return ring

    def plan(self, s, o):
        e, n, az = self.alignment.at(min(max(s, 0), self.length))
        return offset_point(e, n, az, o)

    def _cells(self):
        """Search cell of each interval between road stations: offsets of r + 1 and r."""
        cells = {}
        st = self.stations
        for r in range(len(st) - 1):
            a, b = st[r], st[r + 1]
            if STRUCTURE in (a.section, b.section):
                continue
            pa1, pan, pb1, pbn = a.points[0], a.points[-1], b.points[0], b.points[-1]
            cells[r] = [(pb1.east, pb1.north), (pbn.east, pbn.north), (pan.east, pan.north),
                        (pa1.east, pa1.north), (pb1.east, pb1.north)]
        return cells

    def _tree(self):
        rng = self.rng
        while True:
            s = rng.uniform(5, self.length - 5)
            o = rng.choice((-1, 1)) * (rng.uniform(4, 14) if rng.random() < 0.5 else rng.uniform(14, 36))
            x, y = (round(c, 3) for c in self.plan(s, o))
            if not self.near_bridge(s, 40) and all(edge_distance(cell, x, y) > 0.05 for cell in self.cells.values()):
                return x, y


def edge_distance(poly, x, y):
    best = math.inf
    for (ax, ay), (bx, by) in zip(poly, poly[1:]):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy or 1)))
        best = min(best, math.hypot(x - ax - t * dx, y - ay - t * dy))
    return best


def inside(poly, x, y):
    """Crossing count with half-open edges, as the program tests a mark in a cell."""
    count = 0
    for (ax, ay), (bx, by) in zip(poly, poly[1:]):
        if (ay <= y < by or by <= y < ay) and x > ax + (y - ay) / (by - ay) * (bx - ax):
            count += 1
    return count % 2 == 1


# ---------------------------------------------------------------------------
# Plan

def draw_plan(msp, scene):
    st, al = scene.stations, scene.alignment
    axis = [al.at(s)[:2] for s in frange(0, scene.length, 5)]
    msp.add_lwpolyline(axis, dxfattribs={"layer": "EIXO"})
    for side in (0, -1):  # designed offsets and platform edges, left then right
        for layer, pick in (("OFFSET", lambda s: s.points[side]),
                            ("PLATAFORMA", lambda s: s.left_platform if side == 0 else s.right_platform)):
            run = []
            for s in st:
                if s.section == STRUCTURE:
                    flush(msp, run, layer)
                    continue
                p = pick(s)
                run.append((p.east, p.north))
            flush(msp, run, layer)
    for s in st[::5]:
        e, n, az = s.east, s.north, s.az
        msp.add_line(offset_point(e, n, az, -1.5), offset_point(e, n, az, 1.5), dxfattribs={"layer": "ESTACAS"})
        msp.add_text(s.name, dxfattribs={"layer": "ESTACAS", "height": 2.0,
                                         "insert": offset_point(e, n, az, 18.0),
                                         "rotation": (90 - math.degrees(az)) % 360})
    draw_existing_road(msp, scene)
    for ring in scene.bushes:
        msp.add_lwpolyline(ring, close=True, dxfattribs={"layer": "MATA"})
    for x, y in scene.trees:
        msp.add_point((x, y), dxfattribs={"layer": "ARVORE"})
    for i, diameter, offsets in scene.culverts:
        for o in offsets:
            x, y = scene.plan(st[i].s + 10, o)
            msp.add_point((round(x, 3), round(y, 3)), dxfattribs={"layer": "BUEIRO2" if diameter == "0.40" else "BUEIRO"})
    for a, b in scene.bridge:
        s0, s1 = a + 40, b - 20
        ring = [scene.plan(s0, -4), scene.plan(s1, -4), scene.plan(s1, 4), scene.plan(s0, 4)]
        msp.add_lwpolyline(ring, close=True, dxfattribs={"layer": "OBRA_ARTE"})


def frange(a, b, step):
    out, x = [], a
    while x < b:
        out.append(x)
        x += step
    return out + [b]


def flush(msp, run, layer):
    if len(run) > 1:
        msp.add_lwpolyline(run, dxfattribs={"layer": layer})
    run.clear()


def draw_existing_road(msp, scene):
    """The dirt road the design widens: a little off the new axis, about 5 m wide,
    interrupted at the stream; mostly polylines, one stretch drawn as separate lines."""
    def edge(s, side):
        shift = 0.9 * math.sin(2 * math.pi * s / 410 + 0.7)
        half = 2.4 + 0.3 * math.sin(s / 97)
        return scene.plan(s, shift + side * half)

    gap_a, gap_b = scene.bridge[0][0] + 30, scene.bridge[0][1] - 10
    pieces = {-1: [(0, 700), (700, gap_a), (gap_b, scene.length)],
              1: [(0, gap_a), (gap_b, 1900), (1900, scene.length)]}
    for side, runs in pieces.items():
        for a, b in runs:
            pts = [edge(s, side) for s in frange(a, b, 10)]
            if side == 1 and a == 1900:
                for p, q in zip(pts, pts[1:]):
                    msp.add_line(p, q, dxfattribs={"layer": "BORDO"})
            else:
                msp.add_lwpolyline(pts, dxfattribs={"layer": "BORDO"})


# ---------------------------------------------------------------------------
# Profile

def draw_profile(msp, scene, tagged):
    st = scene.stations
    ground = [scene.profile_point(s.s, s.ground) for s in st]
    grade = [scene.profile_point(s.s, s.grade) for s in st]
    msp.add_lwpolyline(ground, dxfattribs={"layer": "TERRENO"})
    line = msp.add_lwpolyline(grade, dxfattribs={"layer": "GREIDE"})
    if tagged:
        line.set_xdata(APP, [(1000, IDENTITY), (1000, str(VE)), (1000, num(scene.Z0)), (1000, num(scene.P))])
    x_end = scene.X0 + scene.length - scene.P
    msp.add_line((scene.X0, scene.base_y), (x_end, scene.base_y), dxfattribs={"layer": "TEXTO"})
    for s in st[::5]:
        x = scene.X0 + s.s - scene.P
        msp.add_line((x, scene.base_y), (x, scene.base_y - 4), dxfattribs={"layer": "TEXTO"})
        msp.add_text(s.name, dxfattribs={"layer": "TEXTO", "height": 3.0, "insert": (x - 2, scene.base_y - 10)})
    top = max(max(s.ground, s.grade) for s in st)
    for z in range(int(scene.floor), int(top) + 6, 5):
        y = scene.base_y + (z - scene.floor) * VE
        msp.add_text(f"{z:.0f}", dxfattribs={"layer": "TEXTO", "height": 3.0, "insert": (scene.X0 - 25, y)})
    msp.add_text("PERFIL LONGITUDINAL - ESCALA VERTICAL 10 VEZES A HORIZONTAL",
                 dxfattribs={"layer": "TEXTO", "height": 6.0, "insert": (scene.X0, scene.base_y - 30)})
    for a, b in scene.bridge:
        s0, s1 = a + 40, b - 20
        z0, z1 = scene.grade.at(s0)[0], scene.grade.at(s1)[0]
        deck = [scene.profile_point(s0, z0), scene.profile_point(s1, z1),
                scene.profile_point(s1, z1 - 1.2), scene.profile_point(s0, z0 - 1.2)]
        msp.add_lwpolyline(deck, close=True, dxfattribs={"layer": "OBRA_ARTE"})
        x, y = scene.profile_point(s0, z0 + 3)
        msp.add_text("PONTE SOBRE O CÓRREGO DAS TRÊS PEDRAS",
                     dxfattribs={"layer": "OBRA_ARTE", "height": 3.0, "insert": (x, y)})
    for s in scene.bumps:
        msp.add_blockref("LOMBADA", scene.profile_point(s, scene.grade.at(s)[0]), dxfattribs={"layer": "LOMBADAS"})
    for i, diameter, _ in scene.culverts:
        s = st[i].s + 10
        block = "BSTC40" if diameter == "0.40" else "BSTC60"
        msp.add_blockref(block, scene.profile_point(s, scene.grade.at(s)[0] - 1), dxfattribs={"layer": "BUEIROS_PERFIL"})


def write_drawings(cfg, out, alignment, terrain, grade, stations):
    scene = Scene(cfg, alignment, terrain, grade, stations)
    proj = os.path.join(out, "projeto")
    for tagged, name in ((True, cfg.name + ".dxf"), (False, cfg.name + "-sem-perfil.dxf")):
        doc = new_document()
        if tagged:
            doc.appids.new(APP)
        for symbol in SYMBOLS:
            draw_symbol(doc.blocks.new(symbol), symbol)
        msp = doc.modelspace()
        draw_plan(msp, scene)
        draw_profile(msp, scene, tagged)
        save_checked(doc, os.path.join(proj, name))
    write_expected_drawing(os.path.join(proj, "esperado"), scene)
    return scene


def write_expected_drawing(folder, scene):
    write_tsv(os.path.join(folder, "perfil.tsv"), [
        ["identidade", IDENTITY], ["deformacao", str(VE)], ["cota_inicial", num(scene.Z0)],
        ["progressiva_inicial", num(scene.P)], ["X0", num(scene.X0)], ["Y0", num(scene.Y0)]])
    st = scene.stations
    rows = [["Estaca", "Marcas BSTC 0.40", "Marcas BSTC 0.60", "Árvores", "Lombadas no perfil"]]
    marks = {i: (d, len(offs)) for i, d, offs in scene.culverts}
    for r, s in enumerate(st):
        if r not in scene.cells:
            rows.append([s.name, "", "", "", ""])
            continue
        d, n = marks.get(r, ("", 0))
        trees = sum(1 for x, y in scene.trees if inside(scene.cells[r], x, y))
        bumps = sum(1 for b in scene.bumps if s.s <= b < st[r + 1].s)
        rows.append([s.name, str(n if d == "0.40" else 0), str(n if d == "0.60" else 0), str(trees), str(bumps)])
    write_tsv(os.path.join(folder, "desenho.tsv"), rows)
