#!/usr/bin/env python3
"""Coefficients K1 to K4 of the thin-walled elastic chuck (content/sjdata
B1-3-5 to B1-3-8), from the thin circular-plate theory of an annular plate.

The chuck's plate is clamped at its rim (radius r3) and carries a rigid hub
(radius r1) in its centre; the jaws stand on the plate at radius r2. Pushing
the hub with Q dishes the plate and tilts the jaws open; released onto a
workpiece, the tilted jaws press on it with the plate's elastic moment.

Small deflections, Poisson's ratio 0.3, flexural rigidity
D = E*h^3/(12*(1-nu^2)). The axisymmetric solution w = C1 + C2*r^2 +
C3*ln(r) + C4*r^2*ln(r) (Timoshenko and Woinowsky-Krieger, Theory of Plates
and Shells, ch. 3, annular plates) is solved exactly for each radius ratio:

  K1  hub deflection under Q:          f     = K1*Q*r3^2/(E*h^3)
  K2  radial bending stress under Q:   sigma = K2*Q/h^2 (at the hub edge r1
      and at the clamped rim r3)
  K3  plate slope at the jaw radius:   theta = K3*Q*r3/(E*h^3) (radians)
  K4  plate slope at the jaw radius under the jaws' moment W*H (W the sum of
      the jaw forces, H their height above the plate's mid-plane), hub free:
                                       theta = K4*W*H/(E*h^3)

Run it to print the table rows; the output is pasted into the .table files.
It checks itself: K1 tends to 3*(1-nu^2)/(4*pi) = 0.2172 as the hub shrinks
(the clamped plate under a central load), and the two load cases obey
Maxwell-Betti reciprocity (slope at r2 per unit Q = hub deflection per unit
jaw moment).
"""
import math

NU = 0.3
RIGIDITY = 12 * (1 - NU * NU)  # E*h^3/D


def solve(matrix, rhs):
    n = len(rhs)
    a = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(n):
            if r != col:
                factor = a[r][col] / a[col][col]
                for c in range(col, n + 1):
                    a[r][c] -= factor * a[col][c]
    return [a[i][n] / a[i][i] for i in range(n)]


def hub_load(b):
    """Plate of radius 1, hub radius b, total hub load 1, D = 1: the hub
    deflection, the radial moments at b and at 1, and the slope function."""
    c4 = 1 / (8 * math.pi)
    # w'(r) = 2*C2*r + C3/r + C4*r*(2*ln r + 1); w'(b) = w'(1) = 0.
    c2, c3 = solve([[2 * b, 1 / b], [2, 1]], [-c4 * b * (2 * math.log(b) + 1), -c4])

    def w(r):
        return c2 * r * r + c3 * math.log(r) + c4 * r * r * math.log(r)

    def slope(r):
        return 2 * c2 * r + c3 / r + c4 * r * (2 * math.log(r) + 1)

    def moment(r):
        w2 = 2 * c2 - c3 / (r * r) + c4 * (2 * math.log(r) + 3)
        return -(w2 + NU * slope(r) / r)

    return w(b) - w(1), moment(b), moment(1), slope


def ring_moment_solution(b, rho):
    """Plate of radius 1, rigid free hub of radius b, ring moment 1 per unit
    length at radius rho, D = 1: the coefficients of both regions."""
    # Unknowns A1 A2 A3 (b..rho) and B1 B2 B3 (rho..1); w = X1 + X2 r^2 + X3 ln r.
    m = [
        [0, 2 * b, 1 / b, 0, 0, 0],
        [0, 0, 0, 1, 1, 0],
        [0, 0, 0, 0, 2, 1],
        [1, rho * rho, math.log(rho), -1, -rho * rho, -math.log(rho)],
        [0, 2 * rho, 1 / rho, 0, -2 * rho, -1 / rho],
        [0, 2 * (1 + NU), -(1 - NU) / rho**2, 0, -2 * (1 + NU), (1 - NU) / rho**2],
    ]
    return solve(m, [0, 0, 0, 0, 0, 1])


def ring_moment(b, rho):
    """The slope at rho under a ring moment 1 per unit length at rho."""
    _, a2, a3, _, _, _ = ring_moment_solution(b, rho)
    return abs(2 * a2 * rho + a3 / rho)


def hub_deflection_under_moment(b, rho):
    """The hub deflection per unit total ring moment (2*pi*rho per unit length)."""
    a1, a2, a3, _, _, _ = ring_moment_solution(b, rho)
    return abs(a1 + a2 * b * b + a3 * math.log(b)) / (2 * math.pi * rho)


RATIOS = [1.25, 1.5, 2, 2.5, 3, 3.5, 4, 5]
# The jaws stand on the plate outside the hub: r2/r3 > r1/r3.
JAW_PLATE_RATIOS = [2, 2.5, 3, 3.5, 4, 5]
JAW_RATIOS = [0.6, 0.7, 0.8, 0.9]


def main():
    print("# K1")
    for ratio in RATIOS:
        y, _, _, _ = hub_load(1 / ratio)
        print(f"{ratio:g} | {RIGIDITY * y:.4f}")
    print("# K2: hub edge, rim")
    for ratio in RATIOS:
        _, mb, ma, _ = hub_load(1 / ratio)
        print(f"{ratio:g} | {6 * abs(mb):.3f} | {6 * abs(ma):.3f}")
    print("# K3 by r2/r3", JAW_RATIOS)
    for ratio in JAW_PLATE_RATIOS:
        _, _, _, slope = hub_load(1 / ratio)
        print(f"{ratio:g} | " + " | ".join(f"{RIGIDITY * abs(slope(j)):.4f}" for j in JAW_RATIOS))
    print("# K4 by r2/r3", JAW_RATIOS)
    for ratio in JAW_PLATE_RATIOS:
        cells = [RIGIDITY * ring_moment(1 / ratio, j) / (2 * math.pi * j) for j in JAW_RATIOS]
        print(f"{ratio:g} | " + " | ".join(f"{k:.4f}" for k in cells))
    limit, _, _, _ = hub_load(1e-4)
    assert abs(RIGIDITY * limit - RIGIDITY / (16 * math.pi)) < 1e-3
    for ratio in JAW_PLATE_RATIOS:
        for j in JAW_RATIOS:
            _, _, _, slope = hub_load(1 / ratio)
            assert abs(abs(slope(j)) - hub_deflection_under_moment(1 / ratio, j)) < 1e-9


if __name__ == "__main__":
    main()
