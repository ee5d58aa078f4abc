#!/usr/bin/env python3
"""Generates the tables of standard tolerances and limit deviations of holes
and shafts (ISO system of limits and fits, GB/T 1800.1 / GB/T 1800.2) for
nominal sizes up to 500 mm, and writes them into content/mydat.

Every value is computed from the standard's formulas and rounding rules.
The standard fixes a few values by its tables instead of by the formula (the
smallest size range above all); those are listed in ADJUSTED and applied on
top. The result is then compared with a set of published values: on any
mismatch the script stops and writes nothing.
"""
import math
import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "content", "mydat")

RANGES = [(0, 3), (3, 6), (6, 10), (10, 18), (18, 30), (30, 50), (50, 80), (80, 120),
          (120, 180), (180, 250), (250, 315), (315, 400), (400, 500)]
GRADES = range(5, 12)
IT_FACTOR = {5: 7, 6: 10, 7: 16, 8: 25, 9: 40, 10: 64, 11: 100}

# Grades listed for each letter in the standard's tables, within IT5..IT11.
SHAFT_GRADES = {"d": range(5, 12), "e": range(5, 11), "f": range(5, 11), "g": range(5, 11),
                "h": range(5, 12), "js": range(5, 12), "k": range(5, 12), "m": range(5, 10),
                "n": range(5, 10), "p": range(5, 11)}
HOLE_GRADES = {"D": range(6, 12), "E": range(5, 11), "F": range(5, 11), "G": range(5, 11),
               "H": range(5, 12), "JS": range(5, 12), "K": range(5, 9), "M": range(5, 9),
               "N": range(5, 10), "P": range(5, 10)}

# IT4, needed only for the correction Δ of the grade-5 holes K, M, N and P.
IT4 = [3, 4, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20]

# The hole grade up to which ES = -ei + Δ applies; above it ES = -ei (K and N
# have ES = 0 there, as their shafts' ei for those grades).
DELTA_UP_TO = {"K": 8, "M": 8, "N": 8, "P": 7}

# Shaft p: ei = IT7 + an increment of 0 to 5 µm fixed per size range.
P_INCREMENT = [None, 0, 0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 5]

# Values the standard's tables fix instead of the formula, keyed by
# (kind, grade or letter, range index): the published value in µm.
ADJUSTED = {
    ("IT", 6, 0): 6, ("IT", 6, 1): 8, ("IT", 6, 11): 36, ("IT", 6, 12): 40,
    ("IT", 7, 0): 10, ("IT", 7, 2): 15, ("IT", 7, 3): 18, ("IT", 7, 12): 63,
    ("IT", 9, 0): 25, ("IT", 9, 1): 30,
    ("IT", 10, 0): 40, ("IT", 10, 1): 48, ("IT", 10, 2): 58, ("IT", 10, 3): 70,
    ("IT", 11, 0): 60, ("IT", 11, 1): 75, ("IT", 11, 5): 160, ("IT", 11, 6): 190,
    ("IT", 11, 11): 360, ("IT", 11, 12): 400,
    ("FD", "d", 2): -40, ("FD", "d", 4): -65, ("FD", "e", 11): -125,
    ("FD", "f", 0): -6, ("FD", "g", 0): -2, ("FD", "k", 0): 0, ("FD", "n", 0): 4,
    ("FD", "n", 7): 23, ("FD", "m", 0): 2, ("FD", "p", 0): 6,
    # The standard's special case: M6 over 250 to 315 mm has ES = -9 µm, not -11.
    ("ES", "M6", 10): -9,
}

# Published values the result must reproduce.
PUBLISHED_IT = {
    5: [4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27],
    6: [6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40],
    7: [10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63],
    8: [14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97],
    9: [25, 30, 36, 43, 52, 62, 74, 87, 100, 115, 130, 140, 155],
    10: [40, 48, 58, 70, 84, 100, 120, 140, 160, 185, 210, 230, 250],
    11: [60, 75, 90, 110, 130, 160, 190, 220, 250, 290, 320, 360, 400],
}
PUBLISHED_FD = {
    "d": [-20, -30, -40, -50, -65, -80, -100, -120, -145, -170, -190, -210, -230],
    "e": [-14, -20, -25, -32, -40, -50, -60, -72, -85, -100, -110, -125, -135],
    "f": [-6, -10, -13, -16, -20, -25, -30, -36, -43, -50, -56, -62, -68],
    "g": [-2, -4, -5, -6, -7, -9, -10, -12, -14, -15, -17, -18, -20],
    "k": [0, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 5],
    "m": [2, 4, 6, 7, 8, 9, 11, 13, 15, 17, 20, 21, 23],
    "n": [4, 8, 10, 12, 15, 17, 20, 23, 27, 31, 34, 37, 40],
    "p": [6, 12, 15, 18, 22, 26, 32, 37, 43, 50, 56, 62, 68],
}
# Complete limit deviations (upper, lower) in µm: (zone, range index).
PUBLISHED_LIMITS = {
    ("H7", 4): (21, 0), ("g6", 4): (-7, -20), ("f7", 5): (-25, -50), ("js6", 4): (6, -6),
    ("k6", 4): (15, 2), ("m6", 5): (25, 9), ("n6", 6): (39, 20), ("p6", 7): (59, 37),
    ("F8", 3): (43, 16), ("D9", 5): (142, 80), ("E8", 6): (106, 60), ("G7", 8): (54, 14),
    ("h9", 9): (0, -115), ("H11", 12): (400, 0), ("d11", 0): (-20, -80), ("JS8", 7): (27, -27),
    ("e8", 2): (-25, -47), ("k7", 10): (56, 4), ("H8", 1): (18, 0), ("js7", 4): (10, -10),
    ("K5", 3): (2, -6), ("K6", 4): (2, -11), ("K7", 4): (6, -15), ("K7", 6): (9, -21), ("K8", 5): (12, -27),
    ("K7", 0): (0, -10), ("M5", 2): (-4, -10), ("M6", 5): (-4, -20), ("M7", 4): (0, -21),
    ("M7", 5): (0, -25), ("M8", 6): (5, -41), ("M6", 10): (-9, -41), ("M7", 0): (-2, -12),
    ("N6", 0): (-4, -10), ("N6", 3): (-9, -20), ("N7", 4): (-7, -28), ("N7", 6): (-9, -39),
    ("N8", 7): (-4, -58), ("N9", 5): (0, -62), ("N9", 0): (-4, -29), ("P6", 0): (-6, -12),
    ("P6", 5): (-21, -37), ("P7", 4): (-14, -35), ("P7", 7): (-24, -59), ("P8", 4): (-22, -55),
    ("P8", 5): (-26, -65), ("P9", 5): (-26, -88),
}
# The correction Δ = IT(n) - IT(n-1) in µm for n = 5..8, as the standard lists it.
PUBLISHED_DELTA = {
    5: [0, 1, 2, 3, 3, 4, 5, 5, 6, 6, 7, 7, 7],
    6: [0, 3, 3, 3, 4, 5, 6, 7, 7, 9, 9, 11, 13],
    7: [0, 4, 6, 7, 8, 9, 11, 13, 15, 17, 20, 21, 23],
    8: [0, 6, 7, 9, 12, 14, 16, 19, 23, 26, 29, 32, 34],
}


def mean_size(index):
    low, high = RANGES[index]
    return math.sqrt((low or 1) * high)


def round_it(value):
    step = 1 if value <= 100 else 5 if value <= 200 else 10
    return step * math.floor(value / step + 0.5)


def round_deviation(value):
    magnitude = abs(value)
    step = 1 if magnitude <= 45 else 2 if magnitude <= 80 else 5 if magnitude <= 180 else 10
    return math.copysign(step * math.floor(magnitude / step + 0.5), value)


def standard_tolerance(grade, index):
    adjusted = ADJUSTED.get(("IT", grade, index))
    if adjusted is not None:
        return adjusted
    d = mean_size(index)
    unit = 0.45 * d ** (1 / 3) + 0.001 * d
    return int(round_it(IT_FACTOR[grade] * unit))


def fundamental_deviation(letter, grade, index):
    """The fundamental deviation of a shaft in µm: es for d..h, ei for k..p."""
    adjusted = ADJUSTED.get(("FD", letter, index))
    if adjusted is not None:
        return 0 if letter == "k" and not 4 <= grade <= 7 else adjusted
    d = mean_size(index)
    if letter == "d":
        return int(round_deviation(-16 * d ** 0.44))
    if letter == "e":
        return int(round_deviation(-11 * d ** 0.41))
    if letter == "f":
        return int(round_deviation(-5.5 * d ** 0.41))
    if letter == "g":
        return int(round_deviation(-2.5 * d ** 0.34))
    if letter == "h":
        return 0
    if letter == "k":
        return int(round_deviation(0.6 * d ** (1 / 3))) if 4 <= grade <= 7 else 0
    if letter == "m":
        return standard_tolerance(7, index) - standard_tolerance(6, index)
    if letter == "n":
        return int(round_deviation(5 * d ** 0.34))
    if letter == "p":
        return standard_tolerance(7, index) + P_INCREMENT[index]
    raise ValueError(letter)


def half_tolerance(it):
    # An odd tolerance is replaced by the even number below it.
    return (it - it % 2) // 2


def shaft_limits(letter, grade, index):
    it = standard_tolerance(grade, index)
    if letter == "js":
        return half_tolerance(it), -half_tolerance(it)
    dev = fundamental_deviation(letter, grade, index)
    if letter in ("d", "e", "f", "g", "h"):
        return dev, dev - it
    return dev + it, dev


def delta(grade, index):
    """Δ = IT(n) - IT(n-1); none for sizes up to 3 mm."""
    if index == 0:
        return 0
    below = IT4[index] if grade == 5 else standard_tolerance(grade - 1, index)
    return standard_tolerance(grade, index) - below


def hole_upper_deviation(letter, grade, index):
    """ES of the holes K, M, N and P: -ei of the same letter's shaft, plus Δ
    for the finer grades. K and M take the ei of their grades 4 to 7."""
    adjusted = ADJUSTED.get(("ES", "%s%d" % (letter, grade), index))
    if adjusted is not None:
        return adjusted
    ei = fundamental_deviation(letter.lower(), 6, index)
    if grade <= DELTA_UP_TO[letter]:
        return -ei + delta(grade, index)
    return 0 if letter in ("K", "N") and index > 0 else -ei


def hole_limits(letter, grade, index):
    it = standard_tolerance(grade, index)
    if letter == "JS":
        return half_tolerance(it), -half_tolerance(it)
    if letter in DELTA_UP_TO:
        upper = hole_upper_deviation(letter, grade, index)
        return upper, upper - it
    lower = -fundamental_deviation(letter.lower(), grade, index)
    return lower + it, lower


def limits(zone, index):
    letter = zone.rstrip("0123456789")
    grade = int(zone[len(letter):])
    if letter.islower():
        return shaft_limits(letter, grade, index)
    return hole_limits(letter, grade, index)


def check():
    faults = []
    for grade, values in PUBLISHED_IT.items():
        for index, value in enumerate(values):
            if standard_tolerance(grade, index) != value:
                faults.append("IT%d %s: %d, published %d" % (grade, RANGES[index], standard_tolerance(grade, index), value))
    for letter, values in PUBLISHED_FD.items():
        for index, value in enumerate(values):
            got = fundamental_deviation(letter, 6, index)
            if got != value:
                faults.append("%s %s: %d, published %d" % (letter, RANGES[index], got, value))
    for grade, values in PUBLISHED_DELTA.items():
        for index, value in enumerate(values):
            if delta(grade, index) != value:
                faults.append("Δ IT%d %s: %d, published %d" % (grade, RANGES[index], delta(grade, index), value))
    for (zone, index), value in PUBLISHED_LIMITS.items():
        got = limits(zone, index)
        if got != value:
            faults.append("%s %s: %s, published %s" % (zone, RANGES[index], got, value))
    return faults


def it_table():
    lines = ["# 标准公差数值 IT5~IT11（GB/T 1800.1，公称尺寸至 500mm），由 tools/content/iso_limits.py 生成",
             "field 公称尺寸|大于(mm) float", "field 公称尺寸|至(mm) float"]
    lines += ["field IT%d|(μm) float" % g for g in GRADES]
    lines.append("rows")
    for index, (low, high) in enumerate(RANGES):
        cells = [str(low), str(high)] + [str(standard_tolerance(g, index)) for g in GRADES]
        lines.append(" | ".join(cells))
    return "\n".join(lines) + "\n"


def limits_table():
    lines = ["# 孔、轴的极限偏差（GB/T 1800.2，公称尺寸至 500mm，IT5~IT11），由 tools/content/iso_limits.py 生成",
             "field 公差带 text 6", "field 公称尺寸|大于(mm) float", "field 公称尺寸|至(mm) float",
             "field 上极限偏差|(μm) float", "field 下极限偏差|(μm) float", "field 公差|(μm) float", "rows"]
    zones = [(letter, g) for letter, gs in HOLE_GRADES.items() for g in gs]
    zones += [(letter, g) for letter, gs in SHAFT_GRADES.items() for g in gs]
    for letter, grade in zones:
        zone = "%s%d" % (letter, grade)
        for index, (low, high) in enumerate(RANGES):
            upper, lower = limits(zone, index)
            lines.append(" | ".join([zone, str(low), str(high), "%+d" % upper if upper else "0",
                                     "%+d" % lower if lower else "0", str(upper - lower)]))
    return "\n".join(lines) + "\n"


def main():
    faults = check()
    if faults:
        for fault in faults:
            print("iso_limits: " + fault, file=sys.stderr)
        print("iso_limits: nothing written", file=sys.stderr)
        return 1
    tables = {"biaozhungongcha": it_table(), "jixianpiancha": limits_table()}
    for key, text in tables.items():
        with open(os.path.join(OUT, key + ".table"), "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
