#!/usr/bin/env python3
"""Writes the outline drawing of every sample model as <Model Name>.dxf (R12, CR LF), from the
model's particulars in ../models/*.sql: capacity, oil and water flows, weight, ratings, motor,
range and series.

Air-cooled and mobile coolers get a fan-side front view and a side view with the motor; water-
cooled ones an elevation of the shell with its heads, nozzles and saddles, and an end view with the
tube layout. Each drawing holds an A3 sheet at a standard scale with a title block (a block with
attributes), notes, flow arrows (inserts of a block) and linear dimensions.

Run from this folder: python3 generate_drawings.py
"""
import glob
import math
import os
import sqlite3

from dxf_r12 import (BULGE_HALF, BULGE_QUARTER, CENTRE, LEFT, MIDDLE, RIGHT, AttributeDefinition, Block, Box,
                     Circle, Dimension, DimensionStyle, Drawing, Insert, Layer, Line, Polyline, Solid, Text)

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.dirname(HERE)

COMMON_LAYERS = [
    Layer("0", 7), Layer("BORDER", 251), Layer("TITLE", 5), Layer("OUTLINE", 7), Layer("HIDDEN", 8, "DASHED"),
    Layer("CENTER", 1, "CENTER"), Layer("DIMENSIONS", 96), Layer("DEFPOINTS", 9), Layer("NOTES", 250),
    Layer("CONNECTIONS", 6), Layer("MOUNTING", 30),
]
FAN_LAYERS = [Layer("FAN", 150), Layer("MOTOR", 34)]
BUNDLE_LAYERS = [Layer("BUNDLE", 142)]

SCALES = (1, 2, 5, 10, 20)  # 1:k
SHEET_W, SHEET_H, MARGIN = 420.0, 297.0, 10.0
TITLE_W, TITLE_H = 180.0, 50.0
VIEW_ZONE = (20.0, 68.0, 400.0, 279.0)  # on paper: above the title block and the notes
NOTES_AT = (20.0, 56.0)
DIMENSION_STEP = 10.0  # paper distance between dimension rows
VIEW_GAP = 12.0        # paper distance between the two views' dimension margins
LABEL_ROOM = 10.0      # paper room above a view for its name

# Pipe threads (name, outside diameter, bore) and flanges (name, bore, outside diameter, bolt circle,
# bolts, bolt hole), smallest first.
THREADS = [("G 3/8", 16.7, 10.0), ("G 1/2", 21.0, 14.0), ("G 3/4", 26.4, 19.0), ("G 1", 33.2, 25.0),
           ("G 1 1/4", 41.9, 32.0), ("G 1 1/2", 47.8, 38.0), ("G 2", 59.6, 50.0)]
FLANGES = [("DN 65", 65.0, 185.0, 145.0, 4, 18.0), ("DN 80", 80.0, 200.0, 160.0, 8, 18.0),
           ("DN 100", 100.0, 220.0, 180.0, 8, 18.0), ("DN 125", 125.0, 250.0, 210.0, 8, 18.0)]

AIR_FANS = (200, 250, 300, 350, 400, 450, 500, 560, 630, 710, 800)
MOBILE_FANS = (170, 190, 225, 255, 280, 305, 350, 385)
SHELLS = (60.3, 76.1, 88.9, 114.3, 139.7, 168.3, 219.1, 273.0, 323.9)
MOTOR_WORDS = {1: "3-PHASE AC FAN MOTOR", 2: "SINGLE-PHASE AC FAN MOTOR", 3: "24 V DC FAN MOTOR",
               4: "HYDRAULIC FAN MOTOR", 5: "EXPLOSION-PROOF AC FAN MOTOR"}
SERIES_NAMES = {2: "WP", 3: "WPM", 4: "SX"}


def nearest(values, target):
    return min(values, key=lambda v: abs(v - target))


def round_to(value, step):
    return step * round(value / step)


def polar(r, degrees, centre=(0.0, 0.0)):
    a = math.radians(degrees)
    return (centre[0] + r * math.cos(a), centre[1] + r * math.sin(a))


def number(value):
    return f"{value:.0f}" if abs(value - round(value)) < 1e-9 else f"{value:g}"


def connection(flow_l_min, velocity, pressure_class=16):
    """The smallest thread (or flange above the threads) whose bore carries the flow at the velocity."""
    bore = math.sqrt(4 * flow_l_min / 60000 / (math.pi * velocity)) * 1000
    for name, od, thread_bore in THREADS:
        if thread_bore >= 0.9 * bore:
            return {"name": name, "label": f"{name} (BSP)", "od": od, "bore": thread_bore, "flange": None}
    for name, flange_bore, od, pcd, bolts, hole in FLANGES:
        if flange_bore >= 0.9 * bore or name == FLANGES[-1][0]:
            return {"name": name, "label": f"FLANGE {name} PN {pressure_class}", "od": flange_bore + 12,
                    "bore": flange_bore, "flange": (od, pcd, bolts, hole)}


# --- shapes ------------------------------------------------------------------------------------

def rectangle(layer, x0, y0, x1, y1, r=0.0, **style):
    """A closed rectangle, its corners rounded with radius r by quarter-circle bulges."""
    x0, x1 = min(x0, x1), max(x0, x1)
    y0, y1 = min(y0, y1), max(y0, y1)
    if r <= 0:
        return Polyline(layer, [(x0, y0), (x1, y0), (x1, y1), (x0, y1)], closed=True, **style)
    b = BULGE_QUARTER
    return Polyline(layer, [(x0 + r, y0, 0), (x1 - r, y0, b), (x1, y0 + r, 0), (x1, y1 - r, b), (x1 - r, y1, 0),
                            (x0 + r, y1, b), (x0, y1 - r, 0), (x0, y0 + r, b)], closed=True, **style)


def slot(layer, cx, cy, width, length, vertical=True):
    """An obround slot: two straight sides joined by half circles."""
    h, w = (length - width) / 2, width / 2
    if vertical:
        return Polyline(layer, [(cx + w, cy - h, 0), (cx + w, cy + h, BULGE_HALF), (cx - w, cy + h, 0),
                                (cx - w, cy - h, BULGE_HALF)], closed=True)
    return Polyline(layer, [(cx - h, cy - w, 0), (cx + h, cy - w, BULGE_HALF), (cx + h, cy + w, 0),
                            (cx - h, cy + w, BULGE_HALF)], closed=True)


def hexagon(layer, centre, across_flats):
    r = across_flats / math.sqrt(3)
    return Polyline(layer, [polar(r, 30 + 60 * i, centre) for i in range(6)], closed=True)


def centre_cross(centre, half):
    x, y = centre
    return [Line("CENTER", (x - half, y), (x + half, y)), Line("CENTER", (x, y - half), (x, y + half))]


def mirrored(entities, axis_x):
    """The entities mirrored about the vertical line x = axis_x (bulges change sign)."""
    out = []
    for e in entities:
        if isinstance(e, Line):
            out.append(Line(e.layer, (2 * axis_x - e.a[0], e.a[1]), (2 * axis_x - e.b[0], e.b[1]),
                            linetype=e.linetype, colour=e.colour))
        elif isinstance(e, Polyline):
            out.append(Polyline(e.layer, [(2 * axis_x - x, y, -b) for x, y, b in e.vertices], e.closed, e.width,
                                linetype=e.linetype, colour=e.colour))
        elif isinstance(e, Circle):
            start = None if e.start is None else 180 - e.end
            end = None if e.start is None else 180 - e.start
            out.append(Circle(e.layer, (2 * axis_x - e.centre[0], e.centre[1]), e.radius, start, end,
                              linetype=e.linetype, colour=e.colour))
        else:
            raise TypeError(type(e))
    return out


def hole_through(x, y0, y1, diameter):
    """A drilled hole seen from the side: its two walls hidden and its axis."""
    r = diameter / 2
    reach = 0.25 * diameter + 2
    return [Line("MOUNTING", (x - r, y0), (x - r, y1), linetype="DASHED"),
            Line("MOUNTING", (x + r, y0), (x + r, y1), linetype="DASHED"),
            Line("CENTER", (x, y0 - reach), (x, y1 + reach))]


def port_stub(x, y, port, direction, length):
    """A connection seen from the side, leaving (x, y) along `direction` (a unit axis vector): a hex
    and thread, or a pipe and flange, the bore hidden, the axis."""
    def span(a, b):
        return (x + direction[0] * a, y + direction[1] * a), (x + direction[0] * b, y + direction[1] * b)
    out = []

    def block(a, b, half):
        (ax, ay), (bx, by) = span(a, b)
        if direction[0]:
            out.append(rectangle("CONNECTIONS", ax, y - half, bx, y + half))
        else:
            out.append(rectangle("CONNECTIONS", x - half, ay, x + half, by))

    if port["flange"]:
        flange_od = port["flange"][0]
        block(0, length - 18, port["od"] / 2)
        block(length - 18, length, flange_od / 2)
    else:
        block(0, 0.45 * length, 0.75 * port["od"])
        block(0.45 * length, length, port["od"] / 2)
    r = port["bore"] / 2
    for side in (-r, r):
        (ax, ay), (bx, by) = span(0, length)
        if direction[0]:
            out.append(Line("CONNECTIONS", (ax, y + side), (bx, y + side), linetype="DASHED"))
        else:
            out.append(Line("CONNECTIONS", (x + side, ay), (x + side, by), linetype="DASHED"))
    a, b = span(-4, length + 6)
    out.append(Line("CENTER", a, b))
    return out


def port_end_on(centre, port):
    """A connection seen along its axis: hex (or flange with bolt holes), thread and bore."""
    out = []
    if port["flange"]:
        od, pcd, bolts, hole = port["flange"]
        out.append(Circle("CONNECTIONS", centre, od / 2))
        for i in range(bolts):
            out.append(Circle("CONNECTIONS", polar(pcd / 2, 45 / (bolts / 4) + 360 * i / bolts, centre), hole / 2))
        out.append(Circle("CENTER", centre, pcd / 2))
    else:
        # The thread as drawn end-on: its crest a full circle, its root three quarters of one.
        out.append(hexagon("CONNECTIONS", centre, 1.5 * port["od"]))
        out.append(Circle("CONNECTIONS", centre, port["od"] / 2))
        out.append(Circle("CONNECTIONS", centre, 0.44 * port["od"], 0, 270))
    out.append(Circle("CONNECTIONS", centre, port["bore"] / 2))
    out.extend(centre_cross(centre, 0.75 * port["od"] + 6))
    return out


def fan(centre, diameter, blades, hub):
    """Fan blades behind their guard, seen along the axis."""
    out = []
    tip = diameter / 2 - 3
    root_half = 0.55 * 180 / blades
    tip_half = 0.7 * 180 / blades
    sweep = 14
    for i in range(blades):
        a = 90 + 360 * i / blades
        p1, p2 = polar(hub, a - root_half, centre), polar(tip, a - tip_half + sweep, centre)
        p3, p4 = polar(tip, a + tip_half + sweep, centre), polar(hub, a + root_half, centre)
        out.append(Polyline("FAN", [p1 + (0.12,), p2 + (math.tan(math.radians(2 * tip_half) / 4),),
                                    p3 + (-0.12,), p4 + (-math.tan(math.radians(2 * root_half) / 4),)],
                            closed=True))
    out.append(Circle("FAN", centre, hub))
    guard = diameter / 2 + 6
    for share in (1.0, 0.75, 0.5):
        out.append(Circle("FAN", centre, guard * share))
    for i in range(4):
        out.append(Line("FAN", polar(hub + 4, 45 + 90 * i, centre), polar(guard, 45 + 90 * i, centre)))
    half = guard + 10
    out.append(Line("CENTER", (centre[0] - half, centre[1]), (centre[0] + half, centre[1])))
    out.append(Line("CENTER", (centre[0], centre[1] - half), (centre[0], centre[1] + half)))
    return out


# --- blocks ------------------------------------------------------------------------------------

def title_block():
    """The title block on paper, 180 x 50 mm, base at its lower left corner."""
    e = [Polyline("0", [(0, 0), (TITLE_W, 0), (TITLE_W, TITLE_H), (0, TITLE_H)], closed=True, width=0.5)]
    for y in (10, 20, 38):
        e.append(Line("0", (0, y), (TITLE_W, y)))
    for x, y0, y1 in ((45, 0, 10), (90, 0, 20), (135, 0, 10), (158, 0, 10), (120, 38, 50)):
        e.append(Line("0", (x, y0), (x, y1)))
    labels = [(2, 7.5, "SCALE"), (47, 7.5, "WEIGHT"), (92, 7.5, "UNITS"), (137, 7.5, "REV"), (160, 7.5, "SHEET"),
              (2, 17.5, "PART NO."), (92, 17.5, "DRAWING NO."), (2, 35.5, "TITLE"), (122, 47.5, "PROJECTION")]
    e.extend(Text("0", (x, y), 1.8, s) for x, y, s in labels)
    # The maker's mark, a Q of an open ring and its tail, before the name.
    e += [Circle("0", (8.5, 44), 4.0, -40, 250), Line("0", (10.5, 42), (13.5, 39))]
    e.append(Text("0", (16, 41.5), 6.0, "QUELLMAR", style="ROMANS"))
    e.append(Text("0", (66, 42.0), 2.5, "INDUSTRIAL OIL COOLERS"))
    e.append(Text("0", (94, 2.5), 3.0, "MM"))
    e.append(Text("0", (162, 2.5), 3.0, "1 OF 1"))
    # Third-angle projection: the cone's end view right of its side view.
    e.extend([Line("0", (128, 40), (128, 46)), Line("0", (128, 46), (140, 47.5)), Line("0", (140, 47.5), (140, 38.5)),
              Line("0", (140, 38.5), (128, 40)), Circle("0", (155, 43), 4.5), Circle("0", (155, 43), 3.0),
              Line("CENTER", (125, 43), (162, 43)), Line("CENTER", (155, 39.5), (155, 46.5))])
    e += [AttributeDefinition("MODEL", "Model", "MODEL", (90, 27.5), 5.0, CENTRE, "ROMANS"),
          AttributeDefinition("DESCRIPTION", "Description", "", (2, 22.0), 2.2),
          AttributeDefinition("PARTNO", "Part number", "", (2, 12.0), 3.5),
          AttributeDefinition("DWGNO", "Drawing number", "", (92, 12.0), 3.5),
          AttributeDefinition("SCALE", "Scale", "1:1", (2, 2.5), 3.0),
          AttributeDefinition("WEIGHT", "Weight", "", (47, 2.5), 3.0),
          AttributeDefinition("REV", "Revision", "A", (141, 2.5), 3.0),
          AttributeDefinition("LEAFLET", "Sales leaflet", "", (2, 45.0), 2.0, invisible=True)]
    return Block("QM_TITLE", e)


def flow_arrow_block():
    """An arrow 15 mm long on paper, pointing along +X from its tail at the base point."""
    return Block("QM_FLOW", [Line("0", (0, 0), (10, 0)), Solid("0", [(15, 0), (10, 1.6), (10, -1.6)])])


TITLE_BLOCK = title_block()
FLOW_ARROW = flow_arrow_block()


# --- models ------------------------------------------------------------------------------------

def load_models():
    db = sqlite3.connect(":memory:")
    for name in ("schema.sql", "codes.sql"):
        with open(os.path.join(DATA, name), encoding="utf-8") as f:
            db.executescript(f.read())
    for path in sorted(glob.glob(os.path.join(DATA, "models", "*.sql"))):
        with open(path, encoding="utf-8") as f:
            db.executescript(f.read())
    db.row_factory = sqlite3.Row
    return db.execute(
        "SELECT c.*, (SELECT max(CoolingCapacity) FROM CoolingCapacity k WHERE k.CoolerID = c.CoolerID) AS TopCapacity, "
        "(SELECT max(HTCorrectionWaterFlow) FROM HTCorrectionWaterFlow w WHERE w.CoolerID = c.CoolerID) AS TopWaterFlow "
        "FROM Coolers c ORDER BY c.CoolerID").fetchall()


class DimensionPlan:
    """One dimension, in a view's own coordinates: kind "h" (horizontal) or "v" (vertical), the two
    points measured, the side of the view its line stands on, its row from the view's edge (0: the
    line at `inside`, within the view), and a prefix such as %%c."""

    def __init__(self, kind, p1, p2, side, row, prefix="", inside=None):
        self.kind, self.p1, self.p2, self.side, self.row, self.prefix, self.inside = kind, p1, p2, side, row, prefix, inside


class View:
    def __init__(self, name, entities, dimensions, labels=()):
        self.name, self.entities, self.dimensions, self.labels = name, entities, dimensions, list(labels)
        self.box = Box()
        for e in entities + self.labels:
            e.extend(self.box)

    def margin(self, side):
        rows = [d.row for d in self.dimensions if d.side == side and d.inside is None]
        room = DIMENSION_STEP * max(rows) + 6 if rows else 4.0
        return room + (LABEL_ROOM if side == "above" else 0)


def layout(front, side, k):
    """The paper width of the two views with their margins, and their model top and bottom; None
    when they do not fit the sheet at 1:k."""
    width = (front.box.width + side.box.width) / k + front.margin("left") + front.margin("right") + \
        side.margin("left") + side.margin("right") + VIEW_GAP
    top = max(front.box.y1 + front.margin("above") * k, side.box.y1 + side.margin("above") * k)
    bottom = min(front.box.y0 - front.margin("below") * k, side.box.y0 - side.margin("below") * k)
    if width <= VIEW_ZONE[2] - VIEW_ZONE[0] and (top - bottom) / k <= VIEW_ZONE[3] - VIEW_ZONE[1]:
        return width, top, bottom
    return None


def sheet(model, layers, make_views, notes):
    """The drawing at the first standard scale at which the views (made for that scale) fit."""
    for k in SCALES:
        front, side = make_views(k)
        fit = layout(front, side, k)
        if fit:
            break
    else:
        raise ValueError(f"{model['Name']}: the views do not fit the sheet at 1:{SCALES[-1]}")
    width, top, bottom = fit
    drawing = Drawing(layers, k)
    drawing.blocks = [TITLE_BLOCK, FLOW_ARROW]
    style = DimensionStyle(k)
    zone_x0, zone_y0, zone_x1, zone_y1 = (v * k for v in VIEW_ZONE)
    left = zone_x0 + ((zone_x1 - zone_x0) - width * k) / 2
    dy = zone_y0 + ((zone_y1 - zone_y0) - (top - bottom)) / 2 - bottom
    dx_front = left + front.margin("left") * k - front.box.x0
    dx_side = dx_front + front.box.x1 + (front.margin("right") + VIEW_GAP + side.margin("left")) * k - side.box.x0

    # The sheet: its trimmed edge and the drawing frame.
    w, h, m = SHEET_W * k, SHEET_H * k, MARGIN * k
    drawing.add(*(Line("BORDER", a, b) for a, b in (((0, 0), (w, 0)), ((w, 0), (w, h)), ((w, h), (0, h)),
                                                    ((0, h), (0, 0)))))
    drawing.add(Polyline("BORDER", [(m, m), (w - m, m), (w - m, h - m), (m, h - m)], closed=True, width=0.7 * k))

    label_y = max(view.box.y1 + (view.margin("above") - LABEL_ROOM + 4) * k for view in (front, side))
    for view, dx in ((front, dx_front), (side, dx_side)):
        drawing.add(*(e.moved(dx, dy) for e in view.entities))
        for plan in view.dimensions:
            drawing.add(place_dimension(plan, view, k, style).moved(dx, dy))
        drawing.add(Text("NOTES", ((view.box.x0 + view.box.x1) / 2 + dx, label_y + dy), 5 * k, view.name, CENTRE,
                         style="ROMANS"))
        drawing.add(*(label.moved(dx, dy) for label in view.labels))

    x, y = NOTES_AT
    drawing.add(Text("NOTES", (x * k, y * k), 3.5 * k, "NOTES", style="ROMANS"))
    for i, note in enumerate(notes):
        drawing.add(Text("NOTES", ((x + 2) * k, (y - 7 - 6.5 * i) * k), 3.0 * k, f"{i + 1}. {note}"))

    drawing.add(Insert("TITLE", TITLE_BLOCK, ((SHEET_W - MARGIN - TITLE_W) * k, MARGIN * k), k, values={
        "MODEL": model["Name"], "DESCRIPTION": model["Description"].upper(), "PARTNO": model["PartNumber"],
        "DWGNO": "QD-" + model["PartNumber"], "SCALE": f"1:{k}", "WEIGHT": f"{model['Weight']:.1f} KG",
        "LEAFLET": model["SalesLeaflet"]}))
    return drawing


def place_dimension(plan, view, k, style):
    if plan.inside is not None:
        position = plan.inside
    else:
        step = DIMENSION_STEP * plan.row * k
        position = {"below": view.box.y0 - step, "above": view.box.y1 + step,
                    "left": view.box.x0 - step, "right": view.box.x1 + step}[plan.side]
    return Dimension("DIMENSIONS", plan.p1, plan.p2, position, 0 if plan.kind == "h" else 90, style, plan.prefix,
                     extension_lines=plan.inside is None)


ARROW_SCALE = 0.7  # of the drawing scale: the arrows are 10.5 mm long on paper
ARROW_LENGTH = 15 * ARROW_SCALE


def arrow(at, rotation, k, layer="NOTES"):
    return Insert(layer, FLOW_ARROW, at, ARROW_SCALE * k, rotation)


def flow(end, direction, k, inward, label, align=LEFT):
    """The arrow of a flow into or out of a connection whose end is at `end`, pointing along
    `direction` (a unit axis vector) away from the connection, and its label beside it."""
    dx, dy = direction
    start = 2 * k + (ARROW_LENGTH * k if inward else 0)
    tail = (end[0] + dx * start, end[1] + dy * start)
    rotation = math.degrees(math.atan2(-dy, -dx) if inward else math.atan2(dy, dx)) % 360
    middle = 2 * k + ARROW_LENGTH * k / 2
    mx, my = end[0] + dx * middle, end[1] + dy * middle
    if dy:
        side = -1 if align == RIGHT else 1
        text = Text("NOTES", (mx + side * 2.5 * k, my - 1.25 * k), 2.5 * k, label, align)
    else:
        text = Text("NOTES", (mx, my + 2.5 * k), 2.5 * k, label, CENTRE)
    return arrow(tail, rotation, k, "CONNECTIONS"), text


# --- air-cooled and mobile coolers ---------------------------------------------------------------

class FanCooler:
    """The parts shared by the air-cooled and the mobile coolers: a cooling core between two header
    tanks, a fan in a shroud behind a guard, a motor behind the fan."""

    def drawing(self):
        return sheet(self.m, COMMON_LAYERS + FAN_LAYERS, lambda k: (self.front(k), self.side(k)), self.notes())

    def fan_side(self):
        """The frame with rounded corners, the fan's inlet ring, the core behind the shroud, the fan."""
        W, H = self.W, self.H
        return [rectangle("OUTLINE", 0, 0, W, H, self.r), Circle("OUTLINE", (W / 2, H / 2), self.fan / 2 + 12),
                rectangle("HIDDEN", self.hw, self.rail, W - self.hw, H - self.rail)] + \
            fan((W / 2, H / 2), self.fan, self.blades, round(0.16 * self.fan))

    def core_and_fan_side(self, k):
        """The core, shroud, guard, hidden blades and motor seen from the side, and the air arrows."""
        H, tc, ts, g = self.H, self.tc, self.ts, self.guard
        axis = H / 2
        e = [rectangle("OUTLINE", 0, 0, tc, H, 5),
             rectangle("OUTLINE", tc, 8, tc + ts, H - 8),
             rectangle("FAN", tc + ts, axis - self.fan / 2 - 6, tc + ts + g, axis + self.fan / 2 + 6),
             rectangle("HIDDEN", tc + 0.35 * ts, axis - self.fan / 2 + 3, tc + 0.65 * ts, axis + self.fan / 2 - 3)]
        e += self.motor_side(tc + ts + g, axis, self.dm, self.lm, self.motor)
        tail = -(4 + ARROW_LENGTH) * k
        e += [arrow((tail, 0.7 * H), 0, k), arrow((tail, 0.3 * H), 0, k)]
        labels = [Text("NOTES", (tail + ARROW_LENGTH * k / 2, 0.7 * H + 2 * k), 2.5 * k, "AIR", CENTRE)]
        return e, labels

    def motor_side(self, x, y, dm, lm, motor):
        """The motor seen from the side, its mounting face at x, its axis at y."""
        out = [rectangle("MOTOR", x, y - 0.6 * dm, x + 8, y + 0.6 * dm),
               rectangle("MOTOR", x + 8, y - dm / 2, x + lm, y + dm / 2, 0.1 * dm)]
        fins = 4 if motor == 5 else 2
        for i in range(fins):
            fy = y - dm / 2 + dm * (i + 1) / (fins + 1)
            out.append(Line("MOTOR", (x + 0.18 * lm, fy), (x + 0.8 * lm, fy)))
        out.append(Line("MOTOR", (x + 0.86 * lm, y - dm / 2 + 0.05 * dm), (x + 0.86 * lm, y + dm / 2 - 0.05 * dm)))
        top = y + dm / 2
        if motor in (1, 2, 5):
            box_w, box_h = (0.55 if motor == 5 else 0.45) * dm, (0.4 if motor == 5 else 0.3) * dm
            bx = x + 0.3 * lm
            out.append(rectangle("MOTOR", bx, top, bx + box_w, top + box_h, 0.08 * box_h))
            out.append(rectangle("MOTOR", bx + box_w, top + 0.3 * box_h, bx + box_w + 12, top + 0.7 * box_h))
            if motor == 5:
                out.append(Text("MOTOR", (bx + box_w / 2, top + box_h / 2), 0.3 * box_h, "EX", MIDDLE))
            if motor == 2:
                cap_l, cap_h = 0.3 * lm, 0.22 * dm
                cx = bx + box_w + 20
                out.append(Polyline("MOTOR", [(cx, top, 0), (cx + cap_l, top, 0),
                                              (cx + cap_l, top + cap_h, 0), (cx, top + cap_h, 0)], closed=True))
        elif motor == 4:
            for px in (x + 0.35 * lm, x + 0.65 * lm):
                out.extend(port_stub(px, top, HYDRAULIC_PORT, (0, 1), 22))
        else:
            out.append(Line("MOTOR", (x + lm, y), (x + lm + 25, y)))
            out.append(rectangle("MOTOR", x + lm + 25, y - 5, x + lm + 40, y + 5, 2))
        out.append(Line("CENTER", (x - 10, y), (x + lm + 10, y)))
        return out


HYDRAULIC_PORT = {"name": "G 1/2", "label": "G 1/2 (BSP)", "od": 21.0, "bore": 14.0, "flange": None}


class AirCooler(FanCooler):
    def __init__(self, m):
        self.m = m
        c = m["TopCapacity"]
        self.capacity = c
        self.motor = m["MotorType"]
        self.fan = nearest(AIR_FANS, 380 * c ** 0.28)
        self.blades = 5 if self.fan < 400 else 6 if self.fan < 630 else 7
        core_h = round_to(self.fan + 80, 10)
        core_w = core_h if m["ProductRange"] == 1 else round_to(core_h * 1.2, 10)
        self.hw = 40 if self.fan <= 350 else 55 if self.fan <= 560 else 70
        self.rail = 25 if self.fan <= 450 else 35
        self.W, self.H = core_w + 2 * self.hw, core_h + 2 * self.rail
        self.r = round(10 + self.fan / 50)
        self.tc = round_to(55 + 25 * math.sqrt(c), 5)
        self.ts = round_to(50 + 0.12 * self.fan, 5)
        self.guard = 15
        self.foot_h, self.foot_t = (40, 6) if self.fan <= 450 else (55, 8)
        self.foot_w = self.hw + 10
        self.hole = 11 if self.W < 600 else 14 if self.W < 1000 else 18
        self.e = round(2.4 * self.hole / 2) * 2
        self.port = connection(m["MaxOilFlow"], 3.0)
        self.stub = 28
        self.y_in = self.H - self.rail - round_to(0.12 * core_h, 5)
        self.y_out = self.rail + round_to(0.12 * core_h, 5)
        base = 110 + 0.12 * self.fan
        self.dm, self.lm = {1: (base, 1.4 * base), 2: (base, 1.4 * base), 3: (0.42 * self.fan, 50),
                            4: (90 + 0.05 * self.fan, 100 + 0.06 * self.fan), 5: (1.15 * base, 1.7 * base)}[self.motor]
        self.dm, self.lm = round_to(self.dm, 5), round_to(self.lm, 5)

    def front(self, k):
        W, H = self.W, self.H
        e = self.fan_side()
        for y in (self.y_in, self.y_out):
            e += port_stub(W, y, self.port, (1, 0), self.stub)
        e += self.feet_front()
        end = W + self.stub
        arrows = [flow((end, self.y_in), (1, 0), k, True, "OIL IN"), flow((end, self.y_out), (1, 0), k, False, "OIL OUT")]
        e += [a for a, _ in arrows]
        labels = [t for _, t in arrows]
        fh = self.foot_h
        dims = [DimensionPlan("h", (-self.e, -fh), (W + self.e, -fh), "below", 2),
                DimensionPlan("h", (-self.e / 2, -fh), (W + self.e / 2, -fh), "below", 1),
                DimensionPlan("v", (-self.e, -fh), (0, H), "left", 1)]
        return View("FRONT VIEW", e, dims, labels)

    def feet_front(self):
        fh, t, fw, e = self.foot_h, self.foot_t, self.foot_w, self.e
        foot = [Polyline("MOUNTING", [(10, 0), (fw - 10, 0), (fw - 10, -fh + t), (fw, -fh + t), (fw, -fh),
                                      (-e, -fh), (-e, -fh + t), (10, -fh + t)], closed=True)]
        foot += hole_through(-e / 2, -fh, -fh + t, self.hole)
        return foot + mirrored(foot, self.W / 2)

    def side(self, k):
        H, tc, ts, g = self.H, self.tc, self.ts, self.guard
        axis = H / 2
        e, labels = self.core_and_fan_side(k)
        for y in (self.y_in, self.y_out):
            e += port_end_on((tc / 2, y), self.port)
        length = tc + ts + 16
        fh, t = self.foot_h, self.foot_t
        e += [rectangle("MOUNTING", -8, -fh, length - 8, 0), Line("MOUNTING", (-8, -fh + t), (length - 8, -fh + t))]
        holes = (-8 + round_to(0.2 * length, 5), -8 + round_to(0.8 * length, 5))
        for x in holes:
            e += hole_through(x, -fh, -fh + t, self.hole)
        end = tc + ts + g + self.lm
        dims = [DimensionPlan("h", (holes[0], -fh), (holes[1], -fh), "below", 1),
                DimensionPlan("h", (-8, -fh), (end, axis - self.dm / 2), "below", 2),
                DimensionPlan("v", (tc / 2, self.y_out), (tc / 2, self.y_in), "left", 1)]
        return View("SIDE VIEW", e, dims, labels)

    def notes(self):
        pitch = 25 + 5 * (self.blades - 5)
        return ["ALL DIMENSIONS IN MM. GENERAL TOLERANCES %%p2 MM",
                f"FAN %%c{self.fan} MM, {self.blades} BLADES, PITCH {pitch}%%d, {MOTOR_WORDS[self.motor]}",
                f"OIL CONNECTIONS {self.port['label']}, MAX. OIL FLOW {number(self.m['MaxOilFlow'])} L/MIN",
                f"MOUNTING HOLES 4 X %%c{self.hole}",
                *(["HYDRAULIC MOTOR PORTS A AND B G 1/2 (BSP)"] if self.motor == 4 else [])]



class MobileCooler(FanCooler):
    """A compact cooler for vehicles: a DC fan, both connections on top, side tabs with slots."""

    def __init__(self, m):
        self.m = m
        c = m["TopCapacity"] / 30  # mobile curves are stored at 30 units per kW/C
        self.motor = 3
        self.fan = nearest(MOBILE_FANS, 300 * c ** 0.3)
        self.blades = 5 if self.fan < 250 else 7
        core_w, core_h = round_to(self.fan + 70, 10), round_to(self.fan + 40, 10)
        self.hw, self.rail, self.r = 30, 20, 8
        self.W, self.H = core_w + 2 * self.hw, core_h + 2 * self.rail
        self.tc = round_to(35 + 20 * math.sqrt(c), 5)
        self.ts = round_to(25 + 0.1 * self.fan, 5)
        self.guard = 10
        self.dm, self.lm = round_to(0.38 * self.fan, 5), 40
        self.slot_w = 9 if self.W < 400 else 11
        self.slot_l = round(2.4 * self.slot_w)
        self.tab_w = round(2.6 * self.slot_w + 6)
        self.tab = (round_to(0.25 * self.H, 5), round_to(0.75 * self.H, 5))
        inset = round_to(0.25 * (self.tab[1] - self.tab[0]), 5)
        self.slots = (self.tab[0] + inset, self.tab[1] - inset)
        self.port = connection(m["MaxOilFlow"], 3.0)
        self.stub = 26

    def tab_front(self):
        """The left tab with its two slots; the right one is its mirror image."""
        y0, y1 = self.tab
        w, rb = self.tab_w, 6
        b = BULGE_QUARTER
        tab = [Polyline("MOUNTING", [(0, y0, 0), (0, y1, 0), (-w + rb, y1, b), (-w, y1 - rb, 0), (-w, y0 + rb, b),
                                     (-w + rb, y0, 0)], closed=True)]
        for y in self.slots:
            tab.append(slot("MOUNTING", -w / 2, y, self.slot_w, self.slot_l))
            tab += centre_cross((-w / 2, y), self.slot_l / 2 + 3)
        return tab

    def front(self, k):
        W, H, stub = self.W, self.H, self.stub
        e = self.fan_side()
        tab = self.tab_front()
        e += tab + mirrored([t for t in tab if not isinstance(t, Polyline) or t.closed], W / 2)
        ports = (self.hw / 2, W - self.hw / 2)
        for x in ports:
            e += port_stub(x, H, self.port, (0, 1), stub)
        top = H + stub
        arrows = [flow((ports[0], top), (0, 1), k, True, "OIL IN"),
                  flow((ports[1], top), (0, 1), k, False, "OIL OUT", RIGHT)]
        e += [a for a, _ in arrows]
        labels = [t for _, t in arrows]
        w, y0 = self.tab_w, self.tab[0]
        dims = [DimensionPlan("h", (-w, y0), (W + w, y0), "below", 2),
                DimensionPlan("h", (-w / 2, self.slots[0]), (W + w / 2, self.slots[0]), "below", 1),
                DimensionPlan("v", (0, 0), (0, H), "left", 2),
                DimensionPlan("v", (-w / 2, self.slots[0]), (-w / 2, self.slots[1]), "left", 1),
                DimensionPlan("h", (ports[0], top), (ports[1], top), "above", 1)]
        return View("FRONT VIEW", e, dims, labels)

    def side(self, k):
        H, tc = self.H, self.tc
        e, labels = self.core_and_fan_side(k)
        e += port_stub(tc / 2, H, self.port, (0, 1), self.stub)
        e.append(rectangle("MOUNTING", -4, self.tab[0], 0, self.tab[1]))
        for y in self.slots:
            e.append(Line("CENTER", (-8, y), (4, y)))
        end = tc + self.ts + self.guard + self.lm + 40
        dims = [DimensionPlan("h", (-4, self.tab[0]), (end, H / 2 - 5), "below", 1),
                DimensionPlan("v", (0, 0), (tc / 2, H + self.stub), "left", 1)]
        return View("SIDE VIEW", e, dims, labels)

    def notes(self):
        return ["ALL DIMENSIONS IN MM. GENERAL TOLERANCES %%p2 MM",
                f"FAN %%c{self.fan} MM, {self.blades} BLADES, 12 OR 24 V DC, 2-PIN CONNECTOR",
                f"OIL CONNECTIONS {self.port['label']}, MAX. OIL FLOW {number(self.m['MaxOilFlow'])} L/MIN",
                f"MOUNTING SLOTS 4 X {self.slot_w} X {number(self.slot_l)}"]


# --- water-cooled coolers ------------------------------------------------------------------------

class WaterCooler:
    """A shell-and-tube cooler: oil in the shell across the baffles, water through the tubes in two
    passes, a return bonnet on the left, the water channel with both water nozzles on the right."""

    def __init__(self, m):
        self.m = m
        c = m["TopCapacity"]
        self.series = m["Series"]
        index = SHELLS.index(nearest(SHELLS, 70 * c ** 0.33))
        if self.series == 4:
            index = max(0, index - 1)
        self.D = SHELLS[index]
        self.R = self.D / 2
        self.L = round_to(2.16e6 * c / self.D ** 2 * (1.1 if self.series == 3 else 1.0), 10)
        self.wall = 3.6 if self.D < 120 else 5.0 if self.series != 3 else 6.3
        pressure_class = 25 if m["ShellOilSidePressureRating"] > 16 else 16
        self.oil = connection(m["MaxOilFlow"], 2.5, pressure_class)
        self.water = connection(m["TopWaterFlow"], 2.5, 16)
        self.flange_w = round(0.15 * self.D + 8)
        self.flange_t = 16 if self.series == 3 else 12
        self.Df = self.D + 2 * self.flange_w
        self.bonnet = round(0.35 * self.D + 20)
        self.channel = round(0.5 * self.D + 30 + max(self.water["od"], self.water["flange"][0] if self.water["flange"] else 0))
        self.cover = round(0.08 * self.D + 10)
        # Nozzles from 2 mm inside the shell to a round height above the axis.
        self.nozzle = round_to(self.R + 30 + 0.15 * self.D + (18 if self.oil["flange"] else 0), 5) - (self.R - 2)
        self.water_nozzle = round_to(self.R + 30 + 0.15 * self.D + (18 if self.water["flange"] else 0), 5) - (self.R - 2)
        self.hole = 11 if self.D < 90 else 14 if self.D < 150 else 18
        self.saddle_h = round_to(self.R + 0.4 * self.D + 20, 5) - self.R  # the axis at a round height
        self.base_t = 10
        self.base_w = round_to(40 + 0.35 * self.D, 2)
        self.saddles = (round_to(0.2 * self.L, 5), round_to(0.8 * self.L, 5))
        self.hole_off = round(self.base_w / 2 - 1.3 * self.hole)
        self.tube = 8 if self.D < 80 else 10 if self.D < 120 else 12 if self.D < 170 else 16
        self.pitch = 1.3 * self.tube
        self.tubes = self.tube_layout()
        self.bolts = 4 if self.D < 90 else 8 if self.D < 180 else 12

    def tube_layout(self):
        """Tube centres on a triangular pitch inside the shell, clear of the pass partition."""
        limit = self.R - self.wall - 0.6 * self.tube - 2
        rows = int(limit / (self.pitch * math.sqrt(3) / 2))
        out = []
        for row in range(-rows, rows + 1):
            y = row * self.pitch * math.sqrt(3) / 2
            if abs(y) < 0.5 * self.pitch:
                continue
            shift = self.pitch / 2 if row % 2 else 0.0
            n = int(limit / self.pitch) + 1
            for i in range(-n, n + 1):
                x = i * self.pitch + shift
                if math.hypot(x, y) <= limit:
                    out.append((x, y))
        return out

    def elevation(self, k):
        R, L, D = self.R, self.L, self.D
        ft, fw = self.flange_t, self.flange_w
        e = [Line("OUTLINE", (0, R), (L, R)), Line("OUTLINE", (0, -R), (L, -R)),
             Line("HIDDEN", (0, R - self.wall), (L, R - self.wall)), Line("HIDDEN", (0, -R + self.wall), (L, -R + self.wall))]
        # The return bonnet: its flange and a domed (or, for the SX series, a flat) end.
        rb = 0.95 * R
        e.append(rectangle("OUTLINE", -ft, -R - fw, 0, R + fw))
        if self.series == 4:
            e.append(rectangle("OUTLINE", -ft - self.cover, -R - fw, -ft, R + fw))
        else:
            if self.series == 3:
                e.append(rectangle("OUTLINE", -2 * ft, -R - fw, -ft, R + fw))
            x = -ft * (2 if self.series == 3 else 1)
            e.append(Polyline("OUTLINE", [(x, -rb, 0), (x - self.bonnet, -rb, -0.35), (x - self.bonnet, rb, 0),
                                          (x, rb, 0)], closed=True))
        # The channel: flanges, barrel, flat cover.
        x = L
        e.append(rectangle("OUTLINE", x, -R - fw, x + ft, R + fw))
        x += ft
        e.append(Polyline("OUTLINE", [(x, -R), (x + self.channel, -R), (x + self.channel, R), (x, R)]))
        x += self.channel
        e.append(rectangle("OUTLINE", x, -R - fw, x + ft, R + fw))
        e.append(rectangle("OUTLINE", x + ft, -R - fw, x + ft + self.cover, R + fw, 3))
        self.right = x + ft + self.cover
        self.left = -ft * (2 if self.series == 3 else 1) - (self.cover if self.series == 4 else self.bonnet)
        e.append(Line("CENTER", (self.left - 10, 0), (self.right + 10, 0)))
        # Bundle: tube sheets, baffles cut alternately at top and bottom, a few tubes, the pass partition.
        hidden = {"linetype": "DASHED"}
        for x0 in (0, L - 12):
            e.append(rectangle("BUNDLE", x0, -R + self.wall, x0 + 12, R - self.wall, **hidden))
        baffles = max(2, min(9, round(L / (0.8 * D))))
        for i in range(baffles):
            bx = 12 + (L - 24) * (i + 1) / (baffles + 1)
            cut = 0.25 * D
            ends = (-R + self.wall, R - self.wall - cut) if i % 2 else (-R + self.wall + cut, R - self.wall)
            e.append(Line("BUNDLE", (bx, ends[0]), (bx, ends[1]), **hidden))
        for y in (-0.3 * D, 0.3 * D):
            e.append(Line("BUNDLE", (12, y), (L - 12, y), **hidden))
        e.append(Line("BUNDLE", (L - 12, 0), (L + ft + self.channel, 0), **hidden))
        # Nozzles: oil in and out on the shell, water out on top of the channel and in below it.
        self.oil_x = (round_to(0.12 * L + 0.6 * self.oil["od"], 5), round_to(0.88 * L - 0.6 * self.oil["od"], 5))
        water_x = L + ft + self.channel / 2
        for x in self.oil_x:
            e += port_stub(x, R - 2, self.oil, (0, 1), self.nozzle)
        e += port_stub(water_x, R - 2, self.water, (0, 1), self.water_nozzle)
        e += port_stub(water_x, -R + 2, self.water, (0, -1), self.water_nozzle)
        top = R - 2 + max(self.nozzle, self.water_nozzle)
        bottom_nozzle = -R + 2 - self.water_nozzle
        arrows = [flow((self.oil_x[0], top), (0, 1), k, True, "OIL IN"),
                  flow((self.oil_x[1], top), (0, 1), k, False, "OIL OUT", RIGHT),
                  flow((water_x, top), (0, 1), k, False, "WATER OUT"),
                  flow((water_x, bottom_nozzle), (0, -1), k, True, "WATER IN")]
        e += [a for a, _ in arrows]
        labels = [t for _, t in arrows]
        # Saddles: a web on a base plate, the holes outboard.
        yb = -R - self.saddle_h
        y_top = -math.sqrt(R ** 2 - (0.42 * D) ** 2)
        holes = []
        for sx, side in zip(self.saddles, (-1, 1)):
            bw = self.base_w / 2
            e.append(Polyline("MOUNTING", [(sx - bw, yb), (sx + bw, yb), (sx + bw, yb + self.base_t),
                                           (sx + 6, yb + self.base_t), (sx + 6, y_top), (sx - 6, y_top),
                                           (sx - 6, yb + self.base_t), (sx - bw, yb + self.base_t)], closed=True))
            hx = sx + side * self.hole_off
            holes.append(hx)
            e += hole_through(hx, yb, yb + self.base_t, self.hole)
        shell_x = 0.5 * (self.saddles[0] + self.saddles[1]) - 0.06 * L
        dims = [DimensionPlan("h", (self.left, 0), (self.right, -R - fw), "below", 2),
                DimensionPlan("h", (holes[0], yb), (holes[1], yb), "below", 1),
                DimensionPlan("h", (self.oil_x[0], R - 2 + self.nozzle), (self.oil_x[1], R - 2 + self.nozzle), "above", 1),
                DimensionPlan("v", (self.left, yb), (self.left, top), "left", 1),
                DimensionPlan("v", (shell_x, -R), (shell_x, R), "inside", 0, "%%c", inside=shell_x)]
        return View("ELEVATION", e, dims, labels)

    def end_view(self, k):
        R, D = self.R, self.D
        e = [Circle("OUTLINE", (0, 0), R + self.flange_w), Circle("OUTLINE", (0, 0), R - self.wall)]
        pcd = R + self.flange_w / 2
        e.append(Circle("CENTER", (0, 0), pcd))
        for i in range(self.bolts):
            e.append(Circle("OUTLINE", polar(pcd, 180 / self.bolts + 360 * i / self.bolts), 0.22 * self.flange_w))
        e.append(Line("BUNDLE", (-(R - self.wall), 0), (R - self.wall, 0)))
        for centre in self.tubes:
            e.append(Circle("BUNDLE", centre, self.tube / 2))
        e += [Line("CENTER", (-R - self.flange_w - 8, 0), (R + self.flange_w + 8, 0)),
              Line("CENTER", (0, -R - self.flange_w - 8), (0, R + self.flange_w + 8))]
        e += port_stub(0, R + self.flange_w - 2, self.water, (0, 1), self.water_nozzle - self.flange_w)
        e += port_stub(0, -R - self.flange_w + 2, self.water, (0, -1), self.water_nozzle - self.flange_w)
        # The saddle: its top follows the shell, its base plate carries two holes.
        a = 0.42 * D
        y_side = -math.sqrt(R ** 2 - a ** 2)
        half_angle = math.asin(a / R)
        yb = -R - self.saddle_h
        bw = round(a + 2.0 * self.hole)
        e.append(Polyline("MOUNTING", [(-bw, yb, 0), (bw, yb, 0), (bw, yb + self.base_t, 0), (a, yb + self.base_t, 0),
                                       (a, y_side, -math.tan(half_angle / 2)), (-a, y_side, 0),
                                       (-a, yb + self.base_t, 0), (-bw, yb + self.base_t, 0)], closed=True))
        hx = bw - round(1.2 * self.hole)
        for x in (-hx, hx):
            e += hole_through(x, yb, yb + self.base_t, self.hole)
        dims = [DimensionPlan("h", (-hx, yb), (hx, yb), "below", 1), DimensionPlan("h", (-bw, yb), (bw, yb), "below", 2),
                DimensionPlan("v", (R + self.flange_w, 0), (bw, yb), "right", 1)]
        return View("END VIEW, COVER REMOVED", e, dims)

    def notes(self):
        m = self.m
        return ["ALL DIMENSIONS IN MM. GENERAL TOLERANCES %%p2 MM",
                f"SHELL %%c{number(self.D)} X {number(self.L)}, {len(self.tubes)} TUBES %%c{self.tube}, WATER IN 2 PASSES",
                f"MAX. WORKING PRESSURE SHELL SIDE (OIL) {number(m['ShellOilSidePressureRating'])} BAR, "
                f"TUBE SIDE (WATER) {number(m['WaterSidePressureRating'])} BAR",
                f"OIL CONNECTIONS {self.oil['label']}, MAX. OIL FLOW {number(m['MaxOilFlow'])} L/MIN",
                f"WATER CONNECTIONS {self.water['label']}, MAX. WATER FLOW {number(m['TopWaterFlow'])} L/MIN",
                f"MOUNTING HOLES 4 X %%c{self.hole}"]

    def drawing(self):
        return sheet(self.m, COMMON_LAYERS + BUNDLE_LAYERS, lambda k: (self.elevation(k), self.end_view(k)),
                     self.notes())


FAMILIES = {1: AirCooler, 2: WaterCooler, 3: MobileCooler}


def main():
    written = set()
    for model in load_models():
        text = FAMILIES[model["CoolerType"]](model).drawing().text()
        name = model["Name"] + ".dxf"
        with open(os.path.join(HERE, name), "w", encoding="ascii", newline="") as f:
            f.write(text)
        written.add(name)
    for stale in set(os.listdir(HERE)) - written:
        if stale.endswith(".dxf"):
            os.remove(os.path.join(HERE, stale))


if __name__ == "__main__":
    main()
