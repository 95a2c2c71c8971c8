#!/usr/bin/env python3
"""Writes a circuit file of n inverters in one chain, rows of `per_row`
inverters with their outputs to the left, each row's end led back to the
next row's start on the right (the chain runs against the power-on's
column order, so power-on runs long):
   inverter_chain.py 15000 out.gtr [per_row]"""
import sys

def chain(n, per_row=300):
    rows = (n + per_row - 1) // per_row
    pts, jumps, elems = [], [], []
    x0 = 3 * per_row + 1          # output of the first inverter of a row
    xe = x0 + 3                   # the right-hand return column
    e = 0
    for r in range(rows):
        y = 2 + 2 * r
        jumps.append((x0 + 1, y, xe, 0))
        count = min(per_row, n - r * per_row)
        for j in range(count):
            e += 1
            x = x0 - 3 * j
            pts.append((x, y, 9, -1, 0, 0, 0, 0, e, 0, 0))
            pts.append((x + 1, y, 9, 0, -1, 0, 0, 0, e, 0, 0))
            elems.append(f"9;1;X{x + 1}Y{y}:;X{x}Y{y}:;0;{e};;")
            if j < count - 1:
                jumps.append((x - 2, y, x, 0))
            elif r < rows - 1:
                jumps.append((1, y, x, y + 1))
                jumps.append((1, y + 1, xe, 0))
                jumps.append((xe, y + 1, 0, y + 2))
            else:
                jumps.append((x - 2, y, x, 0))
    out = ["[Feld]", f"{xe + 2};{2 + 2 * rows + 1};", "[Punkte]"]
    out += [";".join(map(str, p)) + ";" for p in sorted(pts)]
    out.append("[Jump]")
    out += [" " + "; ".join(map(str, j)) + ";" for j in sorted(jumps)]
    out.append("[Elemente]")
    out += elems
    out += ["[IC]", "[Timer]", "0", "0;", "0;0;-1;1;"]
    return "\r\n".join(out) + "\r\n"

if __name__ == "__main__":
    n = int(sys.argv[1])
    per_row = int(sys.argv[3]) if len(sys.argv) > 3 else 300
    with open(sys.argv[2], "w", newline="") as f:
        f.write(chain(n, per_row))
