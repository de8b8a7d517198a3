#!/usr/bin/env python3
"""Writes the three button strips pclip1.svg, pclip2.svg and pclip3.svg.

Each strip is a grid of square cells. A normal cell is a raised light-grey
face with its glyph; the pressed form of the same glyph is a sunken, darker
face with the glyph drawn darker and moved one pixel right and down. In the
two-row strips the pressed forms fill the second row; in the one-row search
strip the pressed form stands in the second column.

Glyphs are drawn on the pixel grid of the cell: fills on whole pixels, one
pixel strokes on half pixels, so they stay crisp at their own size.

Run from this folder: python3 generate.py
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

FACE = "#c0c0c0"
FACE_PRESSED = "#a0a0a0"
WHITE = "#ffffff"
SHADOW = "#808080"
DARK = "#404040"


def darker(colour, factor=0.7):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02x%02x%02x" % tuple(int(v * factor) for v in (r, g, b))


def face(n, pressed):
    """A raised or sunken face of an n x n cell, in cell coordinates."""
    if not pressed:
        return "".join([
            f'<rect width="{n}" height="{n}" fill="{FACE}"/>',
            f'<rect width="{n - 1}" height="1" fill="{WHITE}"/>',
            f'<rect width="1" height="{n - 1}" fill="{WHITE}"/>',
            f'<rect x="1" y="{n - 2}" width="{n - 2}" height="1" fill="{SHADOW}"/>',
            f'<rect x="{n - 2}" y="1" width="1" height="{n - 2}" fill="{SHADOW}"/>',
            f'<rect y="{n - 1}" width="{n}" height="1" fill="{DARK}"/>',
            f'<rect x="{n - 1}" width="1" height="{n}" fill="{DARK}"/>',
        ])
    return "".join([
        f'<rect width="{n}" height="{n}" fill="{FACE_PRESSED}"/>',
        f'<rect width="{n}" height="1" fill="{DARK}"/>',
        f'<rect width="1" height="{n}" fill="{DARK}"/>',
        f'<rect x="1" y="1" width="{n - 2}" height="1" fill="{SHADOW}"/>',
        f'<rect x="1" y="1" width="1" height="{n - 2}" fill="{SHADOW}"/>',
        f'<rect x="1" y="{n - 1}" width="{n - 1}" height="1" fill="{WHITE}"/>',
        f'<rect x="{n - 1}" y="1" width="1" height="{n - 1}" fill="{WHITE}"/>',
    ])


# Glyphs: functions of a colour mapper c, returning SVG in cell coordinates.

def dock_panel(c):
    # Framed blue panel, grey bar at its left, yellow arrow pointing left.
    return "".join([
        f'<rect x="2" y="3" width="16" height="14" fill="{c("#000000")}"/>',
        f'<rect x="3" y="4" width="14" height="12" fill="{c("#0050e0")}"/>',
        f'<rect x="3" y="4" width="3" height="12" fill="{c("#a0a0a0")}"/>',
        f'<rect x="5" y="4" width="1" height="12" fill="{c("#606060")}"/>',
        f'<path d="M7 10L11 6V8H16V12H11V14Z" fill="{c("#ffff00")}"/>',
    ])


def dock_left(c):
    return dock_panel(c)


def dock_right(c):
    return f'<g transform="translate(20 0) scale(-1 1)">{dock_panel(c)}</g>'


def toilet(c):
    # Side view: cistern at the back, bowl and pedestal, red flush lever.
    ink = c("#605000")
    yellow = c("#ffff00")
    return "".join([
        f'<rect x="3.5" y="2.5" width="6" height="8" fill="{yellow}" stroke="{ink}"/>',
        f'<path d="M3.5 10.5H16.5V11.5L14.5 14.5H12.5V16.5H14.5V17.5H6.5V16.5H8.5V14.5'
        f'H6.5L3.5 12.5Z" fill="{yellow}" stroke="{ink}"/>',
        f'<rect x="4" y="10" width="13" height="1" fill="{ink}"/>',
        f'<rect x="10" y="4" width="4" height="2" fill="{c("#ff0000")}"/>',
        f'<rect x="13" y="4" width="1" height="3" fill="{c("#ff0000")}"/>',
    ])


def scroll(c):
    # A sheet between two rolls, with lines of blue text.
    ink = c("#404040")
    paper = c("#ffffe8")
    roll = c("#e8e0b0")
    lines = "".join(
        f'<rect x="7" y="{y}" width="{w}" height="1" fill="{c("#0000ff")}"/>'
        for y, w in ((6, 6), (8, 5), (10, 6), (12, 4)))
    return "".join([
        f'<rect x="5.5" y="3.5" width="9" height="12" fill="{paper}" stroke="{ink}"/>',
        f'<rect x="3.5" y="2.5" width="13" height="3" rx="1.5" fill="{roll}" stroke="{ink}"/>',
        f'<rect x="3.5" y="14.5" width="13" height="3" rx="1.5" fill="{roll}" stroke="{ink}"/>',
        lines,
    ])


def rects(colour, boxes):
    return "".join(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{colour}"/>'
                   for x, y, w, h in boxes)


def help_window(c):
    # A small window with a dark-blue title bar and a big red question mark,
    # drawn pixel by pixel so it stays sharp at its own size.
    question = [(8, 7, 4, 1), (7, 8, 6, 1), (7, 9, 2, 1), (11, 9, 2, 1), (10, 10, 3, 1),
                (9, 11, 3, 1), (9, 12, 2, 1), (9, 14, 2, 2)]
    return "".join([
        f'<rect x="2.5" y="2.5" width="15" height="15" fill="{c("#ffffff")}" '
        f'stroke="{c("#000000")}"/>',
        f'<rect x="3" y="3" width="14" height="3" fill="{c("#000080")}"/>',
        rects(c("#ff0000"), question),
    ])


def exit_door(c):
    # An open door: light-blue doorway, red leaf swung out, grey step.
    ink = c("#202020")
    return "".join([
        f'<rect x="7.5" y="2.5" width="8" height="13" fill="{c("#a0e0ff")}" stroke="{ink}"/>',
        f'<path d="M7.5 2.5L3.5 4.5V16.5L7.5 15.5Z" fill="{c("#e00000")}" stroke="{ink}"'
        ' stroke-linejoin="round"/>',
        f'<rect x="4" y="9" width="1" height="2" fill="{c("#ffff00")}"/>',
        f'<rect x="1.5" y="15.5" width="16" height="2" fill="{c("#808080")}" stroke="{ink}"/>',
        f'<rect x="2" y="16" width="15" height="1" fill="{c("#e8e8e8")}"/>',
    ])


def font_size(c):
    # A framed white box with a red up-and-down arrow and a blue letter A.
    arrow = [(5, 4, 2, 1), (4, 5, 4, 1), (3, 6, 6, 1), (5, 7, 2, 6), (3, 13, 6, 1),
             (4, 14, 4, 1), (5, 15, 2, 1)]
    letter = [(12, 4, 3, 2), (11, 6, 2, 3), (14, 6, 2, 3), (10, 9, 2, 2), (15, 9, 2, 2),
              (10, 11, 7, 2), (10, 13, 2, 3), (15, 13, 2, 3)]
    return "".join([
        f'<rect x="2.5" y="2.5" width="15" height="15" fill="{c("#ffffff")}" '
        f'stroke="{c("#000000")}"/>',
        rects(c("#ff0000"), arrow),
        rects(c("#0000ff"), letter),
    ])


def empty(c):
    return ""


def blank_page(c):
    ink = c("#000000")
    return "".join([
        f'<path d="M3.5 1.5H9.5L13.5 5.5V14.5H3.5Z" fill="{c("#ffffff")}" stroke="{ink}"/>',
        f'<path d="M9.5 1.5V5.5H13.5Z" fill="{c("#808080")}" stroke="{ink}"'
        ' stroke-linejoin="round"/>',
    ])


def update_arrows(c):
    blue = c("#0000ff")
    return "".join([
        f'<path d="M9 3H5V9" fill="none" stroke="{blue}" stroke-width="2"/>',
        f'<path d="M2 9H8L5 13Z" fill="{blue}"/>',
        f'<path d="M7 13H11V7" fill="none" stroke="{blue}" stroke-width="2"/>',
        f'<path d="M8 7H14L11 3Z" fill="{blue}"/>',
    ])


def red_x(c):
    red = c("#ff0000")
    return (f'<path d="M3 3L13 13M13 3L3 13" fill="none" stroke="{red}" stroke-width="3"'
            ' stroke-linecap="square"/>')


def blue_plus(c):
    blue = c("#0000ff")
    return "".join([
        f'<rect x="6" y="2" width="4" height="12" fill="{blue}"/>',
        f'<rect x="2" y="6" width="12" height="4" fill="{blue}"/>',
    ])


def clipboard(c):
    return "".join([
        f'<rect x="1" y="2" width="10" height="13" fill="{c("#ff8000")}"/>',
        f'<rect x="2" y="4" width="8" height="10" fill="{c("#ffff00")}"/>',
        f'<rect x="3" y="1" width="6" height="3" fill="{c("#404040")}"/>',
        f'<rect x="4" y="2" width="4" height="1" fill="{c("#c0c0c0")}"/>',
    ])


def clip_out(c):
    blue = c("#0000ff")
    return clipboard(c) + "".join([
        f'<path d="M6 8H11V5L15 9.5L11 14V11H6Z" fill="{blue}" stroke="{c("#000080")}"'
        ' stroke-width="0"/>',
    ])


def clip_in(c):
    blue = c("#0000ff")
    return clipboard(c) + "".join([
        f'<path d="M15 8H10V5L6 9.5L10 14V11H15Z" fill="{blue}"/>',
    ])


def magnifier(c):
    return "".join([
        f'<path d="M12 12L17 17" stroke="{c("#000000")}" stroke-width="5"'
        ' stroke-linecap="round"/>',
        f'<path d="M12 12L17 17" stroke="{c("#ff0000")}" stroke-width="3"'
        ' stroke-linecap="round"/>',
        f'<circle cx="8.5" cy="8.5" r="5.5" fill="{c("#a0e0ff")}" stroke="{c("#000000")}"'
        ' stroke-width="1.5"/>',
        f'<rect x="6" y="6" width="2" height="2" fill="{c("#ffffff")}"/>',
    ])


def cell(n, glyph, pressed):
    mapper = darker if pressed else (lambda colour: colour)
    shift = ' transform="translate(1 1)"' if pressed else ""
    return face(n, pressed) + f"<g{shift}>{glyph(mapper)}</g>"


def strip(name, n, glyphs, pressed_below):
    cols = len(glyphs)
    width, height = (n * cols, n * 2) if pressed_below else (n * cols * 2, n)
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}"'
             f' viewBox="0 0 {width} {height}">']
    for j, glyph in enumerate(glyphs):
        for pressed in (False, True):
            if pressed_below:
                x, y = j * n, n if pressed else 0
            else:
                x, y = (j * 2 + (1 if pressed else 0)) * n, 0
            parts.append(f'<g transform="translate({x} {y})">{cell(n, glyph, pressed)}</g>')
    parts.append("</svg>\n")
    with open(os.path.join(HERE, name), "w") as out:
        out.write("\n".join(parts))


strip("pclip1.svg", 20,
      [dock_left, dock_right, toilet, scroll, help_window, exit_door, font_size,
       empty, empty, empty], True)
strip("pclip2.svg", 18,
      [blank_page, update_arrows, red_x, blue_plus, clip_out, clip_in], True)
strip("pclip3.svg", 21, [magnifier], False)
