#!/usr/bin/env python3
"""Draws the positioning calculators' pictures: the schematics of the item
tables (content/sjdata/pics) and the fixed schematics that the windows carry
(src/design/pictures/WINDOW/COMPONENT.svg).

Every drawing names its quantities with the symbols of the formulas beside it.
"""
import math
import os

from svgkit import Svg, THIN, arc_points, circle_ring

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE_PICS = os.path.join(HERE, "..", "..", "content", "sjdata", "pics")
FIXED = os.path.join(HERE, "..", "..", "src", "design", "pictures")


def caption(svg, text):
    svg.text(8, 18, text, 13, weight="bold")


def angle_mark(s, cx, cy, r, a1, a2, label, lx, ly):
    s.polyline(arc_points(cx, cy, r, a1, a2, 12), THIN)
    s.text(lx, ly, label, 12, "middle")


# Item-table schematics ---------------------------------------------------

def v_groove(s, cx, apex, half_angle, depth, width_half):
    """A V-groove body; returns the outline's top y."""
    t = math.tan(math.radians(half_angle))
    top = apex - depth
    xo = depth * t
    pts = [(cx - width_half, apex + 40), (cx - width_half, top), (cx - xo, top), (cx, apex),
           (cx + xo, top), (cx + width_half, top), (cx + width_half, apex + 40)]
    s.polyline(pts, 1.6, True)
    s.hatch([pts], 7)
    return top


def tsbm_vgroove():
    s = Svg(320, 240)
    caption(s, "棱形导轨在V形导轨槽中定位")
    cx, apex = 160, 180
    v_groove(s, cx, apex, 45, 70, 130)
    # The prism (part) sits on the flanks; dashed: the narrower prism lower.
    for shift, dash in ((0, None), (14, "6,3")):
        y0 = 104 + shift
        pts = [(cx - 60, y0 - 44), (cx + 60, y0 - 44), (cx + 60, y0), (cx + 40, y0), (cx, y0 + 40),
               (cx - 40, y0), (cx - 60, y0)]
        if dash:
            s.polyline(pts[2:6], 1.0, dash=dash)
        else:
            s.polyline(pts, 1.6, True, fill="#eef2f8")
    s.center(cx, 44, cx, apex + 10)
    s.dim_h(cx - 40, cx + 40, 96, 104, 104, "B±TB/2")
    s.dim_v(104 + 40, 104 + 54, 248, cx + 14, cx + 14, "ΔHv")
    angle_mark(s, cx, apex, 26, 225, 315, "α", cx, apex - 30)
    s.text(cx, 58, "工件", 12, "middle")
    return s


def tsbm_rod():
    s = Svg(320, 240)
    caption(s, "圆柱量棒检验V形槽")
    cx, apex = 160, 190
    v_groove(s, cx, apex, 45, 90, 130)
    r = 36
    cy = apex - r * math.sqrt(2)
    s.circle(cx, cy, r, 1.6, fill="#eef2f8")
    s.center(cx - r - 12, cy, cx + r + 12, cy)
    s.center(cx, cy - r - 10, cx, apex + 8)
    s.dim_v(cy, apex, 266, cx, cx, "h")
    s.line(cx + 2, apex, 270, apex, THIN)
    s.dim(cx - r * 0.707, cy + r * 0.707, cx + r * 0.707, cy - r * 0.707, -8, "d")
    angle_mark(s, cx, apex, 22, 225, 315, "α", cx, apex - 26)
    return s


def tsbm_dovetail():
    s = Svg(320, 240)
    caption(s, "两量棒检验燕尾导轨")
    base, top = 190, 110
    a = math.radians(55)
    dx = (base - top) / math.tan(a)
    b_half = 70
    pts = [(20, base + 30), (20, base), (160 - b_half, base), (160 - b_half - dx, top),
           (160 + b_half + dx, top), (160 + b_half, base), (300, base), (300, base + 30)]
    s.polyline(pts, 1.6, True, fill="#eef2f8")
    r = 16
    off = r / math.tan(a / 2)
    for side in (-1, 1):
        x = 160 + side * (b_half + off)
        s.circle(x, base - r, r, 1.4)
        s.center(x, base - r - 22, x, base + 8)
    s.dim_h(160 - b_half, 160 + b_half, base + 20, base, base, "B", below=True)
    m_half = b_half + off + r
    s.dim_h(160 - m_half, 160 + m_half, 60, base - r, base - r, "M")
    s.dim(160 + b_half + off - r * 0.707, base - r - r * 0.707, 160 + b_half + off + r * 0.707,
          base - r + r * 0.707, 10, "d")
    angle_mark(s, 160 - b_half, base, 22, 180, 180 + 55, "α", 160 - b_half - 30, base - 6)
    return s


def hole_and_pin(s, cx, cy, hole_r, pin_r, shift_x, shift_y):
    s.circle(cx, cy, hole_r, 1.6)
    s.circle(cx + shift_x, cy + shift_y, pin_r, 1.4, fill="#dde6f2")
    s.center(cx - hole_r - 12, cy, cx + hole_r + 12, cy)
    s.center(cx, cy - hole_r - 12, cx, cy + hole_r + 12)


def zhbm_fit():
    s = Svg(320, 240)
    caption(s, "孔与定位销的间隙配合")
    cx, cy = 140, 130
    hole_r, pin_r = 80, 66
    s.polyline(circle_ring(cx, cy, hole_r + 30, 60), 0.01, True, fill="none")
    ring = circle_ring(cx, cy, hole_r + 28, 60)
    s.hatch([ring, circle_ring(cx, cy, hole_r, 60)], 7)
    s.circle(cx, cy, hole_r + 28, 1.2)
    hole_and_pin(s, cx, cy, hole_r, pin_r, 0, 0)
    s.text(cx, cy + 4, "定位销 d", 13, "middle")
    s.dim_h(cx + pin_r, cx + hole_r, cy - 14, cy, cy, "X/2")
    s.leader(cx - 56, cy - 57, 250, 32, "孔 H(Hmin~Hmax)")
    s.leader(cx + 40, cy + 52, 250, 214, "销 d(dmin~dmax)")
    return s


def zhbm_any():
    s = Svg(320, 240)
    caption(s, "孔可在任意方向与销接触")
    cx, cy = 160, 130
    hole_r, pin_r = 76, 60
    gap = hole_r - pin_r
    for sx, dash in ((-gap, None), (gap, "6,3")):
        if dash:
            s.circle(cx - sx, cy, hole_r, 1.0, dash=dash)
        else:
            s.circle(cx - sx, cy, hole_r, 1.6)
    s.circle(cx, cy, pin_r, 1.4, fill="#dde6f2")
    s.center(cx - hole_r - gap - 14, cy, cx + hole_r + gap + 14, cy)
    s.center(cx, cy - hole_r - 12, cx, cy + hole_r + 12)
    s.center(cx - gap, cy - 8, cx - gap, cy + 8)
    s.center(cx + gap, cy - 8, cx + gap, cy + 8)
    s.dim_h(cx - gap, cx + gap, 36, cy - 10, cy - 10, "ΔY=Xmax")
    s.text(cx, cy + 4, "销", 13, "middle")
    return s


def zhbm_one():
    s = Svg(320, 240)
    caption(s, "工件始终靠向销的一侧")
    cx, cy = 160, 130
    hole_r, pin_r = 76, 60
    big, small = 76, 70
    s.circle(cx + (big - pin_r), cy, big, 1.6)
    s.circle(cx + (small - pin_r), cy, small, 1.0, dash="6,3")
    s.circle(cx, cy, pin_r, 1.4, fill="#dde6f2")
    s.arrow(cx - pin_r - 60, cy + 40, cx - pin_r - 18, cy + 40)
    s.text(cx - pin_r - 60, cy + 34, "推向", 12)
    s.center(cx - pin_r - 14, cy, cx + big + 40, cy)
    x1, x2 = cx + (small - pin_r), cx + (big - pin_r)
    s.center(x1, cy - 90, x1, cy + 8)
    s.center(x2, cy - 90, x2, cy + 8)
    s.dim_h(x1, x2, 30, cy - 80, cy - 80, "ΔY=(TH+Td)/2")
    s.text(cx, cy + 4, "销", 13, "middle")
    return s


# Fixed schematics of the windows ------------------------------------------

def taper_mandrel():
    s = Svg(360, 240)
    caption(s, "小锥度心轴")
    cy = 130
    x0, xf, xk, xe = 30, 70, 250, 330
    rf, r2, r1, rh = 26, 28, 34, 22
    # pilot F, taper LK (exaggerated), shank l1
    outline = [(x0, cy - rf), (xf, cy - rf), (xf, cy - r2), (xk, cy - r1), (xk, cy - rh), (xe, cy - rh),
               (xe, cy + rh), (xk, cy + rh), (xk, cy + r1), (xf, cy + r2), (xf, cy + rf), (x0, cy + rf)]
    s.polyline(outline, 1.6, True, fill="#eef2f8")
    s.line(xf, cy - r2, xf, cy + r2, 1.0)
    s.line(xk, cy - r1, xk, cy + r1, 1.0)
    s.center(x0 - 12, cy, xe + 14, cy)
    # the workpiece bore wedged on the taper
    wx1, wx2 = 140, 200
    for sign in (-1, 1):
        y_in = cy + sign * (r2 + (r1 - r2) * (wx1 - xf) / (xk - xf))
        y_in2 = cy + sign * (r2 + (r1 - r2) * (wx2 - xf) / (xk - xf))
        y_out = cy + sign * 58
        s.polyline([(wx1, y_in), (wx1, y_out), (wx2, y_out), (wx2, y_in2)], 1.2, dash="6,3")
    s.text((wx1 + wx2) / 2, cy - 62, "工件", 12, "middle")
    s.dim_h(x0, xf, 40, cy - rf, cy - rf, "F")
    s.dim_h(xf, xk, 40, cy - r2, cy - r1, "LK")
    s.dim_h(xk, xe, 40, cy - r1, cy - rh, "l1")
    s.dim_h(x0, xe, 226, cy + rf, cy + rh, "L", below=False)
    s.dim_v(cy - r2, cy + r2, xf + 16, xf, xf, "dM2")
    s.dim_v(cy - r1, cy + r1, xk - 16, xk, xk, "dM1")
    s.text(180, 206, "锥度 K=(dM1-dM2)/LK", 12, "middle")
    return s


def v_block():
    s = Svg(340, 250)
    caption(s, "V形块结构尺寸与定位误差")
    cx, top, base = 170, 100, 215
    half_n = 60
    apex = top + half_n
    outline = [(60, base), (60, top), (cx - half_n, top), (cx, apex), (cx + half_n, top), (280, top),
               (280, base)]
    s.polyline(outline, 1.6, True)
    s.hatch([outline], 8)
    r = 52
    cy = apex - r * math.sqrt(2)
    s.circle(cx, cy, r, 1.6, fill="#eef2f8")
    s.center(cx - r - 12, cy, cx + r + 12, cy)
    s.center(cx, cy - r - 10, cx, base + 8)
    s.dim_h(cx - half_n, cx + half_n, top - 6, top, top, "N", below=True)
    s.dim_v(top, base, 302, 280, 280, "H")
    s.dim_v(cy, base, 38, cx - r, 60, "T")
    s.dim_v(cy, top, 254, cx + r, cx + half_n, "a")
    angle_mark(s, cx, apex, 18, 225, 315, "α", cx, apex - 22)
    s.text(cx + 30, cy - r - 4, "φD(Td)", 12)
    s.text(cx - 34, cy - r + 6, "上母线", 11, "end")
    s.text(cx - 40, cy + r - 4, "下母线", 11, "end")
    return s


def involute_tooth_space(s, cx, cy, rb, rp, ra, rf, z, center_angle, dash=None):
    """One tooth space of an external spur gear between two involutes,
    symmetric about center_angle (degrees, measured from +x, y up)."""
    alpha = math.acos(rb / rp)
    inv = math.tan(alpha) - alpha
    half_space = math.pi / (2 * z)

    def inv_pt(r, side):
        a = math.acos(rb / r) if r > rb else 0.0
        theta = half_space + inv - (math.tan(a) - a)
        ang = math.radians(center_angle) + side * theta
        return cx + r * math.cos(ang), cy - r * math.sin(ang)

    radii = [max(rb, rf) + (ra - max(rb, rf)) * i / 12 for i in range(13)]
    left = [inv_pt(r, -1) for r in radii]
    right = [inv_pt(r, 1) for r in radii]
    root_l, root_r = left[0], right[0]
    s.polyline(list(reversed(left)), 1.6, dash=dash)
    s.polyline(right, 1.6, dash=dash)
    s.line(root_l[0], root_l[1], root_r[0], root_r[1], 1.6)
    return left, right


def gear_picture(title, note, labels):
    s = Svg(340, 260)
    caption(s, title)
    m, z = 16.0, 24
    alpha = math.radians(20)
    rp = m * z / 2
    rb = rp * math.cos(alpha)
    ra, rf = rp + m, rp - 1.25 * m
    cx, cy = 170, 250
    span = 28
    # five tooth spaces around the top, joined by the tooth tips
    spaces = [involute_tooth_space(s, cx, cy, rb, rp, ra, rf, z, 90 + k * 360 / z) for k in range(-2, 3)]
    for (_, right), (left, _) in zip(spaces, spaces[1:]):
        s.line(right[-1][0], right[-1][1], left[-1][0], left[-1][1], 1.6)
    s.polyline(arc_points(cx, cy, rp, 90 - span, 90 + span, 30), THIN, dash="14,3,2,3")
    # pin in the middle space touching the flanks at the pitch circle
    aM = alpha + math.pi / (2 * z)
    rM = rb / math.cos(aM)
    rpin = rb * (math.tan(aM) - math.tan(alpha))
    s.circle(cx, cy - rM, rpin, 1.4, fill="#dde6f2")
    s.center(cx, cy - rM - rpin - 14, cx, cy - rf + 30)
    s.center(cx - rpin - 10, cy - rM, cx + rpin + 10, cy - rM)
    s.text(cx + rpin + 8, cy - rM - rpin - 2, labels[0], 12)
    s.text(cx + rp * math.sin(math.radians(span)) - 6, cy - rp * math.cos(math.radians(span)) + 16,
           "分度圆", 11, "end")
    # radial shift arrow
    s.arrow(cx - 70, cy - rM - 10, cx - 70, cy - rM + 14, 1.2, size=7)
    s.text(cx - 74, cy - rM + 2, labels[1], 12, "end")
    # the local V of the contact normals
    for side in (-1, 1):
        px = cx + side * rp * math.sin(math.pi / (2 * z))
        py = cy - rp * math.cos(math.pi / (2 * z))
        s.line(cx, cy - rM, px + (px - cx) * 0.9, py + (py - (cy - rM)) * 0.9, THIN, dash="4,2")
    angle_mark(s, cx, cy - rM, 16, 270 - math.degrees(alpha), 270 + math.degrees(alpha), "",
               cx, cy - rM + 30)
    s.text(cx + 22, cy - rM + 30, labels[2], 12)
    y = 226
    for line in note:
        s.text(12, y, line, 11)
        y += 15
    return s


def spur_gear():
    return gear_picture("直齿圆柱齿轮以齿面定位", ["量棒在分度圆上与齿面接触，接触点法线夹角为2α；",
                                                 "齿槽宽变动Ts使量棒中心沿径向位移ΔR=Ts/(2tanα)。"],
                        ["dp", "ΔR", "2α"])


def helical_gear():
    s = gear_picture("斜齿圆柱齿轮以齿面定位（端面）", ["端面内量棒与齿面在分度圆上接触；αt=arctan(tanαn/cosβ)，",
                                                      "ΔSt=ΔSn/cosβ，ΔR=ΔSt/(2tanαt)。"],
                     ["dp", "ΔR", "2αt"])
    # a small view of the helix: tooth traces at angle β
    x0, y0, w, h = 262, 30, 64, 60
    s.rect(x0, y0, w, h, 1.0)
    b = math.radians(15)
    for i in range(4):
        xa = x0 + 6 + i * 14
        s.line(xa, y0 + h, xa + h * math.tan(b), y0, THIN)
    s.text(x0 + w / 2, y0 + h + 14, "β", 12, "middle")
    return s


def bevel_gear():
    s = Svg(340, 260)
    caption(s, "直齿圆锥齿轮以齿面定位")
    ox, oy = 60, 200  # cone apex
    d = math.radians(26.565)
    R = 230
    # pitch cone generatrix and axis
    s.center(ox - 10, oy, 320, oy)
    px, py = ox + R * math.cos(d), oy - R * math.sin(d)
    s.line(ox, oy, px, py, THIN, dash="14,3,2,3")
    # tooth body (axial section): face width b along the generatrix
    b = 70
    ix, iy = ox + (R - b) * math.cos(d), oy - (R - b) * math.sin(d)
    nx, ny = -math.sin(d), -math.cos(d)
    ha, hf = 16, 20
    pts = [(ix + nx * ha * (R - b) / R, iy + ny * ha * (R - b) / R), (px + nx * ha, py + ny * ha),
           (px - nx * hf, py - ny * hf), (ix - nx * hf * (R - b) / R, iy - ny * hf * (R - b) / R)]
    s.polyline(pts, 1.6, True, fill="#eef2f8")
    s.polyline([(pts[3][0], pts[3][1]), (pts[3][0], oy), (pts[2][0], oy), (pts[2][0], pts[2][1])], 1.2)
    # ball at the large end, on the pitch cone
    br = 12
    bx, by = px - math.cos(d) * 18 + nx * 4, py + math.sin(d) * 18 + ny * 4
    s.circle(bx, by, br, 1.4, fill="#dde6f2")
    # displacement normal to the generatrix and its components
    s.arrow(bx, by, bx + nx * 40, by + ny * 40, 1.2, size=7)
    s.text(bx + nx * 40 - 4, by + ny * 40 - 4, "Ts/(2tanα)", 11, "end")
    s.arrow(bx, by, bx, by + ny * 40, 1.0, size=6)
    s.text(bx + 6, by + ny * 40 + 4, "ΔR", 12)
    s.arrow(bx, by, bx + nx * 40, by, 1.0, size=6)
    s.text(bx + nx * 40 - 4, by + 16, "ΔA", 12, "end")
    s.polyline(arc_points(ox, oy, 60, 0, math.degrees(d), 10), THIN)
    s.text(ox + 66, oy - 10, "δ", 12)
    s.text(ox + 110, oy - 66, "R", 12)
    s.text(170, 238, "ΔR=Ts·cosδ/(2tanα)，ΔA=Ts·sinδ/(2tanα)", 11, "middle")
    s.text(12, 254, "钢球在大端齿槽中与齿面接触", 11)
    return s


def two_pins():
    s = Svg(360, 250)
    caption(s, "一面两孔定位：圆柱销和削边销")
    y = 110
    x1, x2 = 80, 270
    for x, r in ((x1, 30), (x2, 30)):
        s.circle(x, y, r, 1.6)
    s.circle(x1, y, 26, 1.4, fill="#dde6f2")
    # diamond pin: a circle of r 26 relieved to a land of width b across the line of centres' normal
    r = 26
    bhalf = 8
    a = math.degrees(math.asin(bhalf / r))
    top = arc_points(x2, y, r, 90 - a, 90 + a, 6)
    bottom = arc_points(x2, y, r, 270 - a, 270 + a, 6)
    w = 20
    pts = list(reversed(top)) + [(x2 - w, y - 10), (x2 - w, y + 10)] + bottom + [(x2 + w, y + 10),
                                                                                 (x2 + w, y - 10)]
    s.polyline([(x2 - bhalf, y - math.sqrt(r * r - bhalf * bhalf)), (x2 - w, y - 10), (x2 - w, y + 10),
                (x2 - bhalf, y + math.sqrt(r * r - bhalf * bhalf))], 1.4)
    s.polyline([(x2 + bhalf, y - math.sqrt(r * r - bhalf * bhalf)), (x2 + w, y - 10), (x2 + w, y + 10),
                (x2 + bhalf, y + math.sqrt(r * r - bhalf * bhalf))], 1.4)
    s.polyline(top, 1.4)
    s.polyline(bottom, 1.4)
    s.center(x1 - 44, y, x2 + 44, y)
    for x in (x1, x2):
        s.center(x, y - 44, x, y + 44)
    s.dim_h(x1, x2, 52, y - 30, y - 30, "L±ΔLH")
    s.dim_h(x2 - bhalf, x2 + bhalf, 68, y - r, y - r, "b")
    s.dim_h(x2 - w, x2 + w, 170, y + 10, y + 10, "B", below=True)
    s.text(x1, y + 50, "圆柱销 d1", 12, "middle")
    s.text(x1, y + 66, "孔1 D1", 12, "middle")
    s.text(x2 + 36, y + 50, "削边销 d2", 12, "middle")
    s.text(x2 + 36, y + 66, "孔2 D2", 12, "middle")
    s.text(12, 214, "削边销在两孔连线方向让出间隙，补偿中心距误差 a；", 11)
    s.text(12, 230, "X2min=2·a·b/D2，转角误差 Δα=arctan((X1max+X2max)/(2L))。", 11)
    return s


def main():
    table_pics = {"tsbm-vgroove": tsbm_vgroove, "tsbm-rod": tsbm_rod, "tsbm-dovetail": tsbm_dovetail,
                  "zhbm-fit": zhbm_fit, "zhbm-any": zhbm_any, "zhbm-one": zhbm_one}
    fixed = {"TZD_Form/Image2": taper_mandrel, "TVXK_Form/Image2": v_block, "TTSBM_Form/Image2": spur_gear,
             "TTSBM_Form/Image4": helical_gear, "TTSBM_Form/Image5": bevel_gear, "TZH_Form/Image2": two_pins}
    for name, draw in table_pics.items():
        draw().save(os.path.join(TABLE_PICS, name + ".svg"))
    for name, draw in fixed.items():
        os.makedirs(os.path.dirname(os.path.join(FIXED, name)), exist_ok=True)
        draw().save(os.path.join(FIXED, name + ".svg"))


if __name__ == "__main__":
    main()
