#!/usr/bin/env python3
"""Prints the 64 cosine factors c(p, f) = cos((k * Pi) / 16), k = (2p + 1) f,
as correctly rounded doubles, computed with 80-digit decimal arithmetic.

Pi is the double nearest 3.14159; k * Pi is rounded to a double (Python floats
are IEEE doubles) and the division by 16 is exact. The cosine is a Taylor
series in exact decimal arithmetic after reduction by a high-precision pi, and
the decimal result is rounded once to the nearest double by float()."""
from decimal import Decimal, getcontext
import struct

getcontext().prec = 80
PI_APPROX = float("3.14159")


def true_pi():
    # Machin's formula: pi = 16 atan(1/5) - 4 atan(1/239)
    def atan_inv(n):
        x = Decimal(1) / n
        x2 = x * x
        term, total, k = x, x, 1
        while True:
            term *= -x2
            add = term / (2 * k + 1)
            if abs(add) < Decimal(10) ** -78:
                return total
            total += add
            k += 1
    return 16 * atan_inv(5) - 4 * atan_inv(239)


def cos_decimal(a):
    pi = true_pi()
    a = a % (2 * pi)
    term, total, n = Decimal(1), Decimal(1), 0
    while True:
        n += 2
        term *= -a * a / ((n - 1) * n)
        if abs(term) < Decimal(10) ** -78:
            return total
        total += term


def bits(x):
    return struct.unpack("<Q", struct.pack("<d", x))[0]


if __name__ == "__main__":
    assert bits(PI_APPROX) == 0x400921F9F01B866E
    for p in range(8):
        row = []
        for f in range(8):
            k = (2 * p + 1) * f
            a = (k * PI_APPROX) / 16.0
            row.append("0x%016X" % bits(float(cos_decimal(Decimal(a)))))
        print("    {" + ", ".join(row) + "},")
