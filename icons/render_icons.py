#!/usr/bin/env python3
"""Renders the editor's icons from their pixel sources.

icons.txt holds the shared colours and each icon as rows of characters, one
character a pixel. This script writes, beside it:

  png/NAME.png, png/NAME@2x.png   every icon at 1x and 2x (palette PNGs whose
                                  entry 0 is transparent)
  icons.tsv                       the icon of each code: command IDs, the
                                  layer marks and the application icon
  hicolor/SIZExSIZE/apps/stipplebox.png   the application icon for desktops

The 2x picture is Scale2x of the 1x one unless the source gives its own
("icon2x NAME"), so both sizes stay crisp. The tone, pen-size and zoom icons
are drawn here from their parameters. Needs only the Python standard library;
the build embeds the committed PNGs and never runs this.
"""

import pathlib
import struct
import sys
import zlib

HERE = pathlib.Path(__file__).resolve().parent
SIZE = 16
APPLICATION_CODE = 1


def read_source(path):
    palette = {}
    icons = {}  # name -> {"codes": [...], "1x": rows, "2x": rows or None}
    order = []
    block = None
    for raw in path.read_text(encoding="utf-8").splitlines() + [""]:
        line = raw.rstrip()
        if block is not None:
            if line:
                block["rows"].append(line)
                continue
            finish_block(block, palette, icons, order)
            block = None
            continue
        if not line or line.startswith("#"):
            continue
        words = line.split()
        if words[0] == "colour":
            palette[words[1]] = None if words[2] == "transparent" else bytes.fromhex(words[2])
        elif words[0] in ("icon", "icon2x"):
            block = {"kind": words[0], "name": words[1], "codes": [int(c) for c in words[2:]], "rows": []}
        else:
            sys.exit(f"icons.txt: cannot read '{line}'")
    return palette, icons, order


def finish_block(block, palette, icons, order):
    rows = block["rows"]
    width = len(rows[0])
    if any(len(row) != width for row in rows) or len(rows) != width:
        sys.exit(f"icon {block['name']}: rows must form a square ({[len(row) for row in rows]})")
    for row in rows:
        for ch in row:
            if ch not in palette:
                sys.exit(f"icon {block['name']}: unknown colour '{ch}'")
    if block["kind"] == "icon2x":
        icons[block["name"]]["2x"] = rows
        return
    icons[block["name"]] = {"codes": block["codes"], "1x": rows, "2x": None}
    order.append(block["name"])


def scale2x(rows):
    height = len(rows)
    width = len(rows[0])

    def at(x, y):
        return rows[min(max(y, 0), height - 1)][min(max(x, 0), width - 1)]

    out = [[" "] * (width * 2) for _ in range(height * 2)]
    for y in range(height):
        for x in range(width):
            e = at(x, y)
            b, d, f, h = at(x, y - 1), at(x - 1, y), at(x + 1, y), at(x, y + 1)
            e0 = e1 = e2 = e3 = e
            if b != h and d != f:
                e0 = d if d == b else e
                e1 = f if b == f else e
                e2 = d if d == h else e
                e3 = f if h == f else e
            out[2 * y][2 * x], out[2 * y][2 * x + 1] = e0, e1
            out[2 * y + 1][2 * x], out[2 * y + 1][2 * x + 1] = e2, e3
    return ["".join(row) for row in out]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, rows, palette):
    keys = list(palette)  # the transparent key first
    index = {key: i for i, key in enumerate(keys)}
    plte = b"".join(palette[key] or b"\0\0\0" for key in keys)
    trns = bytes(0 if palette[key] is None else 255 for key in keys)
    raw = b"".join(b"\0" + bytes(index[ch] for ch in row) for row in rows)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 3, 0, 0, 0)) +
           chunk(b"PLTE", plte) + chunk(b"tRNS", trns) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(png)


# Pictures drawn from parameters -------------------------------------------

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]

DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "x": ["...", "#.#", ".#.", "#.#", "..."],
}


def blank():
    return [["."] * SIZE for _ in range(SIZE)]


def joined(grid):
    return ["".join(row) for row in grid]


def tone_icon(level):
    # Level 0 is 100 %, level 7 is 12.5 %: a framed swatch dithered with the
    # ordered pattern. The first of each family also stands for its state
    # button.
    grid = blank()
    for y in range(1, 15):
        for x in range(1, 15):
            edge = x in (1, 14) or y in (1, 14)
            if edge:
                grid[y][x] = "k"
            else:
                grid[y][x] = "N" if BAYER4[y % 4][x % 4] < (8 - level) * 2 else "w"
    return joined(grid)


def pen_icon(diameter):
    # A round nib of the size, centred, over a light frame.
    grid = blank()
    for y in range(1, 15):
        for x in range(1, 15):
            grid[y][x] = "k" if x in (1, 14) or y in (1, 14) else "w"
    offset = (SIZE - diameter) // 2
    radius = diameter / 2
    for y in range(diameter):
        for x in range(diameter):
            dx, dy = x + 0.5 - radius, y + 0.5 - radius
            if diameter <= 2 or dx * dx + dy * dy <= radius * radius + 0.5:
                grid[offset + y][offset + x] = "N"
    return joined(grid)


MAGNIFIER = [
    "..kkkk..........",
    ".kBBBBk.........",
    "kBwBBBBk........",
    "kBBBBBBk........",
    "kBBBBBBk........",
    "kBBBBBBk........",
    ".kBBBBk.........",
    "..kkkkdk........",
    ".......dk.......",
    "........dk......",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
]


def zoom_icon(text):
    # The magnifier with the factor below it in a small font, rimmed in white
    # so that it reads over the glass.
    grid = [list(row) for row in MAGNIFIER]
    width = 4 * len(text) - 1
    left = SIZE - width - 1
    digits = set()
    for i, ch in enumerate(text):
        for y, row in enumerate(DIGITS[ch]):
            for x, pixel in enumerate(row):
                if pixel == "#":
                    digits.add((left + 4 * i + x, 10 + y))
    for x, y in digits:
        for ny in (y - 1, y, y + 1):
            for nx in (x - 1, x, x + 1):
                if 0 <= nx < SIZE and 0 <= ny < SIZE:
                    grid[ny][nx] = "w"
    for x, y in digits:
        grid[y][x] = "N"
    return joined(grid)


def generated_icons():
    icons = {}
    for level in range(8):
        icons[f"tone-{level}"] = ([32858 + level] + ([32873] if level == 0 else []), tone_icon(level))
    for i, diameter in enumerate([1, 2, 4, 6, 10]):
        icons[f"pen-{diameter}"] = ([32850 + i] + ([32856] if i == 0 else []), pen_icon(diameter))
    zooms = [("1", 32824), ("2", 32825), ("4", 32826), ("8", 32827), ("12", 33069), ("16", 32900), ("24", 32960),
             ("32", 32961)]
    for text, code in zooms:
        icons[f"zoom-{text}"] = ([code] + ([32833] if code == 32824 else []), zoom_icon("x" + text))
    return icons


def main():
    palette, icons, order = read_source(HERE / "icons.txt")
    if next(iter(palette.values())) is not None:
        sys.exit("icons.txt: the first colour must be the transparent one")
    for name, (codes, rows) in generated_icons().items():
        icons[name] = {"codes": codes, "1x": rows, "2x": None}
        order.append(name)
    for stale in (HERE / "png").glob("*.png"):
        stale.unlink()
    manifest = []
    for name in order:
        icon = icons[name]
        if not icon["codes"]:
            continue  # drawn for the desktop's sizes only
        write_png(HERE / "png" / f"{name}.png", icon["1x"], palette)
        write_png(HERE / "png" / f"{name}@2x.png", icon["2x"] or scale2x(icon["1x"]), palette)
        manifest += [(code, name) for code in icon["codes"]]
    codes = [code for code, _ in manifest]
    if len(codes) != len(set(codes)):
        sys.exit("icons.txt: a code has two icons")
    with open(HERE / "icons.tsv", "w", encoding="utf-8") as out:
        out.write("# code\tname (written by render_icons.py)\n")
        for code, name in sorted(manifest):
            out.write(f"{code}\t{name}\n")

    # The application icon for desktops: the small picture at 16, the large
    # one at 32 and its Scale2x steps above.
    application = icons["application"]["1x"]
    sizes = {16: icons["application-small"]["1x"], 32: application}
    for size in (64, 128, 256):
        application = scale2x(application)
        sizes[size] = application
    for size, rows in sizes.items():
        write_png(HERE / "hicolor" / f"{size}x{size}" / "apps" / "stipplebox.png", rows, palette)


if __name__ == "__main__":
    main()
