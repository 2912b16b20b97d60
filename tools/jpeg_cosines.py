#!/usr/bin/env python3
"""Prints the 64 factors of JPEG's own 8-point transform, b(x, u) =
C(u) / 2 * cos((2x + 1) u pi / 16) with C(0) = 1 / sqrt(2) and C(u) = 1
otherwise, as bit patterns of the correctly rounded doubles, rows x = 0..7.

Unlike the window's cosines (cosine_factors.py), these use the true pi: the
angle, the cosine and the factor C(u) / 2 are all worked out with 80-digit
decimal arithmetic, and the product is rounded once to the nearest double by
float(). JPEG's 2-D factor 1/4 C(u) C(v) is b(., u) b(., v), so the model's
transform is two passes of these."""
from decimal import Decimal

from cosine_factors import bits, cos_decimal, true_pi


def factor(x, u):
    angle = (2 * x + 1) * u * true_pi() / 16
    scale = Decimal(1) / (2 * Decimal(2).sqrt()) if u == 0 else Decimal(1) / 2
    return float(scale * cos_decimal(angle))


if __name__ == "__main__":
    for x in range(8):
        row = ["0x%016X" % bits(factor(x, u)) for u in range(8)]
        print("    {{" + ", ".join(row[:4]) + ",\n      " + ", ".join(row[4:]) + "}},")
