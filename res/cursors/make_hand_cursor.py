#!/usr/bin/env python3
"""Draws the pointing-hand cursor of the hyperlink labels and writes hand.cur.

Standard library only.  Run from anywhere:  python3 res/cursors/make_hand_cursor.py
A 32 x 32 monochrome cursor: a black outline, a white hand, the hot spot at
the tip of the index finger.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32
HOT_SPOT = (6, 0)

# '#' outline, '.' inside, ' ' transparent; 20 columns, padded to 32.
ART = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..###
    #..#..#..##
 ## #..#..#..#.#
#..##........#..#
#...#...........#
 #..............#
  #.............#
  #.............#
   #............#
   #...........#
    #..........#
    #.........#
     #........#
     #........#
     ##########
"""


def pixels():
    rows = ART.strip("\n").split("\n")
    rows = [r.ljust(SIZE) for r in rows] + [" " * SIZE] * (SIZE - len(rows))
    return rows


def main():
    rows = pixels()
    xor_bits, and_bits = bytearray(), bytearray()
    for row in reversed(rows):  # bottom-up DIB
        xor_row, and_row = 0, 0
        for x, c in enumerate(row):
            bit = 1 << (31 - x)
            if c == " ":
                and_row |= bit  # transparent
            elif c == ".":
                xor_row |= bit  # white
        xor_bits += struct.pack(">I", xor_row)
        and_bits += struct.pack(">I", and_row)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bytes(xor_bits) + bytes(and_bits)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    with open(os.path.join(HERE, "hand.cur"), "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main()
