#!/usr/bin/env python3
"""Draws the elastic chucks' pictures: the fixed pictures of the collet and
thin-walled chuck windows (src/design/pictures/<window>/<picture>.svg) and the coefficient note of
the thin-walled chuck's item table (content/sjdata/pics).
"""
import math
import os

from svgkit import Svg, THIN

HERE = os.path.dirname(os.path.abspath(__file__))
WINDOWS = os.path.join(HERE, "..", "..", "src", "design", "pictures")
SJDATA = os.path.join(HERE, "..", "..", "content", "sjdata", "pics")


def mirrored(points, axis):
    return [(x, 2 * axis - y) for x, y in reversed(points)]


def section(svg, outline, axis):
    """A hatched half-section above the axis and its mirror below."""
    for ring in (outline, mirrored(outline, axis)):
        svg.polyline(ring, closed=True)
        svg.hatch([ring], 5)


def collet_dimensions():
    """Longitudinal section of a slotted collet with its design dimensions."""
    s = Svg(460, 300)
    s.text(8, 18, "弹性夹头计算示意图", 13, weight="bold")
    axis = 150
    x0, xs, xg, xh, xc, xe = 40, 90, 180, 300, 340, 380
    rd, rD, rh, rd1 = 22, 44, 34, 54
    cone = xh + (rd1 - rh) / math.tan(math.radians(30))
    outline = [(x0, axis - rD), (xg, axis - rD), (xg, axis - rh), (xh, axis - rh), (cone, axis - rd1),
               (xe - 8, axis - rd1), (xe, axis - rd1 + 8), (xe, axis - rd), (x0, axis - rd)]
    section(s, outline, axis)
    # Thread on the shank end and the slot through the petals.
    for y in (axis - rD + 4, axis + rD - 4):
        s.line(x0, y, xs, y, THIN)
    s.hidden(xg - 20, axis - 6, xe, axis - 6)
    s.hidden(xg - 20, axis + 6, xe, axis + 6)
    s.polyline([(xg - 14, axis - 6), (xg - 20, axis), (xg - 14, axis + 6)], THIN)
    s.center(x0 - 20, axis, xe + 20, axis)
    s.dim_h(x0, xs, axis - rD - 16, axis - rD, axis - rD, "t1")
    s.dim_h(xh, cone, axis - rd1 - 40, axis - rh, axis - rd1, "l1")
    s.dim_h(cone, xe, axis - rd1 - 16, axis - rd1, axis - rd1, "b1")
    s.dim_h(xh, xe, axis - rd1 - 62, axis - rh, axis - rd1, "K")
    s.dim_h(xg, xh, axis - rD - 16, axis - rD, axis - rh, "m")
    s.dim_h(xg - 20, xe, axis + rd1 + 22, axis + 6, axis + rd1, "l", below=True)
    s.dim_h(x0, xe, axis + rd1 + 52, axis + rD, axis + rd1, "L", below=True)
    s.dim_v(axis - rd, axis + rd, x0 - 8, x0, x0, "d")
    s.dim_v(axis - rD, axis + rD, x0 - 26, x0, x0, "D")
    s.dim_v(axis - rd1, axis + rd1, xe + 30, xe - 8, xe - 8, "d1")
    s.leader((xg + xh) / 2, axis - (rh + rd) / 2, (xg + xh) / 2 - 20, axis - 80, "h")
    s.leader(xg - 18, axis + 3, xg - 60, axis + 30, "R", anchor="end")
    # The 30° cone: both flanks meet the axis at 30°.
    s.line(cone, axis - rd1, cone + 40 * math.cos(math.radians(15)), axis - rd1 - 40 * math.sin(math.radians(15)),
           THIN)
    s.text(cone + 44, axis - rd1 - 12, "30°", 12)
    # End view of the slots.
    cx, cy, r = 420, 60, 24
    s.circle(cx, cy, r)
    s.circle(cx, cy, 12)
    for a in (90, 210, 330):
        ux, uy = math.cos(math.radians(a)), -math.sin(math.radians(a))
        nx, ny = -uy, ux
        for off in (-3, 3):
            s.line(cx + ux * 12 + nx * off, cy + uy * 12 + ny * off, cx + ux * r + nx * off,
                   cy + uy * r + ny * off, THIN)
    s.dim_h(cx - 3, cx + 3, cy - r - 10, cy - r, cy - r, "b")
    return s


def collet_arrangements():
    """Two collet arrangements in section with their forces, and section A-A."""
    s = Svg(460, 300)
    s.text(8, 18, "弹性夹头结构图", 13, weight="bold")

    def collet(x0, axis, pull, caption):
        body = [(x0, axis - 40), (x0 + 110, axis - 40), (x0 + 110, axis - 24), (x0, axis - 24)]
        s.polyline(body, closed=True)
        s.polyline(mirrored(body, axis), closed=True)
        # Petals with the outer cone towards the sleeve.
        petal = [(x0 + 10, axis - 22), (x0 + 80, axis - 22), (x0 + 100, axis - 34), (x0 + 110, axis - 34),
                 (x0 + 110, axis - 12), (x0 + 10, axis - 12)] if pull else \
                [(x0 + 10, axis - 22), (x0 + 30, axis - 34), (x0 + 40, axis - 34), (x0 + 40, axis - 22),
                 (x0 + 110, axis - 22), (x0 + 110, axis - 12), (x0 + 10, axis - 12)]
        for ring in (petal, mirrored(petal, axis)):
            s.polyline(ring, closed=True)
            s.hatch([ring], 5)
        s.rect(x0 - 10, axis - 12, 140, 24, THIN, "#eeeeee")
        s.center(x0 - 16, axis, x0 + 136, axis)
        s.text(x0 + 55, axis + 5, "工件", 11, "middle")
        if pull:
            s.arrow(x0 + 40, axis + 52, x0 - 4, axis + 52)
            s.text(x0 + 46, axis + 56, "Q", 14, italic=True)
        else:
            s.arrow(x0 + 116, axis + 52, x0 + 150, axis + 52)
            s.text(x0 + 96, axis + 56, "Q", 14, italic=True)
        s.arrow(x0 + 60, axis - 56, x0 + 60, axis - 24)
        s.text(x0 + 64, axis - 48, "W", 14, italic=True)
        s.dim_h(x0 + 10, x0 + 110, axis + 76, axis + 34, axis + 34, "l", below=True)
        s.text(x0 + 60, 40, caption, 12, "middle")

    collet(30, 130, True, "拉式")
    collet(190, 130, False, "推式")
    # The cone angle and the gap of the pull type.
    s.text(122, 78, "2α", 13, italic=True)
    s.line(110, 96, 140, 84, THIN)
    s.leader(128, 108, 150, 66, "Δ/2")
    # Section A-A through the petals.
    cx, cy = 400, 140
    s.text(cx, 62, "A-A", 13, "middle", weight="bold")
    for a in (90, 210, 330):
        pts = []
        for r in (34, 22):
            rng = range(-52, 53, 8) if r == 34 else range(52, -53, -8)
            pts += [(cx + r * math.cos(math.radians(a + t)), cy - r * math.sin(math.radians(a + t))) for t in rng]
        s.polyline(pts, closed=True)
        s.hatch([pts], 4)
    s.dim_v(cy - 34, cy + 34, cx + 52, cx, cx, "D")
    s.leader(cx, cy - 28, cx - 40, cy - 60, "h", anchor="end")
    return s


def chuck_parameters():
    """Section of the thin-walled chuck: plate clamped at its rim, hub, jaws."""
    s = Svg(460, 330)
    s.text(8, 18, "弹性薄壁夹盘参数示意图", 13, weight="bold")
    cx, plate_y, h = 230, 200, 8
    r1, r2, r3, rb = 34, 120, 170, 190
    # Body with the clamped rim, the plate and the hub.
    for sign in (-1, 1):
        rim = [(cx + sign * r3, plate_y - 20), (cx + sign * rb, plate_y - 20), (cx + sign * rb, plate_y + 60),
               (cx + sign * r3, plate_y + 60)]
        s.polyline(rim, closed=True)
        s.hatch([rim], 6)
    plate = [(cx - r3, plate_y), (cx + r3, plate_y), (cx + r3, plate_y + h), (cx - r3, plate_y + h)]
    s.polyline(plate, closed=True)
    s.hatch([plate], 4)
    s.rect(cx - r1, plate_y + h, 2 * r1, 22, fill="#dddddd")
    # The workpiece between the jaws, which stand on the plate at r2.
    s.rect(cx - r2 + 42, plate_y - 110, 2 * (r2 - 42), 50, THIN, "#f6f6f6")
    s.text(cx, plate_y - 64, "工件", 11, "middle")
    s.center(cx, 40, cx, 300)
    for sign in (-1, 1):
        x = cx + sign * r2
        s.polyline([(x - 12, plate_y), (x + 12, plate_y), (x + 12, plate_y - 90), (x - 12, plate_y - 90)],
                   closed=True, fill="#eeeeee")
        s.polyline([(x - sign * 12, plate_y - 90), (x - sign * 40, plate_y - 90), (x - sign * 40, plate_y - 70),
                    (x - sign * 12, plate_y - 70)], closed=True, fill="#eeeeee")
        s.arrow(x - sign * 42, plate_y - 80, x - sign * 70, plate_y - 80, color="#b00000")
        s.text(x - sign * 60, plate_y - 88, "Wk", 12, "middle", color="#b00000", italic=True)
    # The push rod on the hub.
    s.arrow(cx, plate_y + 90, cx, plate_y + h + 24)
    s.text(cx - 8, plate_y + 66, "Q", 14, "end", italic=True)
    # Dimensions.
    s.dim_h(cx, cx + r1, plate_y + 44, plate_y + h + 22, plate_y + h + 22, "r1", below=True)
    s.dim_h(cx, cx + r2, plate_y + 62, plate_y + h, plate_y + h, "r2", below=True)
    s.dim_h(cx, cx + r3, plate_y + 80, plate_y + h, plate_y + h, "r3", below=True)
    s.dim_h(cx - rb, cx + rb, plate_y + 118, plate_y + 60, plate_y + 60, "D")
    s.dim_h(cx - r3, cx + r3, 34, plate_y - 20, plate_y - 20, "d1")
    s.dim_h(cx - r2 + 42, cx + r2 - 42, plate_y - 124, plate_y - 110, plate_y - 110, "d-2c")
    s.dim_h(cx - r2 - 12, cx + r2 + 12, 56, plate_y - 90, plate_y - 90, "Dk")
    s.dim_v(plate_y - 80, plate_y + h / 2, cx + r2 + 30, cx + r2 + 12, cx + r2 + 12, "H")
    s.leader(cx - r3 + 24, plate_y + 4, cx - r3 + 44, plate_y + 40, "h")
    return s


def chuck_coefficients():
    """What K1 to K4 are and where their values come from."""
    s = Svg(400, 300)
    lines = [
        ("弹性薄壁夹盘的系数K1~K4", 14, "bold"),
        ("夹盘按薄圆环板计算：外缘r3固定，中心为刚性", 12, "normal"),
        ("轮毂r1，卡爪立于半径r2，高H。", 12, "normal"),
        ("K1 中心挠度系数：f=K1·Q·r3²/(E·h³)", 12, "normal"),
        ("K2 径向弯曲应力系数：σ=K2·Q/h²", 12, "normal"),
        ("K3 推力Q下r2处转角系数：θ=K3·Q·r3/(E·h³)", 12, "normal"),
        ("K4 爪力矩W·H下r2处转角系数：θ=K4·W·H/(E·h³)", 12, "normal"),
        ("按r3/r1（K3、K4还按r2/r3）查表，泊松比0.3。", 12, "normal"),
        ("来源：薄圆环板轴对称弯曲的精确解（Timoshenko、", 12, "normal"),
        ("Woinowsky-Krieger《板壳理论》第3章圆环板），", 12, "normal"),
        ("小挠度理论；中心孔趋于零时K1→0.2172。", 12, "normal"),
        ("没有计算公式，请按上式选用第1~8项。", 12, "normal"),
    ]
    y = 30
    for text, size, weight in lines:
        s.text(14, y, text, size, weight=weight)
        y += 22 if size == 12 else 30
    return s


def main():
    for window, picture, drawing in (("TF_Tanxingjiatou", "Image2", collet_dimensions),
                                     ("TF_Tanxingjiatou", "Image3", collet_arrangements),
                                     ("TF_Tanxingpan", "Image2", chuck_parameters)):
        os.makedirs(os.path.join(WINDOWS, window), exist_ok=True)
        drawing().save(os.path.join(WINDOWS, window, picture + ".svg"))
    chuck_coefficients().save(os.path.join(SJDATA, "tanxingpan-xishu.svg"))


if __name__ == "__main__":
    main()
