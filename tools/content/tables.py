#!/usr/bin/env python3
"""Writes the handbook's computed element tables into content/mydat.

Thread data, the eccentric disc series and the V-block series carry columns
derived from their dimensions (mean diameter, lead angle, friction angle,
test-mandrel height, self-locking margin). Computing them here keeps every
figure consistent with the formulas the handbook states on its pages.
"""
import math
import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "content", "mydat")

# Metric coarse threads used on clamping screws and studs: (d, P) in mm.
THREADS = [(5, 0.8), (6, 1.0), (8, 1.25), (10, 1.5), (12, 1.75), (14, 2.0), (16, 2.0),
           (18, 2.5), (20, 2.5), (22, 2.5), (24, 3.0), (27, 3.0), (30, 3.5), (36, 4.0)]

# Circular eccentric discs: D, e, B (width), d (bore), all mm.
ECCENTRICS = [(25, 1.3, 12, 6), (32, 1.7, 14, 8), (40, 2.0, 16, 10), (50, 2.5, 18, 12),
              (60, 3.0, 22, 16), (70, 3.5, 24, 16)]

# 90° V-blocks: N (opening), D range, L, B, H, all mm.
VBLOCKS = [(9, 5, 10, 32, 16, 10), (14, 10, 15, 38, 20, 12), (18, 15, 20, 46, 25, 16),
           (24, 20, 25, 55, 25, 20), (32, 25, 35, 70, 32, 25), (42, 35, 45, 85, 40, 32),
           (55, 45, 60, 100, 40, 35), (70, 60, 80, 125, 50, 42)]


def deg(x):
    return math.degrees(x)


def fmt(x, digits):
    return ("%." + str(digits) + "f") % x


def threads():
    rows = []
    for d, p in THREADS:
        d2 = d - 0.649519 * p
        d1 = d - 1.082532 * p
        lead = deg(math.atan(p / (math.pi * d2)))
        # Thread torque per newton of axial load: rz·tan(ψ+φ').
        arm = [d2 / 2 * math.tan(math.radians(lead) + math.atan(f / math.cos(math.radians(30))))
               for f in (0.1, 0.15)]
        rows.append(" | ".join(["M%d" % d, fmt(d, 0), fmt(p, 2), fmt(d2, 3), fmt(d2 / 2, 3),
                                fmt(d1, 3), fmt(lead, 3), fmt(arm[0], 3), fmt(arm[1], 3)]))
    return """# 夹紧用普通粗牙螺纹的计算数据（GB/T 196、GB/T 197）
# d2=d-0.6495P，d1=d-1.0825P，ψ=arctan(P/(π·d2))，φ'=arctan(f/cos30°)
# 螺纹力矩系数 rz·tan(ψ+φ')：螺纹副力矩 = 轴向力 × 该系数
field 螺纹 text 6
field 公称直径|d(mm) float
field 螺距|P(mm) float
field 中径|d2(mm) float
field 中径半径|rz(mm) float
field 小径|d1(mm) float
field 螺旋升角|ψ(°) float
field 螺纹力矩系数|rz·tan(ψ+φ')(mm)|f=0.1 float
field 螺纹力矩系数|rz·tan(ψ+φ')(mm)|f=0.15 float
rows
""" + "\n".join(rows) + "\n"


def eccentrics():
    rows = []
    for D, e, B, d in ECCENTRICS:
        R = D / 2
        lift = deg(math.asin(e / R))
        stroke = e * (math.cos(math.radians(45)) - math.cos(math.radians(135)))
        # Exact moment balance at g = 90°: Q·L = W·(e + f1·R + f0·r0), Q·L = 10 N·m.
        w90 = 10000 / (e + 0.1 * R + 0.1 * d / 2)
        rows.append(" | ".join([fmt(D, 0), fmt(e, 1), fmt(B, 0), fmt(d, 0), fmt(D / e, 1),
                                fmt(lift, 2), fmt(stroke, 2), fmt(2 * e, 1), fmt(w90, 0)]))
    return """# 圆偏心轮系列尺寸与工作特性（参照 JB/T 8011.1）
field 直径|D(mm) float
field 偏心量|e(mm) float
field 宽度|B(mm) float
field 孔径|d(mm) float
field 直径与偏心量之比|D/e float
field 最大升角|arcsin(2e/D)(°) float
field 工作行程|45°~135°(mm) float
field 总行程|2e(mm) float
field 夹紧力W(N)|转角90°，Q·L=10N·m float
key 1
rows
""" + "\n".join(rows) + "\n"


def vblocks():
    rows = []
    for N, dmin, dmax, L, B, H in VBLOCKS:
        t1 = H + 0.5 * (dmin / math.sin(math.radians(45)) - N / math.tan(math.radians(45)))
        t2 = H + 0.5 * (dmax / math.sin(math.radians(45)) - N / math.tan(math.radians(45)))
        rows.append(" | ".join([fmt(N, 0), ">%d~%d" % (dmin, dmax), fmt(L, 0), fmt(B, 0), fmt(H, 0),
                                fmt(t1, 2), fmt(t2, 2)]))
    return """# 90° V形块的主要尺寸（参照 JB/T 8018.1）与标准心轴中心高
# T=H+0.707D-0.5N（α=90°）
field 开口尺寸|N(mm) float
field 适用工件直径|D(mm) text 10
field 长度|L(mm) float
field 宽度|B(mm) float
field 高度|H(mm) float
field 心轴中心高T(mm)|D取下限 float
field 心轴中心高T(mm)|D取上限 float
key 1
rows
""" + "\n".join(rows) + "\n"


def main():
    tables = {"luowen": threads(), "pianxinlun": eccentrics(), "vxingkuai": vblocks()}
    for key, text in tables.items():
        with open(os.path.join(OUT, key + ".table"), "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
