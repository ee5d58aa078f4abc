#!/usr/bin/env python3
"""Draws the line drawings of the standard fixture elements (record cards in
content/212dat312/pics) and the picture pages (content/curvei).

Each drawing names its dimensions with the symbols of the element tables, so
that a card or picture and the table beside it read together.
"""
import math
import os
import sys

from svgkit import Svg, THIN, arc_points, circle_ring, turned_part

HERE = os.path.dirname(os.path.abspath(__file__))
CARDS = os.path.join(HERE, "..", "..", "content", "212dat312", "pics")
PAGES = os.path.join(HERE, "..", "..", "content", "curvei")
TEXT_PAGES = os.path.join(HERE, "..", "..", "content", "myhtm")

W, H = 300, 200


def caption(svg, text):
    svg.text(8, 18, text, 13, weight="bold")


# Support elements ------------------------------------------------------

def support_pin_flat():
    s = Svg(W, H)
    caption(s, "A型 平头支承钉")
    cx, top, k = 120, 38, 6
    turned_part(s, cx, top, [(7.5, 0), (8, 0.5), (8, 8), (4, 8), (4, 19.5), (3.5, 20)], k)
    s.dim_h(cx - 48, cx + 48, top - 12, top, top, "φD")
    s.dim_v(top, top + 48, cx + 70, cx + 48, cx + 48, "H")
    s.dim_v(top, top + 120, cx + 98, cx + 48, cx + 24, "L")
    s.dim_h(cx - 24, cx + 24, top + 138, top + 120, top + 120, "φd (r6)", below=True)
    return s


def support_pin_ball():
    s = Svg(W, H)
    caption(s, "B型 球头支承钉")
    cx, top, k = 120, 38, 6
    sr = 16
    cap = sr - math.sqrt(sr * sr - 64)
    head = [(sr * math.sin(math.radians(a)), sr - sr * math.cos(math.radians(a)), False)
            for a in [i * math.degrees(math.asin(8 / sr)) / 12 for i in range(12)]]
    profile = head + [(8, cap), (8, 8), (4, 8), (4, 19.5), (3.5, 20)]
    turned_part(s, cx, top, profile, k)
    s.dim_v(top, top + 48, cx + 70, cx + 48, cx + 48, "H")
    s.dim_v(top, top + 120, cx + 98, cx + 48, cx + 24, "L")
    s.dim_h(cx - 24, cx + 24, top + 138, top + 120, top + 120, "φd (r6)", below=True)
    s.dim_h(cx - 48, cx + 48, top + 64, top + 48, top + 48, "φD", below=True)
    s.leader(cx - 30, top + 1, cx - 70, top + 20, "SR", anchor="end")
    return s


def support_pin_serrated():
    s = Svg(W, H)
    caption(s, "C型 网纹支承钉")
    cx, top, k = 120, 38, 6
    turned_part(s, cx, top, [(8, 0.8), (8, 8), (4, 8), (4, 19.5), (3.5, 20)], k)
    teeth = []
    pitch = 1.6
    x = -8.0
    while x < 8 - 1e-9:
        teeth += [(cx + x * k, top + 0.8 * k), (cx + (x + pitch / 2) * k, top)]
        x += pitch
    teeth.append((cx + 8 * k, top + 0.8 * k))
    s.polyline(teeth, 1.2)
    s.dim_h(cx - 48, cx + 48, top - 12, top, top, "φD")
    s.dim_v(top, top + 48, cx + 70, cx + 48, cx + 48, "H")
    s.dim_v(top, top + 120, cx + 98, cx + 48, cx + 24, "L")
    s.dim_h(cx - 24, cx + 24, top + 138, top + 120, top + 120, "φd (r6)", below=True)
    s.leader(cx - 40, top + 3, cx - 66, top + 34, "网纹", anchor="end")
    return s


def support_plate(grooved):
    s = Svg(W, H)
    caption(s, "B型 支承板（带斜槽）" if grooved else "A型 支承板")
    x0, x1 = 40, 250
    # Front view: plate with counterbored holes shown hidden.
    fy, fh = 36, 26
    s.rect(x0, fy, x1 - x0, fh)
    holes = [x0 + 45, x1 - 45]
    for hx in holes:
        s.hidden(hx - 9, fy, hx - 9, fy + 9)
        s.hidden(hx + 9, fy, hx + 9, fy + 9)
        s.hidden(hx - 9, fy + 9, hx + 9, fy + 9)
        s.hidden(hx - 5, fy + 9, hx - 5, fy + fh)
        s.hidden(hx + 5, fy + 9, hx + 5, fy + fh)
        s.center(hx, fy - 6, hx, fy + fh + 6)
    s.dim_v(fy, fy + fh, x1 + 18, x1, x1, "H")
    # Top view.
    ty, th = 92, 60
    s.rect(x0, ty, x1 - x0, th)
    s.center(x0 - 8, ty + th / 2, x1 + 8, ty + th / 2)
    for hx in holes:
        s.circle(hx, ty + th / 2, 9)
        s.circle(hx, ty + th / 2, 5)
        s.center(hx, ty - 6, hx, ty + th + 6)
        if grooved:
            for off in (-14, 14):
                s.line(hx + off - 10, ty, hx + off + 10, ty + th, 1.0)
    s.dim_h(x0, x1, ty + th + 20, ty + th, ty + th, "L", below=True)
    s.dim_h(x0, holes[0], ty - 14, ty, ty, "l")
    s.dim_h(holes[0], holes[1], ty - 14, ty, ty, "A")
    s.dim_v(ty, ty + th, x1 + 18, x1, x1, "B")
    return s


def adjustable_support():
    s = Svg(W, H)
    caption(s, "可调支承")
    cx = 130
    body_top, body_bot = 118, 180
    hole = 11
    left_ring = [(40, body_top), (cx - hole, body_top), (cx - hole, body_bot), (40, body_bot)]
    right_ring = [(cx + hole, body_top), (235, body_top), (235, body_bot), (cx + hole, body_bot)]
    for ring in (left_ring, right_ring):
        s.polyline(ring, 1.4, True)
        s.hatch([ring], 6)
    # Screw shank with thread roots.
    s.rect(cx - hole, 74, 2 * hole, 104)
    s.line(cx - hole + 3, 100, cx - hole + 3, 176, THIN)
    s.line(cx + hole - 3, 100, cx + hole - 3, 176, THIN)
    # Hex head with a spherical top.
    s.rect(cx - 20, 52, 40, 22)
    s.line(cx - 7, 52, cx - 7, 74, 1.0)
    s.line(cx + 7, 52, cx + 7, 74, 1.0)
    s.polyline(arc_points(cx, 78, 30, 138, 42, 16), 1.6)
    # Lock nut.
    s.rect(cx - 26, 100, 52, 18)
    s.line(cx - 9, 100, cx - 9, 118, 1.0)
    s.line(cx + 9, 100, cx + 9, 118, 1.0)
    s.center(cx, 38, cx, 188)
    s.leader(cx + 16, 62, 200, 48, "调节螺钉")
    s.leader(cx + 22, 108, 200, 92, "锁紧螺母")
    s.leader(200, 150, 250, 140, "夹具体")
    s.leader(cx - 8, 51, 70, 38, "工件支承点", anchor="end")
    return s


# Locating pins and mandrels ---------------------------------------------

PIN = [(4, 0), (5, 3), (5, 12), (8, 12), (8, 16), (5, 16), (5, 29.5), (4.5, 30)]


def pin_fixed():
    s = Svg(W, H)
    caption(s, "A型 固定式定位销（圆柱销）")
    cx, top, k = 120, 44, 4.4
    turned_part(s, cx, top, PIN, k)
    s.dim_h(cx - 5 * k, cx + 5 * k, top - 8, top + 3 * k, top + 3 * k, "φD")
    s.dim_v(top, top + 12 * k, cx + 60, cx + 5 * k, cx + 5 * k, "H")
    s.leader(cx + 8 * k - 2, top + 14 * k, cx + 60, top + 19 * k, "φD1")
    s.leader(cx - 5 * k, top + 24 * k, cx - 50, top + 27 * k, "φd (r6)", anchor="end")
    return s


def pin_diamond():
    s = Svg(W, H)
    caption(s, "B型 固定式定位销（菱形销）")
    cx, top, k = 80, 44, 4.4
    turned_part(s, cx, top, PIN, k)
    # The relieved flats seen across the centre line.
    s.line(cx - 9, top + 3 * k, cx - 9, top + 12 * k, 1.0)
    s.line(cx + 9, top + 3 * k, cx + 9, top + 12 * k, 1.0)
    s.dim_v(top, top + 12 * k, cx + 52, cx + 5 * k, cx + 5 * k, "H")
    # Top view: lands of width b across the line of centres, flats to B.
    vx, vy, r = 220, 96, 46
    half_b = 16
    yb = math.sqrt(r * r - half_b * half_b)
    half_w = 36
    top_land = arc_points(vx, vy, r, 90 + math.degrees(math.asin(half_b / r)),
                          90 - math.degrees(math.asin(half_b / r)), 8)
    bottom_land = arc_points(vx, vy, r, 270 + math.degrees(math.asin(half_b / r)),
                             270 - math.degrees(math.asin(half_b / r)), 8)
    outline = top_land + [(vx + half_w, vy)] + bottom_land + [(vx - half_w, vy)]
    s.polyline(outline, 1.6, True)
    s.circle(vx, vy, r, THIN, dash="4,3")
    s.center(vx - r - 10, vy, vx + r + 10, vy)
    s.center(vx, vy - r - 10, vx, vy + r + 10)
    s.dim_h(vx - half_b, vx + half_b, vy - yb - 14, vy - yb, vy - yb, "b")
    s.dim_h(vx - half_w, vx + half_w, vy + r + 24, vy, vy, "B", below=True)
    s.text(vx, vy + r + 56 - 8, "两孔连心线方向 →", 10, "middle")
    return s


def mandrel_cylindrical():
    s = Svg(W, H)
    caption(s, "圆柱心轴（间隙配合）")
    top, k = 100, 3.2
    # Drawn horizontally: collar, locating part, threaded end.
    parts = [(0, 10, 9), (10, 16, 14), (16, 56, 10), (56, 70, 7)]
    x0 = 40
    for a, b, r in parts:
        s.rect(x0 + a * k, top - r * k, (b - a) * k, 2 * r * k)
    s.center(x0 - 10, top, x0 + 70 * k + 10, top)
    for thread_x in range(int(x0 + 56 * k) + 4, int(x0 + 70 * k), 6):
        s.line(thread_x, top - 7 * k, thread_x, top - 6 * k, THIN)
    s.line(x0 + 56 * k, top - 6 * k, x0 + 70 * k, top - 6 * k, THIN)
    s.line(x0 + 56 * k, top + 6 * k, x0 + 70 * k, top + 6 * k, THIN)
    s.dim_v(top - 10 * k, top + 10 * k, x0 + 36 * k, x0 + 36 * k, x0 + 36 * k, "φd (g6)")
    s.dim_h(x0 + 16 * k, x0 + 56 * k, top + 10 * k + 22, top + 10 * k, top + 10 * k, "定位长度 l", below=True)
    s.leader(x0 + 13 * k, top - 14 * k + 2, x0 + 24 * k, top - 14 * k - 16, "定位台肩")
    s.leader(x0 + 66 * k, top + 5 * k, x0 + 60 * k, top + 13 * k + 8, "夹紧螺纹")
    return s


def mandrel_taper():
    s = Svg(W, H)
    caption(s, "小锥度心轴（锥度 1:1000～1:8000）")
    top, k = 100, 3.2
    x0 = 34
    s.polyline([(x0, top - 6 * k), (x0 + 6 * k, top - 8 * k), (x0 + 6 * k, top + 8 * k), (x0, top + 6 * k)], 1.6, True)
    # The taper is exaggerated so that it can be seen.
    s.polyline([(x0 + 6 * k, top - 9.5 * k), (x0 + 70 * k, top - 8 * k), (x0 + 70 * k, top + 8 * k),
                (x0 + 6 * k, top + 9.5 * k)], 1.6, True)
    s.polyline([(x0 + 70 * k, top - 5 * k), (x0 + 76 * k, top - 5 * k), (x0 + 76 * k, top + 5 * k),
                (x0 + 70 * k, top + 5 * k)], 1.6, True)
    s.center(x0 - 10, top, x0 + 76 * k + 10, top)
    s.dim_v(top - 9.5 * k, top + 9.5 * k, x0 - 4, x0 + 6 * k, x0 + 6 * k, "φdM1")
    s.dim_v(top - 8 * k, top + 8 * k, x0 + 70 * k + 36, x0 + 70 * k, x0 + 70 * k, "φdM2")
    s.dim_h(x0 + 6 * k, x0 + 70 * k, top + 9.5 * k + 20, top + 9.5 * k, top + 8 * k, "工作长度 LK", below=True)
    s.text(x0 + 38 * k, top - 11 * k - 8, "锥度 K=(dM1-dM2)/LK", 12, "middle")
    return s


# V-blocks ----------------------------------------------------------------

def v_block_fixed():
    s = Svg(W, H)
    caption(s, "固定V形块（α=90°）")
    cx, top, base = 150, 70, 160
    half_n = 42
    apex = top + half_n
    outline = [(70, base), (70, top), (cx - half_n, top), (cx - 4, apex - 4), (cx - 4, apex + 6),
               (cx + 4, apex + 6), (cx + 4, apex - 4), (cx + half_n, top), (230, top), (230, base)]
    s.polyline(outline, 1.6, True)
    r = 32
    cy = apex - r * math.sqrt(2)
    s.circle(cx, cy, r, 1.0, dash="8,3")
    s.center(cx - r - 10, cy, cx + r + 10, cy)
    s.center(cx, cy - r - 8, cx, base + 8)
    for hx in (95, 205):
        s.hidden(hx - 6, top, hx - 6, top + 10)
        s.hidden(hx + 6, top, hx + 6, top + 10)
        s.hidden(hx - 6, top + 10, hx + 6, top + 10)
        s.hidden(hx - 3.5, top + 10, hx - 3.5, base)
        s.hidden(hx + 3.5, top + 10, hx + 3.5, base)
    s.dim_h(cx - half_n, cx + half_n, cy - r - 6, top, top, "N")
    s.dim_v(top, base, 252, 230, 230, "H")
    s.dim_v(cy, base, 48, cx - r, 70, "T")
    s.polyline(arc_points(cx, apex, 20, 135, 45, 10), THIN)
    s.text(cx, apex - 24, "α", 12, "middle")
    s.text(cx + r + 8, cy - 6, "标准心轴 φD", 11)
    return s


def v_block_movable():
    s = Svg(W, H)
    caption(s, "活动V形块（与固定V形块对置定心夹紧）")
    cy = 108
    r = 30
    cx = 130
    # Fixed V on the left, opening to the right.
    apex = cx - r * math.sqrt(2)
    left_ring = [(40, cy - 44), (apex + 30, cy - 44), (apex + 30, cy - 30), (apex, cy), (apex + 30, cy + 30),
                 (apex + 30, cy + 44), (40, cy + 44)]
    s.polyline(left_ring, 1.6, True)
    s.hatch([left_ring], 7)
    s.circle(cx, cy, r, 1.6)
    s.center(cx - r - 8, cy, cx + r + 8, cy)
    s.center(cx, cy - r - 8, cx, cy + r + 8)
    # Movable V on the right, in its guide.
    vx = cx + r * math.sqrt(2)
    mv = [(vx, cy), (vx - 30, cy - 30), (vx - 30, cy - 44), (vx + 60, cy - 44), (vx + 60, cy + 44),
          (vx - 30, cy + 44), (vx - 30, cy + 30)]
    s.polyline(mv, 1.6, True)
    s.hatch([mv], 7, -45)
    s.line(vx - 20, cy - 50, vx + 90, cy - 50, 1.2)
    s.line(vx - 20, cy + 50, vx + 90, cy + 50, 1.2)
    s.rect(vx + 60, cy - 6, 58, 12)
    s.line(vx + 118, cy - 20, vx + 118, cy + 20, 2.4)
    s.arrow(vx + 100, cy - 28, vx + 72, cy - 28, 1.4)
    s.text(cx, 190, "工件", 12, "middle")
    s.text(55, 190, "固定V形块", 11)
    s.text(vx + 10, 190, "活动V形块", 11)
    s.text(vx + 78, cy - 34, "推进", 11)
    return s


def v_block_adjustable():
    s = Svg(W, H)
    caption(s, "调整V形块（侧面螺钉调整位置）")
    cx, top, base = 130, 70, 150
    half_n = 38
    apex = top + half_n
    outline = [(70, base), (70, top), (cx - half_n, top), (cx, apex), (cx + half_n, top), (190, top),
               (190, base)]
    s.polyline(outline, 1.6, True)
    # Guide below, with the adjusting screw and its lock nut on the right.
    s.rect(40, base, 200, 22)
    s.hatch([[(40, base), (240, base), (240, base + 22), (40, base + 22)]], 7)
    s.rect(240, base - 34, 14, 56)
    s.rect(190, top + 34, 80, 10)
    s.rect(270, top + 30, 12, 18)
    s.rect(226, top + 30, 10, 18)
    s.center(180, top + 39, 292, top + 39)
    s.circle(cx, apex - 30 * math.sqrt(2), 30, 1.0, dash="8,3")
    s.leader(276, top + 30, 240, top - 6, "调整螺钉", anchor="end")
    s.text(48, base + 40, "导向底座", 11)
    s.arrow(150, base - 10, 110, base - 10, 1.0, size=8)
    s.arrow(110, base - 10, 150, base - 10, 1.0, size=8)
    return s


# Picture pages -------------------------------------------------------------

def page_two_pins():
    s = Svg(640, 480)
    s.text(320, 32, "一面两销定位简图", 20, "middle", weight="bold")
    # Workpiece plate in plan view.
    x0, y0, x1, y1 = 70, 100, 570, 330
    s.rect(x0, y0, x1 - x0, y1 - y0)
    c1, c2, cy = 170, 470, 215
    for cxp in (c1, c2):
        s.circle(cxp, cy, 40, 1.6)
        s.center(cxp - 52, cy, cxp + 52, cy)
        s.center(cxp, cy - 52, cxp, cy + 52)
    # Cylindrical pin (section) in hole 1.
    pin1 = circle_ring(c1, cy, 37, 60)
    s.polyline(pin1, 1.4, True)
    s.hatch([pin1], 6)
    # Diamond pin in hole 2: lands across the line of centres.
    r = 37
    hb = 14
    land = math.degrees(math.asin(hb / r))
    outline = (arc_points(c2, cy, r, 90 + land, 90 - land, 8) + [(c2 + 26, cy)] +
               arc_points(c2, cy, r, 270 + land, 270 - land, 8) + [(c2 - 26, cy)])
    s.polyline(outline, 1.4, True)
    s.hatch([outline], 6)
    s.dim_h(c1, c2, 80, cy - 52, cy - 52, "L ± δLD（孔距）  /  L ± δLd（销距）", 13)
    s.dim_h(c2 - hb, c2 + hb, cy - r - 14, cy - r, cy - r, "b", 12)
    s.leader(c1 - 26, cy + 26, 110, 380, "圆柱销 φd1（g6、f7）")
    s.leader(c2 + 20, cy + 22, 460, 380, "菱形销 φd2（h6、h7）")
    s.text(c1 - 30, cy - 46, "孔1 φD1", 13, "end")
    s.text(c2 + 30, cy - 46, "孔2 φD2", 13)
    s.text(x1 - 8, y1 - 10, "工件（底平面支承在三点上）", 13, "end")
    s.text(320, 440, "X1 = D1min - d1max；a2 = δLD + δLd - X1/2；X2min = 2·a2·b/D2min", 14, "middle")
    s.text(320, 464, "转角误差 Δα = arctan[(X1max + X2max)/(2L)]", 14, "middle")
    return s


def page_v_geometry():
    s = Svg(640, 480)
    s.text(320, 32, "V形块的结构尺寸与检验尺寸 T", 20, "middle", weight="bold")
    cx, top, base = 300, 190, 400
    half_n = 90
    apex = top + half_n
    outline = [(110, base), (110, top), (cx - half_n, top), (cx - 6, apex - 6), (cx - 6, apex + 16),
               (cx + 6, apex + 16), (cx + 6, apex - 6), (cx + half_n, top), (490, top), (490, base)]
    s.polyline(outline, 2.0, True)
    r = 80
    cy = apex - r * math.sqrt(2)
    s.circle(cx, cy, r, 1.6)
    s.center(cx - r - 16, cy, cx + r + 60, cy)
    s.center(cx, cy - r - 14, cx, base + 14)
    # Tangent points.
    for sx in (-1, 1):
        tx, ty = cx + sx * r / math.sqrt(2), cy + r / math.sqrt(2)
        s.circle(tx, ty, 3, 1.0, "black")
    s.dim_h(cx - half_n, cx + half_n, top - 14, top, top, "", 13)
    s.text(cx - half_n - 10, top - 10, "N（开口尺寸）", 13, "end")
    s.dim_v(top, base, 530, 490, 490, "H", 14)
    s.dim_v(cy, base, 580, cx + r + 60, 490, "T", 14)
    s.dim_v(cy, top, 420, cx + r + 40, cx + half_n, "a", 13)
    s.polyline(arc_points(cx, apex, 46, 135, 45, 16), 1.0)
    s.text(cx, apex - 52, "α", 15, "middle")
    s.dim_h(cx - r, cx + r, cy - r - 24, cy, cy, "φD（标准心轴）", 13)
    s.text(320, 440, "T = H + 0.5·[D/sin(α/2) - N/tan(α/2)]；N = 2·tan(α/2)·[D/(2·sin(α/2)) - a]", 14, "middle")
    s.text(320, 464, "α=90°：T = H + 0.707D - 0.5N；α=120°：T = H + 0.577D - 0.289N", 14, "middle")
    return s


def page_eccentric():
    s = Svg(640, 480)
    s.text(320, 32, "圆偏心夹紧的几何关系", 20, "middle", weight="bold")
    ox, oy = 250, 170
    k = 4.4
    R, e = 25, 5
    g = 110
    # The disc centre O1 lies at e from the pivot O, turned by g from the
    # position farthest from the workpiece (g = 0: contact at R - e).
    o1x = ox - e * k * math.sin(math.radians(g))
    o1y = oy - e * k * math.cos(math.radians(g))
    contact_y = o1y + R * k
    s.circle(o1x, o1y, R * k, 2.0)
    s.circle(ox, oy, 16, 1.6)
    s.center(ox - 30, oy, ox + 30, oy)
    s.center(ox, oy - 60, ox, contact_y + 10)
    s.center(o1x - 12, o1y, o1x + 12, o1y)
    s.center(o1x, o1y - 12, o1x, o1y + 12)
    s.circle(ox, oy, 2.5, 1, "black")
    s.circle(o1x, o1y, 2.5, 1, "black")
    s.text(ox + 22, oy + 30, "O（转轴，半径 r0）", 13)
    s.text(o1x - 4, o1y + 20, "O1", 13, "end")
    s.line(ox, oy, o1x, o1y, 1.4)
    s.text((ox + o1x) / 2 - 2, (oy + o1y) / 2 - 6, "e", 14, "end", italic=True)
    # Workpiece surface and contact point.
    wx = o1x
    s.line(60, contact_y, 560, contact_y, 2.0)
    s.hatch([[(60, contact_y), (560, contact_y), (560, contact_y + 24), (60, contact_y + 24)]], 8)
    s.circle(wx, contact_y, 3.5, 1, "black")
    s.text(wx - 8, contact_y - 8, "P", 13, "end")
    s.line(ox, oy, wx, contact_y, 1.0, "6,3")
    s.text((ox + wx) / 2 - 6, (oy + contact_y) / 2 + 20, "ρ", 15, "end")
    s.text(566, contact_y + 18, "工件", 13)
    # Rotation angle from the lowest position of O1.
    s.polyline(arc_points(ox, oy, 40, 90, 90 + g, 16), 1.0)
    s.text(ox + 52 * math.cos(math.radians(90 + g / 2)), oy - 52 * math.sin(math.radians(90 + g / 2)), "γ", 15,
           "middle")
    # Handle and forces.
    hx, hy = ox + 280, oy - 90
    s.line(ox + 14, oy - 5, hx, hy, 4.0)
    s.arrow(hx - 16, hy - 56, hx - 2, hy - 8, 2.0, size=14)
    s.text(hx - 22, hy - 60, "Q", 15, "end")
    s.dim(ox, oy, hx, hy, 30, "L", 14)
    s.arrow(wx + 110, contact_y - 60, wx + 110, contact_y - 4, 2.0, size=14)
    s.text(wx + 118, contact_y - 30, "W（作用于 P 点）", 14)
    s.line(o1x, o1y, o1x + R * k * math.cos(math.radians(-40)), o1y - R * k * math.sin(math.radians(-40)), 1.0)
    s.text(o1x + 60, o1y + 62, "R", 14, italic=True)
    s.text(320, 400, "升角 α = arctan[e·sinγ/(R - e·cosγ)]；ρ = √(R² + e² - 2R·e·cosγ)；升程 h = e·(1 - cosγ)", 13, "middle")
    s.text(320, 426, "夹紧力 W = Q·L/[e·sinγ + f1·(R - e·cosγ) + f0·r0]", 13, "middle")
    s.text(320, 452, "自锁条件（保守）：e/R ≤ f1，即 D/e ≥ 14～20；γ 自 O1 位于 O 正上方（离工件最远）时量起", 13, "middle")
    return s


def page_strap_clamp():
    s = Svg(640, 480)
    s.text(320, 32, "移动压板（螺旋压板）夹紧简图", 20, "middle", weight="bold")
    base = 360
    # Fixture body.
    body = [(60, base), (580, base), (580, base + 40), (60, base + 40)]
    s.polyline(body, 1.6, True)
    s.hatch([body], 9)
    # Workpiece.
    wp = [(400, 260), (560, 260), (560, base), (400, base)]
    s.polyline(wp, 1.8, True)
    s.text(480, 320, "工件", 14, "middle")
    # Heel support (支承钉) under the far end of the strap.
    s.rect(110, 262, 30, base - 262)
    s.text(125, 320, "支承", 12, "middle")
    # Strap.
    strap = [(100, 232), (440, 232), (440, 260), (100, 260)]
    s.polyline(strap, 2.0, True)
    s.hatch([strap], 7, -45)
    # Stud, spherical washer and nut.
    sx = 270
    s.rect(sx - 10, 180, 20, base - 180 + 40)
    s.rect(sx - 24, 216, 48, 16)
    s.rect(sx - 22, 190, 44, 26)
    s.line(sx - 8, 190, sx - 8, 216, 1.0)
    s.line(sx + 8, 190, sx + 8, 216, 1.0)
    s.center(sx, 168, sx, base + 52)
    s.polyline([(sx - 14, 300), (sx + 14, 306), (sx - 14, 312), (sx + 14, 318), (sx - 14, 324), (sx + 14, 330),
                (sx - 14, 336), (sx + 14, 342)], 1.0)
    s.leader(sx + 22, 200, 360, 170, "螺母与球面垫圈")
    s.leader(sx + 12, 322, 350, 300, "弹簧")
    s.leader(sx + 4, 380, 320, 440, "螺柱")
    # Forces and arms.
    s.arrow(sx, 130, sx, 176, 2.0, size=14)
    s.text(sx + 10, 150, "Q（螺母拉力）", 14)
    s.arrow(425, 220, 425, 256, 2.0, size=14)
    s.text(425, 210, "W", 15, "middle")
    s.dim_h(125, sx, 110, 232, 180, "L1", 14)
    s.dim_h(sx, 425, 110, 180, 232, "L2", 14)
    s.text(320, 470, "W = Q·L1/(L1 + L2)·η，η ≈ 0.85～0.95；螺母在中间时 W ≈ Q/2", 14, "middle")
    return s


def page_drill_bush():
    """A fixed drill bush (type B, with collar) in the drill plate, guiding a
    twist drill into the workpiece; H, h and d dimensioned."""
    s = Svg(600, 380)
    cx = 300
    top, plate_top, plate_bottom = 70, 86, 150
    work_top, work_bottom = 206, 330
    # Drill plate, cut on both sides of the bush.
    left = [(40, plate_top), (cx - 50, plate_top), (cx - 50, plate_bottom), (40, plate_bottom)]
    right = [(cx + 50, plate_top), (560, plate_top), (560, plate_bottom), (cx + 50, plate_bottom)]
    for part in (left, right):
        s.polyline(part, 1.6, True)
        s.hatch([part], 8)
    # Bush walls with the collar on top, hatched the other way.
    for side in (-1, 1):
        wall = [(cx + side * 20, top), (cx + side * 66, top), (cx + side * 66, plate_top),
                (cx + side * 50, plate_top), (cx + side * 50, plate_bottom), (cx + side * 20, plate_bottom)]
        s.polyline(wall, 1.6, True)
        s.hatch([wall], 5, -45)
    # Workpiece with the hole being drilled.
    depth = 262
    work = [(120, work_top), (cx - 18, work_top), (cx - 18, depth), (cx, depth + 11), (cx + 18, depth),
            (cx + 18, work_top), (480, work_top), (480, work_bottom), (120, work_bottom)]
    s.polyline(work, 1.6, True)
    s.hatch([work], 9)
    # Twist drill: shank above the bush, body through it, point at the bottom.
    s.polyline([(cx - 18, 24), (cx - 18, depth), (cx, depth + 11), (cx + 18, depth), (cx + 18, 24)], 1.2)
    for y in range(40, depth - 10, 26):
        s.line(cx - 18, y, cx + 18, y + 16, THIN)
    s.center(cx, 12, cx, work_bottom + 16)
    # Dimensions.
    s.dim_h(cx - 20, cx + 20, 44, top, top, "d", 13)
    s.dim_v(top, plate_bottom, 590 - 40, cx + 66, 560, "H", 13)
    s.dim_v(plate_bottom, work_top, 590 - 40, cx + 50, 480, "h", 13)
    s.dim_h(cx - 50, cx + 50, 176, plate_bottom, plate_bottom, "D", 13, below=True)
    # Names.
    s.leader(110, 118, 70, 58, "钻模板")
    s.leader(cx - 58, 80, 190, 30, "钻套")
    s.leader(cx - 10, 120, 150, 190, "钻头", anchor="end")
    s.leader(200, 290, 80, 360, "工件")
    s.text(cx, 374, "H — 钻套导引高度；h — 排屑间隙；d — 导引孔径；D — 钻套外径", 13, "middle")
    return s


CARD_DRAWINGS = {
    "zhichengding-a": support_pin_flat, "zhichengding-b": support_pin_ball,
    "zhichengding-c": support_pin_serrated, "zhichengban-a": lambda: support_plate(False),
    "zhichengban-b": lambda: support_plate(True), "ketiaozhicheng": adjustable_support,
    "dingweixiao-a": pin_fixed, "dingweixiao-b": pin_diamond, "yuanzhuxinzhou": mandrel_cylindrical,
    "zhuiduxinzhou": mandrel_taper, "vxingkuai-guding": v_block_fixed, "vxingkuai-huodong": v_block_movable,
    "vxingkuai-tiaozheng": v_block_adjustable,
}

PAGE_DRAWINGS = {
    "yimianliangxiao": page_two_pins, "vxingkuai-jiegou": page_v_geometry,
    "pianxin-jihe": page_eccentric, "yidongyaban": page_strap_clamp,
}


# Drawings inside text pages: "KEY/NAME" under content/myhtm.
TEXT_PAGE_DRAWINGS = {"zuantao/zuantao": page_drill_bush}


def main():
    os.makedirs(CARDS, exist_ok=True)
    for key, draw in CARD_DRAWINGS.items():
        draw().save(os.path.join(CARDS, key + ".svg"))
    for key, draw in PAGE_DRAWINGS.items():
        draw().save(os.path.join(PAGES, key + ".svg"))
    for key, draw in TEXT_PAGE_DRAWINGS.items():
        draw().save(os.path.join(TEXT_PAGES, key + ".svg"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
