#!/usr/bin/env python3
"""Draws the handbook's characteristic curves into content/curvei.

Every curve is computed from the formula printed on it, on linear axes whose
origin and last tick carry round values, so that a value read off with the
curve reader (origin and axis ends clicked and typed in) can be checked
against the formula.
"""
import math
import os
import sys

from svgkit import Svg

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "content", "curvei")

WIDTH, HEIGHT = 640, 480
LEFT, RIGHT, TOP, BOTTOM = 90, 590, 92, 400
COLOURS = ["#c00000", "#0050b0", "#007a30", "#8a4b00"]


def tand(a):
    return math.tan(math.radians(a))


def sind(a):
    return math.sin(math.radians(a))


def cosd(a):
    return math.cos(math.radians(a))


class Plot:
    def __init__(self, title, formula, constants, xaxis, yaxis):
        """xaxis, yaxis: (label, maximum, step); both axes start at 0."""
        self.svg = Svg(WIDTH, HEIGHT)
        self.xlabel, self.xmax, self.xstep = xaxis
        self.ylabel, self.ymax, self.ystep = yaxis
        s = self.svg
        s.text(WIDTH / 2, 26, title, 18, "middle", weight="bold")
        s.text(WIDTH / 2, 50, formula, 13, "middle")
        s.text(WIDTH / 2, 70, constants, 12, "middle")
        self._axes()

    def px(self, x):
        return LEFT + (RIGHT - LEFT) * x / self.xmax

    def py(self, y):
        return BOTTOM - (BOTTOM - TOP) * y / self.ymax

    def _ticks(self, maximum, step):
        n = int(round(maximum / step))
        return [i * step for i in range(n + 1)]

    def _axes(self):
        s = self.svg
        for x in self._ticks(self.xmax, self.xstep):
            X = self.px(x)
            if x > 0:
                s.line(X, TOP, X, BOTTOM, 0.5, color="#b0b0b0")
            s.line(X, BOTTOM, X, BOTTOM + 6, 1.2)
            s.text(X, BOTTOM + 22, _num(x), 13, "middle")
        for y in self._ticks(self.ymax, self.ystep):
            Y = self.py(y)
            if y > 0:
                s.line(LEFT, Y, RIGHT, Y, 0.5, color="#b0b0b0")
            s.line(LEFT - 6, Y, LEFT, Y, 1.2)
            s.text(LEFT - 10, Y + 5, _num(y), 13, "end")
        s.line(LEFT, BOTTOM, RIGHT, BOTTOM, 1.6)
        s.line(LEFT, BOTTOM, LEFT, TOP, 1.6)
        s.text((LEFT + RIGHT) / 2, BOTTOM + 46, self.xlabel, 14, "middle")
        s._rotated_text(LEFT - 58, (TOP + BOTTOM) / 2, self.ylabel, 14, -90)

    def curve(self, f, x1, x2, label, index, label_at, steps=400):
        points = []
        for i in range(steps + 1):
            x = x1 + (x2 - x1) * i / steps
            y = f(x)
            if 0 <= y <= self.ymax:
                points.append((self.px(x), self.py(y)))
        colour = COLOURS[index % len(COLOURS)]
        self.svg.polyline(points, 2.0, color=colour)
        lx = label_at
        self.svg.text(self.px(lx) + 4, self.py(f(lx)) - 8, label, 13, color=colour)

    def save(self, key):
        self.svg.save(os.path.join(OUT, key + ".svg"))


def _num(v):
    return ("%g" % v)


def eccentric():
    p = Plot("圆偏心夹紧力与转角的关系",
             "W = Q·L/[e·sinγ + f1·(R - e·cosγ) + f0·r0]",
             "Q·L = 10000 N·mm，R = 25 mm，f1 = f0 = 0.1，r0 = 5 mm",
             ("转角 γ（°）", 180, 20), ("夹紧力 W（N）", 4000, 500))
    for i, e in enumerate((1.0, 2.0, 3.0)):
        p.curve(lambda g, e=e: 10000 / (e * sind(g) + 0.1 * (25 - e * cosd(g)) + 0.1 * 5), 0, 180,
                "e = %g mm" % e, i, 100)
    return p


def wedge():
    p = Plot("斜楔夹紧的增力比与楔角的关系",
             "i = W/Q = 1/[tan φ1 + tan(α + φ2)]，φ = arctan f",
             "两摩擦面摩擦系数相同：φ1 = φ2 = φ",
             ("楔角 α（°）", 30, 5), ("增力比 i = W/Q", 6, 1))
    for i, f in enumerate((0.05, 0.1, 0.15)):
        phi = math.degrees(math.atan(f))
        p.curve(lambda a, phi=phi: 1 / (tand(phi) + tand(a + phi)), 0, 30,
                "f = %g（φ = %.2f°）" % (f, phi), i, (6, 11, 17)[i])
    return p


def hertz():
    es = 1 / (2 * (1 - 0.3 ** 2) / 206000)
    p = Plot("球头支承钉与平面的接触变形",
             "yb = 1000·[9W²/(16·R·Es²)]^(1/3)（μm），Es = 1/[(1-ν1²)/E1 + (1-ν2²)/E2]",
             "钢对钢：E1 = E2 = 206000 MPa，ν1 = ν2 = 0.3，Es = %.0f MPa" % es,
             ("支承钉载荷 W（N）", 2000, 200), ("接触变形 yb（μm）", 40, 5))
    for i, r in enumerate((5, 10, 20)):
        p.curve(lambda w, r=r: 1000 * (9 * w * w / (16 * r * es * es)) ** (1 / 3), 0, 2000,
                "SR = %g mm" % r, i, 1500)
    return p


def toggle():
    beta = math.degrees(math.asin(0.1 * 10 / 60))
    p = Plot("双臂铰链夹紧机构的增力比",
             "i = W/Q = 1/[2·tan(α + β)]，β = arcsin(f·dp/Lk)",
             "铰链销 dp = 10 mm，连杆 Lk = 60 mm：f = 0.1 时 β = %.3f°；理想机构 β = 0" % beta,
             ("连杆倾角 α（°）", 20, 2), ("增力比 i = W/Q", 30, 5))
    p.curve(lambda a: 1 / (2 * tand(a)), 0.5, 20, "理想（β = 0）", 0, 3)
    p.curve(lambda a: 1 / (2 * tand(a + beta)), 0, 20, "f = 0.1（β = %.3f°）" % beta, 1, 6)
    return p


def hook():
    p = Plot("钩形压板的传递系数",
             "k = W/Q = 1/(1 + 3·L·f/H)",
             "L 为夹紧点至拉杆轴线的距离，H 为导向孔长度，f 为拉杆与导向孔间的摩擦系数",
             ("悬伸与导向长度之比 L/H", 2, 0.2), ("传递系数 k", 1, 0.1))
    for i, f in enumerate((0.1, 0.15, 0.2)):
        p.curve(lambda x, f=f: 1 / (1 + 3 * x * f), 0, 2, "f = %g" % f, i, 1.7)
    return p


def main():
    curves = {"qx-pianxin": eccentric, "qx-xiexie": wedge, "qx-jiechubianxing": hertz,
              "qx-jiaolian": toggle, "qx-gouxingyaban": hook}
    for key, draw in curves.items():
        draw().save(key)
    return 0


if __name__ == "__main__":
    sys.exit(main())
