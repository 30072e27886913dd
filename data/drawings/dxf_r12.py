"""A small writer of R12 (AC1009) ASCII DXF drawings: tables, blocks with attribute definitions,
inserts with attributes, linear dimensions with their anonymous blocks, and the plain entities.

Entities are kept as objects until the drawing is written, so a view can be drawn in its own
coordinates and moved into place afterwards. Lines end in CR LF, group codes stand right-aligned
in three places and integers in six, as R12 writes them.
"""
import math

BULGE_QUARTER = math.tan(math.pi / 8)  # a 90 degree arc
BULGE_HALF = 1.0                       # a 180 degree arc


def real(value):
    if abs(value) < 5e-7:
        return "0.0"
    text = f"{value:.6f}".rstrip("0")
    return text + "0" if text.endswith(".") else text


class Groups:
    """The group pairs of one section, written as text lines."""

    def __init__(self):
        self.lines = []

    def add(self, code, value):
        self.lines.append(f"{code:3d}")
        if isinstance(value, int) and 60 <= code <= 79:
            self.lines.append(f"{value:6d}")
        elif isinstance(value, (int, float)):
            self.lines.append(real(float(value)))
        else:
            self.lines.append(value)

    def pairs(self, pairs):
        for code, value in pairs:
            self.add(code, value)

    def point(self, base, p):
        """A 2D point written as R12 writes it, with its Z of 0."""
        self.add(base, p[0])
        self.add(base + 10, p[1])
        self.add(base + 20, 0.0)

    def text(self):
        return "\r\n".join(self.lines) + "\r\n"


class Box:
    """Bounding box of what has been added to it."""

    def __init__(self):
        self.x0 = self.y0 = math.inf
        self.x1 = self.y1 = -math.inf

    def add(self, x, y):
        self.x0, self.y0 = min(self.x0, x), min(self.y0, y)
        self.x1, self.y1 = max(self.x1, x), max(self.y1, y)

    def merge(self, other):
        if other.x0 <= other.x1:
            self.add(other.x0, other.y0)
            self.add(other.x1, other.y1)

    @property
    def width(self):
        return self.x1 - self.x0

    @property
    def height(self):
        return self.y1 - self.y0


# --- entities ----------------------------------------------------------------------------------

class Entity:
    def __init__(self, layer, linetype=None, colour=None):
        self.layer, self.linetype, self.colour = layer, linetype, colour

    def head(self, g, kind):
        g.add(0, kind)
        g.add(8, self.layer)
        if self.linetype:
            g.add(6, self.linetype)
        if self.colour is not None:
            g.add(62, self.colour)


class Line(Entity):
    def __init__(self, layer, a, b, **style):
        super().__init__(layer, **style)
        self.a, self.b = a, b

    def moved(self, dx, dy):
        return Line(self.layer, (self.a[0] + dx, self.a[1] + dy), (self.b[0] + dx, self.b[1] + dy),
                    linetype=self.linetype, colour=self.colour)

    def extend(self, box):
        box.add(*self.a)
        box.add(*self.b)

    def write(self, g):
        self.head(g, "LINE")
        g.point(10, self.a)
        g.point(11, self.b)


class Circle(Entity):
    """A circle, or an arc from `start` to `end` degrees counter-clockwise."""

    def __init__(self, layer, centre, radius, start=None, end=None, **style):
        super().__init__(layer, **style)
        self.centre, self.radius, self.start, self.end = centre, radius, start, end

    def moved(self, dx, dy):
        return Circle(self.layer, (self.centre[0] + dx, self.centre[1] + dy), self.radius, self.start, self.end,
                      linetype=self.linetype, colour=self.colour)

    def extend(self, box):
        x, y, r = self.centre[0], self.centre[1], self.radius
        box.add(x - r, y - r)
        box.add(x + r, y + r)

    def write(self, g):
        self.head(g, "CIRCLE" if self.start is None else "ARC")
        g.point(10, self.centre)
        g.add(40, self.radius)
        if self.start is not None:
            g.add(50, self.start % 360)
            g.add(51, self.end % 360)


# Horizontal alignments of group 72.
LEFT, CENTRE, RIGHT, MIDDLE = 0, 1, 2, 4
# Width of a character of the TXT and ROMANS fonts as a share of the text height (a generous mean).
CHARACTER_WIDTH = 0.9


class Text(Entity):
    def __init__(self, layer, at, height, value, align=LEFT, rotation=0.0, style="STANDARD", **entity_style):
        super().__init__(layer, **entity_style)
        assert ";" not in value and '"' not in value, value
        self.at, self.height, self.value = at, height, value
        self.align, self.rotation, self.style = align, rotation, style

    def moved(self, dx, dy):
        return Text(self.layer, (self.at[0] + dx, self.at[1] + dy), self.height, self.value, self.align,
                    self.rotation, self.style, linetype=self.linetype, colour=self.colour)

    def visible_length(self):
        # Each "%%" code stands for one character.
        return len(self.value) - 2 * self.value.count("%%")

    def start(self):
        """The left end of the baseline, which R12 stores beside the alignment point."""
        width = self.visible_length() * self.height * CHARACTER_WIDTH
        share = {LEFT: 0.0, CENTRE: 0.5, MIDDLE: 0.5, RIGHT: 1.0}[self.align]
        lift = -self.height / 2 if self.align == MIDDLE else 0.0
        a = math.radians(self.rotation)
        ux, uy, vx, vy = math.cos(a), math.sin(a), -math.sin(a), math.cos(a)
        return (self.at[0] - share * width * ux + lift * vx, self.at[1] - share * width * uy + lift * vy)

    def corners(self):
        x, y = self.start()
        width = self.visible_length() * self.height * CHARACTER_WIDTH
        a = math.radians(self.rotation)
        ux, uy, vx, vy = math.cos(a), math.sin(a), -math.sin(a), math.cos(a)
        return [(x + s * width * ux + t * self.height * vx, y + s * width * uy + t * self.height * vy)
                for s in (0, 1) for t in (0, 1)]

    def extend(self, box):
        for corner in self.corners():
            box.add(*corner)
        box.add(*self.at)

    def write(self, g, kind="TEXT", tail=None):
        self.head(g, kind)
        g.point(10, self.start() if self.align != LEFT else self.at)
        g.add(40, self.height)
        g.add(1, self.value)
        if tail:
            tail(g)
        if self.rotation:
            g.add(50, self.rotation)
        if self.style != "STANDARD":
            g.add(7, self.style)
        if self.align != LEFT:
            g.add(72, self.align)
            g.point(11, self.at)


class Polyline(Entity):
    """A 2D polyline of (x, y, bulge) vertices; the bulge belongs to the segment from its vertex to the next."""

    def __init__(self, layer, vertices, closed=False, width=0.0, **style):
        super().__init__(layer, **style)
        self.vertices, self.closed, self.width = [tuple(v) + (0.0,) * (3 - len(v)) for v in vertices], closed, width

    def moved(self, dx, dy):
        return Polyline(self.layer, [(x + dx, y + dy, b) for x, y, b in self.vertices], self.closed, self.width,
                        linetype=self.linetype, colour=self.colour)

    def extend(self, box):
        count = len(self.vertices)
        for i, (x, y, bulge) in enumerate(self.vertices):
            box.add(x, y)
            if bulge and (i + 1 < count or self.closed):
                nx, ny, _ = self.vertices[(i + 1) % count]
                # The arc's middle, off the chord by bulge x half the chord.
                mx, my = (x + nx) / 2, (y + ny) / 2
                box.add(mx + bulge * (ny - y) / 2, my - bulge * (nx - x) / 2)

    def write(self, g):
        self.head(g, "POLYLINE")
        g.add(66, 1)
        g.point(10, (0.0, 0.0))
        if self.closed:
            g.add(70, 1)
        if self.width:
            g.add(40, self.width)
            g.add(41, self.width)
        for x, y, bulge in self.vertices:
            g.add(0, "VERTEX")
            g.add(8, self.layer)
            g.point(10, (x, y))
            if bulge:
                g.add(42, bulge)
        g.add(0, "SEQEND")
        g.add(8, self.layer)


class Solid(Entity):
    """A filled triangle or quadrilateral; corners in outline order (written in the DXF's Z order)."""

    def __init__(self, layer, corners, **style):
        super().__init__(layer, **style)
        self.corners = list(corners) if len(corners) == 4 else list(corners) + [corners[-1]]

    def moved(self, dx, dy):
        return Solid(self.layer, [(x + dx, y + dy) for x, y in self.corners], linetype=self.linetype,
                     colour=self.colour)

    def extend(self, box):
        for corner in self.corners:
            box.add(*corner)

    def write(self, g):
        self.head(g, "SOLID")
        a, b, c, d = self.corners
        for base, p in zip((10, 11, 12, 13), (a, b, d, c)):
            g.point(base, p)


class Point(Entity):
    def __init__(self, layer, at, **style):
        super().__init__(layer, **style)
        self.at = at

    def moved(self, dx, dy):
        return Point(self.layer, (self.at[0] + dx, self.at[1] + dy), linetype=self.linetype, colour=self.colour)

    def extend(self, box):
        box.add(*self.at)

    def write(self, g):
        self.head(g, "POINT")
        g.point(10, self.at)


class AttributeDefinition(Text):
    """A text of a block whose value each insert gives; `invisible` ones carry data only."""

    def __init__(self, tag, prompt, default, at, height, align=LEFT, style="STANDARD", invisible=False):
        super().__init__("0", at, height, default, align, 0.0, style)
        self.tag, self.prompt, self.invisible = tag, prompt, invisible

    def write(self, g):
        def tail(g):
            g.add(3, self.prompt)
            g.add(2, self.tag)
            g.add(70, 1 if self.invisible else 0)
        super().write(g, "ATTDEF", tail)


class Insert(Entity):
    """A placed block, scaled alike in X and Y, with the values of the block's attribute definitions."""

    def __init__(self, layer, block, at, scale=1.0, rotation=0.0, values=None):
        super().__init__(layer)
        self.block, self.at, self.scale, self.rotation, self.values = block, at, scale, rotation, values or {}

    def moved(self, dx, dy):
        return Insert(self.layer, self.block, (self.at[0] + dx, self.at[1] + dy), self.scale, self.rotation,
                      self.values)

    def place(self, p):
        a = math.radians(self.rotation)
        x, y = p[0] * self.scale, p[1] * self.scale
        return (self.at[0] + x * math.cos(a) - y * math.sin(a), self.at[1] + x * math.sin(a) + y * math.cos(a))

    def attributes(self):
        for definition in self.block.attribute_definitions():
            value = self.values.get(definition.tag, definition.value)
            yield definition, Text(self.layer, self.place(definition.at), definition.height * self.scale, value,
                                   definition.align, self.rotation, definition.style)

    def extend(self, box):
        placed = Box()
        self.block.extend(placed)
        for x in (placed.x0, placed.x1):
            for y in (placed.y0, placed.y1):
                box.add(*self.place((x, y)))
        for _, attribute in self.attributes():
            attribute.extend(box)

    def write(self, g):
        self.head(g, "INSERT")
        attributes = list(self.attributes())
        if attributes:
            g.add(66, 1)
        g.add(2, self.block.name)
        g.point(10, self.at)
        if self.scale != 1.0:
            g.add(41, self.scale)
            g.add(42, self.scale)
            g.add(43, self.scale)
        if self.rotation:
            g.add(50, self.rotation)
        for definition, attribute in attributes:
            def tail(g, definition=definition):
                g.add(2, definition.tag)
                g.add(70, 1 if definition.invisible else 0)
            attribute.write(g, "ATTRIB", tail)
        if attributes:
            g.add(0, "SEQEND")
            g.add(8, self.layer)


class Block:
    def __init__(self, name, entities, anonymous=False):
        self.name, self.entities, self.anonymous = name, entities, anonymous

    def attribute_definitions(self):
        return [e for e in self.entities if isinstance(e, AttributeDefinition)]

    def extend(self, box):
        for entity in self.entities:
            if not isinstance(entity, AttributeDefinition):
                entity.extend(box)

    def write(self, g):
        g.add(0, "BLOCK")
        g.add(8, "0")
        g.add(2, self.name)
        g.add(70, 1 if self.anonymous else (2 if self.attribute_definitions() else 0))
        g.point(10, (0.0, 0.0))
        g.add(3, self.name)
        for entity in self.entities:
            entity.write(g)
        g.add(0, "ENDBLK")
        g.add(8, "0")


class DimensionStyle:
    """Sizes of a dimension's parts on paper, times the drawing scale."""

    def __init__(self, scale):
        self.scale = scale
        self.arrow, self.text, self.gap, self.offset, self.extension = (v * scale for v in (3.0, 3.0, 1.0, 1.5, 2.0))


class Dimension(Entity):
    """A horizontal (angle 0) or vertical (angle 90) linear dimension between two points, its line at
    `position` (a Y for horizontal, an X for vertical); one drawn between two edges of a part has no
    extension lines. Its drawn parts live in an anonymous block
    made when the drawing is written, in drawing coordinates."""

    def __init__(self, layer, p1, p2, position, angle, style, prefix="", extension_lines=True):
        super().__init__(layer)
        self.p1, self.p2, self.position, self.angle, self.style, self.prefix = p1, p2, position, angle, style, prefix
        self.extension_lines = extension_lines

    def moved(self, dx, dy):
        shift = dy if self.angle == 0 else dx
        return Dimension(self.layer, (self.p1[0] + dx, self.p1[1] + dy), (self.p2[0] + dx, self.p2[1] + dy),
                         self.position + shift, self.angle, self.style, self.prefix, self.extension_lines)

    def measurement(self):
        axis = 0 if self.angle == 0 else 1
        value = abs(self.p2[axis] - self.p1[axis])
        return f"{value:.0f}" if abs(value - round(value)) < 0.05 else f"{value:.1f}"

    def geometry(self):
        """The drawn parts: two extension lines, the dimension line, two arrowheads, the text and the
        three definition points."""
        s = self.style
        vertical = self.angle == 90
        # Work in (along, across) and turn into (x, y) at the end.
        def xy(along, across):
            return (across, along) if vertical else (along, across)
        a1, c1 = (self.p1[1], self.p1[0]) if vertical else self.p1
        a2, c2 = (self.p2[1], self.p2[0]) if vertical else self.p2
        if a2 < a1:
            a1, c1, a2, c2 = a2, c2, a1, c1
        d = self.position
        parts = []
        for a, c in ((a1, c1), (a2, c2)) if self.extension_lines else ():
            towards = 1 if d > c else -1
            parts.append(Line("0", xy(a, c + towards * s.offset), xy(a, d + towards * s.extension)))
        parts.append(Line("0", xy(a1, d), xy(a2, d)))
        w = s.arrow / 6
        parts.append(Solid("0", [xy(a1, d), xy(a1 + s.arrow, d - w), xy(a1 + s.arrow, d + w)]))
        parts.append(Solid("0", [xy(a2, d), xy(a2 - s.arrow, d + w), xy(a2 - s.arrow, d - w)]))
        label = self.prefix + self.measurement()
        # Above the line: up for a horizontal dimension, to the left for a vertical one (text turned 90).
        text_at = xy((a1 + a2) / 2, d + s.gap) if not vertical else xy((a1 + a2) / 2, d - s.gap)
        parts.append(Text("0", text_at, s.text, label, CENTRE, 90.0 if vertical else 0.0))
        for p in (xy(a1, c1), xy(a2, c2), xy(a2, d)):
            parts.append(Point("DEFPOINTS", p))
        return parts

    def extend(self, box):
        for part in self.geometry():
            part.extend(box)

    def block(self, name):
        return Block(name, self.geometry(), anonymous=True)

    def write_dimension(self, g, block_name):
        s = self.style
        vertical = self.angle == 90
        definition = (self.position, self.p2[1]) if vertical else (self.p2[0], self.position)
        middle = (self.position - s.gap - s.text / 2, (self.p1[1] + self.p2[1]) / 2) if vertical else \
            ((self.p1[0] + self.p2[0]) / 2, self.position + s.gap + s.text / 2)
        self.head(g, "DIMENSION")
        g.add(2, block_name)
        g.point(10, definition)
        g.point(11, middle)
        g.point(12, (0.0, 0.0))
        g.add(70, 0)
        if self.prefix:
            g.add(1, self.prefix + "<>")
        g.point(13, self.p1)
        g.point(14, self.p2)
        if vertical:
            g.add(50, 90.0)


# --- the drawing ---------------------------------------------------------------------------------

class Layer:
    def __init__(self, name, colour, linetype="CONTINUOUS"):
        self.name, self.colour, self.linetype = name, colour, linetype


# Line types in millimetres on paper; $LTSCALE scales them with the drawing.
LINETYPES = [
    ("CONTINUOUS", "Solid line", []),
    ("DASHED", "__ __ __ __ __ __ __ __", [6.0, -3.0]),
    ("CENTER", "____ _ ____ _ ____ _ ____", [16.0, -3.0, 3.0, -3.0]),
]
STYLES = [("STANDARD", "txt"), ("ROMANS", "romans")]


class Drawing:
    def __init__(self, layers, scale):
        self.layers, self.scale = layers, scale
        self.blocks = []
        self.entities = []

    def add(self, *entities):
        self.entities.extend(entities)

    def extents(self):
        box = Box()
        for entity in self.entities:
            entity.extend(box)
        return box

    def text(self):
        dimensions = [e for e in self.entities if isinstance(e, Dimension)]
        names = {id(d): f"*D{i + 1}" for i, d in enumerate(dimensions)}
        blocks = self.blocks + [d.block(names[id(d)]) for d in dimensions]
        box = self.extents()
        used = {b.name for b in self.blocks}
        assert all(isinstance(e.block, Block) and e.block.name in used for e in self.entities if isinstance(e, Insert))
        g = Groups()
        for name, fill in (("HEADER", lambda: self.header(g, box)), ("TABLES", lambda: self.tables(g, box)),
                           ("BLOCKS", lambda: [block.write(g) for block in blocks]),
                           ("ENTITIES", lambda: self.write_entities(g, names))):
            g.pairs([(0, "SECTION"), (2, name)])
            fill()
            g.add(0, "ENDSEC")
        g.add(0, "EOF")
        return g.text()

    def header(self, g, box):
        k = self.scale
        variables = [
            ("$ACADVER", [(1, "AC1009")]),
            ("$INSBASE", [(10, 0.0), (20, 0.0), (30, 0.0)]),
            ("$EXTMIN", [(10, box.x0), (20, box.y0), (30, 0.0)]),
            ("$EXTMAX", [(10, box.x1), (20, box.y1), (30, 0.0)]),
            ("$LIMMIN", [(10, box.x0), (20, box.y0)]),
            ("$LIMMAX", [(10, box.x1), (20, box.y1)]),
            ("$LTSCALE", [(40, k)]),
            ("$TEXTSIZE", [(40, 3.5 * k)]),
            ("$TEXTSTYLE", [(7, "STANDARD")]),
            ("$CLAYER", [(8, "0")]),
            ("$LUNITS", [(70, 2)]),
            ("$LUPREC", [(70, 0)]),
            ("$DIMSCALE", [(40, k)]),
            ("$DIMASZ", [(40, 3.0)]),
            ("$DIMTXT", [(40, 3.0)]),
            ("$DIMEXO", [(40, 1.5)]),
            ("$DIMEXE", [(40, 2.0)]),
            ("$DIMGAP", [(40, 1.0)]),
            ("$DIMTAD", [(70, 1)]),
            ("$DIMTIH", [(70, 0)]),
            ("$DIMTOH", [(70, 0)]),
        ]
        for name, pairs in variables:
            g.add(9, name)
            g.pairs(pairs)

    def tables(self, g, box):
        def table(name, entries):
            g.pairs([(0, "TABLE"), (2, name), (70, len(entries))])
            for entry in entries:
                g.pairs([(0, name)] + entry)
            g.add(0, "ENDTAB")

        k = self.scale
        table("VPORT", [[(2, "*ACTIVE"), (70, 0), (10, 0.0), (20, 0.0), (11, 1.0), (21, 1.0),
                         (12, (box.x0 + box.x1) / 2), (22, (box.y0 + box.y1) / 2), (13, 0.0), (23, 0.0), (14, 1.0),
                         (24, 1.0), (15, 10.0 * k), (25, 10.0 * k), (16, 0.0), (26, 0.0), (36, 1.0), (17, 0.0),
                         (27, 0.0), (37, 0.0), (40, box.height * 1.05), (41, 1.414), (42, 50.0), (43, 0.0),
                         (44, 0.0), (50, 0.0), (51, 0.0), (71, 0), (72, 100), (73, 1), (74, 3), (75, 0), (76, 0),
                         (77, 0), (78, 0)]])
        table("LTYPE", [[(2, name), (70, 0), (3, description), (72, 65), (73, len(pattern)),
                         (40, float(sum(abs(p) for p in pattern)))] + [(49, p) for p in pattern]
                        for name, description, pattern in LINETYPES])
        table("LAYER", [[(2, layer.name), (70, 0), (62, layer.colour), (6, layer.linetype)] for layer in self.layers])
        table("STYLE", [[(2, name), (70, 0), (40, 0.0), (41, 1.0), (50, 0.0), (71, 0), (42, 3.5 * k), (3, font),
                         (4, "")] for name, font in STYLES])

    def write_entities(self, g, names):
        for entity in self.entities:
            if isinstance(entity, Dimension):
                entity.write_dimension(g, names[id(entity)])
            else:
                entity.write(g)
