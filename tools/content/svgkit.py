"""A small SVG writer for engineering line drawings.

The packer rasterises SVG with a Tiny-1.2 renderer, which knows neither
markers, clip paths nor patterns: arrowheads are drawn as triangles and
section hatching is clipped here, in Python.
"""
import math

FONT = "Noto Sans CJK SC"
THICK = 1.6
THIN = 0.7


def _fmt(v):
    text = "%.2f" % v
    return text.rstrip("0").rstrip(".") if "." in text else text


class Svg:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.items = []

    # Basic shapes -------------------------------------------------------

    def line(self, x1, y1, x2, y2, width=THICK, dash=None, color="black"):
        extra = ' stroke-dasharray="%s"' % dash if dash else ""
        self.items.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>'
                          % (_fmt(x1), _fmt(y1), _fmt(x2), _fmt(y2), color, _fmt(width), extra))

    def polyline(self, points, width=THICK, closed=False, fill="none", color="black", dash=None):
        tag = "polygon" if closed else "polyline"
        pts = " ".join("%s,%s" % (_fmt(x), _fmt(y)) for x, y in points)
        extra = ' stroke-dasharray="%s"' % dash if dash else ""
        self.items.append('<%s points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"%s/>'
                          % (tag, pts, fill, color, _fmt(width), extra))

    def rect(self, x, y, w, h, width=THICK, fill="none"):
        self.polyline([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], width, True, fill)

    def circle(self, cx, cy, r, width=THICK, fill="none", dash=None, color="black"):
        extra = ' stroke-dasharray="%s"' % dash if dash else ""
        self.items.append('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>'
                          % (_fmt(cx), _fmt(cy), _fmt(r), fill, color, _fmt(width), extra))

    def hidden(self, x1, y1, x2, y2):
        self.line(x1, y1, x2, y2, THIN + 0.2, "6,3")

    def center(self, x1, y1, x2, y2):
        self.line(x1, y1, x2, y2, THIN, "14,3,2,3")

    def text(self, x, y, s, size=13, anchor="start", color="black", weight="normal", italic=False):
        s = s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        style = ' font-style="italic"' if italic else ""
        self.items.append('<text x="%s" y="%s" font-family="%s" font-size="%s" text-anchor="%s" fill="%s" '
                          'font-weight="%s"%s>%s</text>' % (_fmt(x), _fmt(y), FONT, _fmt(size), anchor, color,
                                                           weight, style, s))

    # Engineering marks --------------------------------------------------

    def arrowhead(self, x, y, dx, dy, size=8, color="black"):
        """A filled arrowhead with its tip at (x, y) pointing along (dx, dy)."""
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        bx, by = x - ux * size, y - uy * size
        w = size * 0.3
        self.polyline([(x, y), (bx - uy * w, by + ux * w), (bx + uy * w, by - ux * w)], 0.5, True, color, color)

    def arrow(self, x1, y1, x2, y2, width=THICK, color="black", size=10):
        self.line(x1, y1, x2, y2, width, color=color)
        self.arrowhead(x2, y2, x2 - x1, y2 - y1, size, color)

    def dim(self, x1, y1, x2, y2, offset, label, size=12, ext=True):
        """An aligned dimension between two points, drawn offset to the left of
        the direction p1 -> p2, with extension lines and the label centred."""
        dx, dy = x2 - x1, y2 - y1
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        nx, ny = uy, -ux
        ax, ay = x1 + nx * offset, y1 + ny * offset
        bx, by = x2 + nx * offset, y2 + ny * offset
        sign = 1 if offset >= 0 else -1
        if ext:
            self.line(x1 + nx * 2 * sign, y1 + ny * 2 * sign, ax + nx * 4 * sign, ay + ny * 4 * sign, THIN)
            self.line(x2 + nx * 2 * sign, y2 + ny * 2 * sign, bx + nx * 4 * sign, by + ny * 4 * sign, THIN)
        self.line(ax, ay, bx, by, THIN)
        self.arrowhead(ax, ay, -ux, -uy, 7)
        self.arrowhead(bx, by, ux, uy, 7)
        mx, my = (ax + bx) / 2 + nx * 4 * sign, (ay + by) / 2 + ny * 4 * sign
        angle = math.degrees(math.atan2(dy, dx))
        if angle > 90 or angle <= -90:
            angle -= 180
        if sign < 0:
            mx, my = mx - nx * (size * 0.85), my - ny * (size * 0.85)
        self._rotated_text(mx, my, label, size, angle)

    def dim_h(self, x1, x2, y, y1, y2, label, size=12, below=False):
        """A horizontal dimension line at height y between x1 and x2; the
        extension lines rise from the part at y1 and y2."""
        for x, yy in ((x1, y1), (x2, y2)):
            self.line(x, yy + (2 if y > yy else -2), x, y + (4 if y > yy else -4), THIN)
        self.line(x1, y, x2, y, THIN)
        if abs(x2 - x1) >= 24:
            self.arrowhead(x1, y, -1, 0, 7)
            self.arrowhead(x2, y, 1, 0, 7)
        else:
            self.line(x1 - 14, y, x1, y, THIN)
            self.line(x2, y, x2 + 14, y, THIN)
            self.arrowhead(x1, y, 1, 0, 7)
            self.arrowhead(x2, y, -1, 0, 7)
        self.text((x1 + x2) / 2, y + (size + 2 if below else -3), label, size, "middle")

    def dim_v(self, y1, y2, x, x1, x2, label, size=12):
        """A vertical dimension line at x between y1 and y2; the extension
        lines leave the part at x1 and x2."""
        for xx, yy in ((x1, y1), (x2, y2)):
            self.line(xx + (2 if x > xx else -2), yy, x + (4 if x > xx else -4), yy, THIN)
        self.line(x, y1, x, y2, THIN)
        if abs(y2 - y1) >= 24:
            self.arrowhead(x, y1, 0, -1, 7)
            self.arrowhead(x, y2, 0, 1, 7)
        else:
            self.line(x, y1 - 14, x, y1, THIN)
            self.line(x, y2, x, y2 + 14, THIN)
            self.arrowhead(x, y1, 0, 1, 7)
            self.arrowhead(x, y2, 0, -1, 7)
        self._rotated_text(x - 4, (y1 + y2) / 2, label, size, -90)

    def dim_outside(self, x1, y1, x2, y2, offset, label, size=12):
        """A dimension too short for its arrows inside: arrows point inwards
        from outside and the label sits beyond the second point."""
        dx, dy = x2 - x1, y2 - y1
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        nx, ny = uy, -ux
        ax, ay = x1 + nx * offset, y1 + ny * offset
        bx, by = x2 + nx * offset, y2 + ny * offset
        sign = 1 if offset >= 0 else -1
        self.line(x1 + nx * 2 * sign, y1 + ny * 2 * sign, ax + nx * 4 * sign, ay + ny * 4 * sign, THIN)
        self.line(x2 + nx * 2 * sign, y2 + ny * 2 * sign, bx + nx * 4 * sign, by + ny * 4 * sign, THIN)
        self.line(ax - ux * 14, ay - uy * 14, bx + ux * 14, by + uy * 14, THIN)
        self.arrowhead(ax, ay, ux, uy, 7)
        self.arrowhead(bx, by, -ux, -uy, 7)
        angle = math.degrees(math.atan2(dy, dx))
        if angle > 90 or angle <= -90:
            angle -= 180
        tx, ty = bx + ux * 18, by + uy * 18
        self._rotated_text(tx + nx * 4 * sign, ty + ny * 4 * sign, label, size, angle, "start")

    def _rotated_text(self, x, y, label, size, angle, anchor="middle"):
        label = label.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        self.items.append('<text font-family="%s" font-size="%s" text-anchor="%s" transform="translate(%s,%s) '
                          'rotate(%s)">%s</text>' % (FONT, _fmt(size), anchor, _fmt(x), _fmt(y),
                                                     _fmt(angle), label))

    def leader(self, x1, y1, x2, y2, label, size=12, anchor="start"):
        """A leader from a point on the part (dot) to a label."""
        self.circle(x1, y1, 1.8, 0.5, "black")
        self.line(x1, y1, x2, y2, THIN)
        end = x2 + (30 if anchor == "start" else -30)
        self.line(x2, y2, end, y2, THIN)
        self.text(x2 + (2 if anchor == "start" else -2), y2 - 3, label, size, anchor)

    def hatch(self, rings, spacing=5.0, angle=45.0):
        """Section lines inside the area bounded by rings (even-odd rule)."""
        a = math.radians(angle)
        ux, uy = math.cos(a), -math.sin(a)
        nx, ny = -uy, ux
        offsets = [x * nx + y * ny for ring in rings for x, y in ring]
        c = math.floor(min(offsets) / spacing) * spacing + spacing / 2
        while c < max(offsets):
            ts = []
            for ring in rings:
                for i in range(len(ring)):
                    (x1, y1), (x2, y2) = ring[i], ring[(i + 1) % len(ring)]
                    d1 = x1 * nx + y1 * ny - c
                    d2 = x2 * nx + y2 * ny - c
                    if (d1 < 0) != (d2 < 0):
                        t = d1 / (d1 - d2)
                        px, py = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
                        ts.append(px * ux + py * uy)
            ts.sort()
            for t1, t2 in zip(ts[0::2], ts[1::2]):
                self.line(c * nx + t1 * ux, c * ny + t1 * uy, c * nx + t2 * ux, c * ny + t2 * uy, THIN * 0.8)
            c += spacing

    def save(self, path):
        with open(path, "w", encoding="utf-8") as f:
            f.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                    % (self.width, self.height, self.width, self.height))
            f.write('<rect x="0" y="0" width="%d" height="%d" fill="white"/>\n' % (self.width, self.height))
            for item in self.items:
                f.write(item + "\n")
            f.write("</svg>\n")


def circle_ring(cx, cy, r, steps=48):
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


def arc_points(cx, cy, r, a1, a2, steps=24):
    """Points on an arc from angle a1 to a2 (degrees, y downwards, counter-clockwise on screen for a2 < a1)."""
    return [(cx + r * math.cos(math.radians(a1 + (a2 - a1) * i / steps)),
             cy - r * math.sin(math.radians(a1 + (a2 - a1) * i / steps))) for i in range(steps + 1)]


def turned_part(svg, cx, top, profile, scale):
    """Draws a part of revolution in front view. profile: (radius, y) points in
    mm along the right-hand outline from top to bottom; the left half mirrors
    it. Every corner of the outline is a circular edge: a line across. A
    point (radius, y, False) lies on a curved outline and makes no edge."""
    right = [(cx + p[0] * scale, top + p[1] * scale) for p in profile]
    left = [(cx - p[0] * scale, top + p[1] * scale) for p in reversed(profile)]
    svg.polyline(right + left, THICK, True)
    seen = set()
    for p in profile:
        y = p[1]
        if y in seen or (len(p) > 2 and not p[2]):
            continue
        seen.add(y)
        radii = [q[0] for q in profile if q[1] == y]
        if 0 < y < profile[-1][1] and max(radii) > 0:
            w = max(radii) * scale
            svg.line(cx - w, top + y * scale, cx + w, top + y * scale, THICK)
    depth = max(p[1] for p in profile) * scale
    svg.center(cx, top - 10, cx, top + depth + 10)
