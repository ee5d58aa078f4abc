#!/usr/bin/env python3
"""Writes the computed reference tables of the cutting-force and clamping-error
calculators into content/sjdata.

The material corrections Kmp (turning) and Kp (drilling) are tabulated from
their power laws and the exponents of the exponent table B1-2-5, the V-block
factors and the between-centres factors from their geometry, so that every
figure agrees with the formulas the calculators use.
"""
import math
import os

from svgkit import Svg, THIN

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "content", "sjdata")
PICS = os.path.join(OUT, "pics")

# Tensile strengths of steel in GPa (45 to 100 kgf/mm²) and Brinell hardness
# of grey cast iron.
STRENGTHS = [0.441, 0.490, 0.539, 0.588, 0.637, 0.686, 0.735, 0.784, 0.833, 0.882, 0.931, 0.980]
HARDNESS = [150, 170, 190, 210, 230, 250]

# Exponents nF of the turning material correction for Fc, Fp, Ff (B1-2-5).
TURNING_EXPONENTS = [
    ("钢", "硬质合金", (0.75, 1.35, 1.0)),
    ("钢", "高速钢", (0.35, 2.0, 1.5)),
    ("灰铸铁", "硬质合金", (0.4, 1.0, 0.8)),
    ("灰铸铁", "高速钢", (0.55, 1.3, 1.1)),
]

# Exponent of the drilling material correction KM = KF.
DRILLING_EXPONENTS = {"钢": 0.75, "灰铸铁": 0.6}


def fmt(x, digits=3):
    text = ("%." + str(digits) + "f") % x
    return text.rstrip("0").rstrip(".") if "." in text else text


def ratio(material, value):
    return value / 0.637 if material == "钢" else value / 190.0


def grades(material):
    if material == "钢":
        return [(fmt(s), s) for s in STRENGTHS]
    return [(str(h), h) for h in HARDNESS]


def write(name, lines):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def kmp():
    lines = [
        "# 车削时工件材料强度、硬度改变对切削力的修正系数 Kmp",
        "# 钢 Kmp=(σb/0.637)^nF，灰铸铁 Kmp=(HB/190)^nF；指数 nF 见 B1-2-5",
        "# 系数体系：kgf 基准车削切削力经验公式（切削用量手册型），由 tools/content/forcetables.py 计算",
        "field 工件材料 text 10",
        "field σb(GPa)或HB text 10",
        "field 刀具材料 text 10",
        "field Kmp|Fc float",
        "field Kmp|Fp float",
        "field Kmp|Ff float",
        "rows",
    ]
    for material, tool, exponents in TURNING_EXPONENTS:
        for text, value in grades(material):
            r = ratio(material, value)
            cells = [material, text, tool] + [fmt(r ** n) for n in exponents]
            lines.append(" | ".join(cells))
    write("B1-2-4.table", lines)


def kp():
    lines = [
        "# 钻削时工件材料强度、硬度改变对扭矩和轴向力的修正系数 Kp（KM=KF）",
        "# 钢 Kp=(σb/0.637)^0.75，灰铸铁 Kp=(HB/190)^0.6；高速钢麻花钻",
        "# 系数体系：kgf 基准钻削扭矩、轴向力经验公式（切削用量手册型），由 tools/content/forcetables.py 计算",
        "field 工件材料 text 10",
        "field σb(GPa)或HB text 10",
        "field 指数 float",
        "field Kp float",
        "rows",
    ]
    for material, exponent in DRILLING_EXPONENTS.items():
        for text, value in grades(material):
            lines.append(" | ".join([material, text, fmt(exponent, 2), fmt(ratio(material, value) ** exponent)]))
    write("B1-2-8Kp.table", lines)


def vblock():
    lines = [
        "# V形块有关计算系数：夹角 α 的 V 形块中，斜面法向力 Nf=W·1/(2sin(α/2))，",
        "# 斜面法向接触变形 yn 引起的轴线位移 yV=yn·1/sin(α/2)（由几何关系导出）",
        "field V形块夹角α(°) int16",
        "field 系数|斜面法向力Nf/W float",
        "field 系数|轴线位移yV/yn float",
        "rows",
    ]
    for alpha in (60, 90, 120):
        s = math.sin(math.radians(alpha / 2))
        lines.append(" | ".join([str(alpha), fmt(1 / (2 * s), 4), fmt(1 / s, 4)]))
    write("B1-2-14.table", lines)


def centres():
    lines = [
        "# 顶尖间计算系数 c：工件装在两顶尖间，左、右顶尖处的接触变形 y1、y2 在距左顶尖 x 的",
        "# 加工截面处引起的轴线位移 y=c1·y1+c2·y2，c1=1-x/L，c2=x/L（L 为两顶尖间距离，几何关系导出）",
        "field 加工截面位置x/L float",
        "field 系数c|左顶尖c1 float",
        "field 系数c|右顶尖c2 float",
        "rows",
    ]
    for tenth in range(11):
        x = tenth / 10
        lines.append(" | ".join([fmt(x, 1), fmt(1 - x, 1), fmt(x, 1)]))
    write("B1-2-15.table", lines)


def centres_picture():
    """The explanation of the item without a formula: a workpiece between
    centres, where the centres' contact deformation comes from a measured
    stiffness."""
    s = Svg(400, 330)
    s.text(200, 22, "顶尖与中心孔的接触变形", 15, "middle", weight="bold")
    axis, left, right = 95, 60, 340
    s.center(20, axis, 380, axis)
    s.rect(left + 14, axis - 26, right - left - 28, 52, fill="#f2f2f2")
    for x, d in ((left, 1), (right, -1)):
        tip = x + 14 * d
        s.polyline([(x - 40 * d, axis - 14), (x, axis - 14), (tip + 10 * d, axis), (x, axis + 14),
                    (x - 40 * d, axis + 14)], fill="#bbbbbb")
    s.text(left - 26, axis - 20, "左顶尖", 12, "middle")
    s.text(right + 26, axis - 20, "右顶尖", 12, "middle")
    cut = left + 14 + 0.3 * (right - left - 28)
    s.line(cut, axis - 40, cut, axis + 40, THIN, "6,3")
    s.arrow(cut, axis - 62, cut, axis - 28)
    s.text(cut + 6, axis - 50, "切削力", 12)
    s.dim_h(left + 14, cut, axis + 50, axis + 26, axis + 40, "x", below=True)
    s.dim_h(left + 14, right - 14, axis + 78, axis + 26, axis + 26, "L", below=True)
    lines = [
        "顶尖与中心孔为锥面接触，接触变形随中心孔质量、",
        "顶尖形式（固定或回转）和尾座顶紧力而变，没有",
        "通用的经验系数，本项不列公式。",
        "确定方法：在顶尖处加径向力 Wi[N]，测出径向位移，",
        "得接触刚度 ki[N/μm]，则该顶尖处的变形 yi=Wi/ki[μm]。",
        "再由第 6 项 y=c1·y1+c2·y2 求距左顶尖 x 的加工",
        "截面处的轴线位移，c1=1-x/L、c2=x/L 见顶尖间系数表。",
    ]
    for i, line in enumerate(lines):
        s.text(16, 214 + 16 * i, line, 12.5)
    s.save(os.path.join(PICS, "dingjian.svg"))


def main():
    kmp()
    kp()
    vblock()
    centres()
    centres_picture()


if __name__ == "__main__":
    main()
