#!/usr/bin/python3
"""Looks for the game's face in a screenshot of the whole screen: a few flat regions of the cabinet picture,
at their places relative to each other, must appear somewhere in the screenshot in the cabinet's colours
(within a small tolerance; edges, where antialiasing may differ, are not compared).

    face-in-shot.py SCREENSHOT.png CABINET.png

Prints the cabinet's top-left corner in the screenshot and exits 0, or exits 1 when the face is not there.
"""
import subprocess
import sys

# Centres of 7 x 7 regions of the cabinet picture that the game never draws over: the top strip, the black
# gap between the counters, the metal frame on both sides and the navy pay table.
REGIONS = [(15, 3), (213, 69), (15, 87), (339, 483), (15, 255), (27, 417)]
HALF = 3
TOLERANCE = 12


def load(path):
    width, height = map(int, subprocess.check_output(["identify", "-format", "%w %h", path]).split())
    data = subprocess.check_output(["convert", path, "-alpha", "off", "-depth", "8", "rgb:-"])
    return width, height, data


def pixel(image, x, y):
    width, _, data = image
    i = (y * width + x) * 3
    return data[i], data[i + 1], data[i + 2]


def close(a, b):
    return all(abs(p - q) <= TOLERANCE for p, q in zip(a, b))


def main():
    shot = load(sys.argv[1])
    cabinet = load(sys.argv[2])
    expected = []
    for x, y in REGIONS:
        colour = pixel(cabinet, x, y)
        for dy in range(-HALF, HALF + 1):
            for dx in range(-HALF, HALF + 1):
                if pixel(cabinet, x + dx, y + dy) != colour:
                    sys.exit(f"face-in-shot: the region at {x},{y} is not flat in {sys.argv[2]}; choose another")
        expected.append((x, y, colour))
    width, height, _ = shot
    cw, ch = cabinet[0], cabinet[1]
    first_x, first_y, first_colour = expected[0]
    for oy in range(height - ch + 1):
        for ox in range(width - cw + 1):
            if not close(pixel(shot, ox + first_x, oy + first_y), first_colour):
                continue
            if all(close(pixel(shot, ox + x + dx, oy + y + dy), colour)
                   for x, y, colour in expected
                   for dy in range(-HALF, HALF + 1) for dx in range(-HALF, HALF + 1)):
                print(f"face at {ox},{oy}")
                return 0
    print("face-in-shot: the cabinet's regions are nowhere in the screenshot")
    return 1


if __name__ == "__main__":
    sys.exit(main())
