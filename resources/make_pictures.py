#!/usr/bin/python3
"""Draws Tavrel's nine pictures into this folder, and the application icon
for the desktop into hicolor/ below it.

Run by hand after a design change, and commit the output; the build only
copies the files:

    /usr/bin/python3 resources/make_pictures.py

Needs python3-pil and the DejaVu fonts (fonts-dejavu-core).

Every picture is drawn at twice the size of the canvas that shows it: the
canvas scales it into its rectangle, so text and edges stay sharp on Hi-DPI
screens and are merely downsampled on ordinary ones.  All backgrounds are
transparent; both windows are white, and a transparent picture also keeps
whatever a style puts behind it.

Text and shapes are painted as coverage masks filled with one solid colour,
never blended onto a transparent background directly, so anti-aliased edges
keep their true colour instead of fading towards black.
"""

import os

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
REGULAR = os.path.join(FONT_DIR, "DejaVuSans.ttf")

# Pixels per canvas point.
SCALE = 2
# Shapes are drawn this many times larger again and box-filtered down.
SUPERSAMPLE = 4

# One calm palette for every picture.
INK = (14, 72, 96)          # deep blue-teal: wordmark, icon header
ACCENT = (38, 150, 144)     # teal: rules, check mark
LABEL = (24, 48, 62)        # near-black slate: row labels, column headers
MUTED = (96, 122, 134)      # grey-teal: subtitle
PAGE = (255, 255, 255)
PAGE_EDGE = (190, 208, 214)
GRID = (214, 228, 232)

# The desktop entry's id (packaging/), which names the desktop icons.
APP_ID = "org.tavrel.Tavrel"

# Row labels and column headers share one size so the form reads as one.
LABEL_PX = 36


def font(path, px):
    return ImageFont.truetype(path, px)


def cap_height(f):
    """Height of a capital above the baseline, in pixels."""
    return -f.getbbox("H", anchor="ls")[1]


def blank(size):
    return Image.new("RGBA", size, (0, 0, 0, 0))


def paint(picture, mask, colour):
    """Composites `colour` onto `picture` wherever `mask` covers it."""
    layer = Image.new("RGBA", picture.size, colour + (0,))
    layer.putalpha(mask)
    picture.alpha_composite(layer)


def shape_mask(size, draw):
    """A mask drawn by `draw(d, s)` at SUPERSAMPLE times `size`.

    `s` is the factor from picture pixels to the drawing's pixels, so the
    callback works in picture pixels and multiplies by `s`.
    """
    big = Image.new("L", (size[0] * SUPERSAMPLE, size[1] * SUPERSAMPLE), 0)
    draw(ImageDraw.Draw(big), SUPERSAMPLE)
    return big.reduce(SUPERSAMPLE)


def text_mask(size, xy, text, f, anchor="ls", tracking=0):
    """A mask of `text` placed at `xy` (anchor as in Pillow).

    With `tracking`, every glyph after the first moves that many pixels
    further right; kerning between neighbours is kept.
    """
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(mask)
    if not tracking:
        d.text(xy, text, font=f, fill=255, anchor=anchor)
        return mask
    width = tracked_width(text, f, tracking)
    x, y = xy
    if anchor[0] == "m":
        x -= width / 2
    elif anchor[0] == "r":
        x -= width
    for i, ch in enumerate(text):
        # Advance of everything before ch, including the kerning with ch.
        offset = f.getlength(text[: i + 1]) - f.getlength(ch)
        d.text((x + offset + i * tracking, y), ch, font=f, fill=255,
               anchor="l" + anchor[1])
    return mask


def tracked_width(text, f, tracking):
    return f.getlength(text) + tracking * (len(text) - 1)


def save(picture, name):
    path = os.path.join(HERE, name)
    # Icon64 has no extension, so the format is named explicitly.
    picture.save(path, format="PNG", optimize=True)
    print(f"{name}: {picture.size[0]}x{picture.size[1]}")


# --- Row labels and column headers --------------------------------------------

def row_label(name, canvas, text, field_gap_pt, centre_pt):
    """A label right-aligned towards the fields that stand to its right.

    `field_gap_pt` is the room kept free at the right edge, `centre_pt` the
    height (from the canvas top) of the middle of the fields of that row, so
    the label's capitals line up with the text typed beside them.
    """
    size = (canvas[0] * SCALE, canvas[1] * SCALE)
    f = font(BOLD, LABEL_PX)
    right = size[0] - field_gap_pt * SCALE
    baseline = round(centre_pt * SCALE + cap_height(f) / 2)
    picture = blank(size)
    paint(picture, text_mask(size, (right, baseline), text, f, anchor="rs"),
          LABEL)
    save(picture, name)


def column_header(name, canvas, text, field_centre_pt):
    """A header centred over the column of fields below it.

    The fields do not all sit in the middle of their header's canvas, so the
    text is centred on the fields' middle (`field_centre_pt`, from the canvas
    left), and set low so it reads as belonging to the fields underneath.
    """
    size = (canvas[0] * SCALE, canvas[1] * SCALE)
    f = font(BOLD, LABEL_PX)
    centre_x = field_centre_pt * SCALE
    width = f.getlength(text)
    # Never let the word run off the picture.
    centre_x = min(max(centre_x, width / 2 + 2), size[0] - width / 2 - 2)
    baseline = round(size[1] * 0.58 + cap_height(f) / 2)
    picture = blank(size)
    paint(picture,
          text_mask(size, (centre_x, baseline), text, f, anchor="ms"), LABEL)
    save(picture, name)


# --- The calendar mark, shared by the icon and the calculator banner--------------------

def calendar_masks(size, box):
    """Masks of a calendar page with a check mark, inside `box` (x, y, w, h).

    Returns a dict of masks over the whole picture, painted in this order by
    paint_calendar: the page's body, the faint day grid, the page's edge, the
    coloured top band, white collars and the two binder rings over it, and a
    white halo and the check mark.  The rings rise above the page's top edge
    to the top of `box`.
    """
    bx, by, bw, bh = box
    radius = bw * 0.14
    edge = max(bw * 0.035, 1.0)
    header_h = bh * 0.27
    top = by + bh * 0.07            # rings stick out above the page

    def page(d, s):
        d.rounded_rectangle([bx * s, top * s, (bx + bw) * s, (by + bh) * s],
                            radius=radius * s, fill=255)

    def outline(d, s):
        d.rounded_rectangle([bx * s, top * s, (bx + bw) * s, (by + bh) * s],
                            radius=radius * s, fill=255)
        d.rounded_rectangle([(bx + edge) * s, (top + edge) * s,
                             (bx + bw - edge) * s, (by + bh - edge) * s],
                            radius=(radius - edge) * s, fill=0)

    def header(d, s):
        d.rounded_rectangle([bx * s, top * s, (bx + bw) * s,
                             (top + header_h) * s],
                            radius=radius * s, fill=255)
        # Square off the band's lower corners where it meets the page.
        d.rectangle([bx * s, (top + header_h - radius) * s,
                     (bx + bw) * s, (top + header_h) * s], fill=255)

    ring_w = bw * 0.075
    ring_h = bh * 0.2
    ring_xs = (bx + bw * 0.30, bx + bw * 0.70)

    def rings(d, s):
        for cx in ring_xs:
            d.rounded_rectangle([(cx - ring_w / 2) * s, by * s,
                                 (cx + ring_w / 2) * s, (by + ring_h) * s],
                                radius=ring_w / 2 * s, fill=255)

    def ring_holes(d, s):
        # A white collar around each ring, so it stands clear of the band.
        for cx in ring_xs:
            pad = ring_w * 0.45
            d.rounded_rectangle([(cx - ring_w / 2 - pad) * s, (by - pad) * s,
                                 (cx + ring_w / 2 + pad) * s,
                                 (by + ring_h + pad) * s],
                                radius=(ring_w / 2 + pad) * s, fill=255)

    body_top = top + header_h
    cols, rows = 4, 3
    gx0, gx1 = bx + bw * 0.14, bx + bw * 0.86
    gy0, gy1 = body_top + bh * 0.1, by + bh * 0.88

    def grid(d, s):
        cw = (gx1 - gx0) / cols
        rh = (gy1 - gy0) / rows
        dot = min(cw, rh) * 0.32
        for r in range(rows):
            for c in range(cols):
                cx = gx0 + cw * (c + 0.5)
                cy = gy0 + rh * (r + 0.5)
                d.rounded_rectangle([(cx - dot) * s, (cy - dot) * s,
                                     (cx + dot) * s, (cy + dot) * s],
                                    radius=dot * 0.35 * s, fill=255)

    # The check mark, and a wider white halo under it that keeps it clear
    # of the day grid it crosses.
    stroke = bw * 0.11
    body_h = by + bh - body_top
    check_pts = [(bx + bw * 0.27, body_top + body_h * 0.52),
                 (bx + bw * 0.44, body_top + body_h * 0.74),
                 (bx + bw * 0.75, body_top + body_h * 0.26)]

    def tick(width):
        def draw(d, s):
            d.line([(x * s, y * s) for x, y in check_pts], fill=255,
                   width=round(width * s), joint="curve")
            # Round the two free ends to match the rounded joint.
            r = width / 2
            for x, y in (check_pts[0], check_pts[-1]):
                d.ellipse([(x - r) * s, (y - r) * s, (x + r) * s,
                           (y + r) * s], fill=255)
        return draw

    return {
        "page": shape_mask(size, page),
        "outline": shape_mask(size, outline),
        "header": shape_mask(size, header),
        "ring_holes": shape_mask(size, ring_holes),
        "rings": shape_mask(size, rings),
        "grid": shape_mask(size, grid),
        "check_halo": shape_mask(size, tick(stroke + bw * 0.09)),
        "check": shape_mask(size, tick(stroke)),
    }


def paint_calendar(picture, box):
    m = calendar_masks(picture.size, box)
    paint(picture, m["page"], PAGE)
    paint(picture, m["grid"], GRID)
    paint(picture, m["outline"], PAGE_EDGE)
    paint(picture, m["header"], INK)
    paint(picture, m["ring_holes"], PAGE)
    paint(picture, m["rings"], INK)
    paint(picture, m["check_halo"], PAGE)
    paint(picture, m["check"], ACCENT)


def rule_mask(size, x0, x1, y, thickness, fade):
    """A horizontal hairline from x0 to x1 whose ends fade out over `fade` px."""
    mask = shape_mask(size, lambda d, s: d.rectangle(
        [x0 * s, y * s, x1 * s, (y + thickness) * s], fill=255))
    if not fade:
        return mask
    row = Image.new("L", (size[0], 1), 0)
    for x in range(size[0]):
        a = min(1.0, max(0.0, (x - x0) / fade), max(0.0, (x1 - x) / fade))
        row.putpixel((x, 0), round(255 * a))
    return ImageChops.multiply(mask, row.resize(size, Image.NEAREST))


# --- Title banners -------------------------------------------------------------

def calculator_banner():
    """The calculator window's banner.

    The window's one-line credit sits over the banner's lowest 6 points, so
    that strip stays empty and the credit reads cleanly on the white window.
    """
    canvas = (461, 62)
    size = (canvas[0] * SCALE, canvas[1] * SCALE)
    reserved = 6 * SCALE
    usable = size[1] - reserved           # 112 px for the design
    picture = blank(size)

    word = font(BOLD, 68)
    tracking = 3
    mark = 62                              # calendar mark, square
    gap = 22
    word_w = tracked_width("Tavrel", word, tracking)
    group_w = mark + gap + word_w
    x0 = (size[0] - group_w) / 2
    cap = cap_height(word)
    rule_y = usable - 14
    centre_y = (rule_y - 4) / 2 + 2
    baseline = round(centre_y + cap / 2)

    paint_calendar(picture, (x0, centre_y - mark / 2 - 1, mark, mark))
    paint(picture,
          text_mask(size, (x0 + mark + gap, baseline), "Tavrel", word,
                    anchor="ls", tracking=tracking), INK)
    paint(picture, rule_mask(size, 24, size[0] - 24, rule_y, 3, 220), ACCENT)
    save(picture, "Quillet.png")


def about_banner():
    """The About window's banner: the wordmark over a short subtitle.

    The application icon stands right below this banner, so the wordmark
    goes without the calendar mark here.
    """
    canvas = (356, 65)
    size = (canvas[0] * SCALE, canvas[1] * SCALE)
    picture = blank(size)

    word = font(BOLD, 76)
    tracking = 4
    baseline = round(44 + cap_height(word) / 2)
    paint(picture,
          text_mask(size, (size[0] / 2, baseline), "Tavrel", word,
                    anchor="ms", tracking=tracking), INK)

    sub = font(REGULAR, 26)
    text = "Age at testing"
    sub_y = 108
    sub_w = tracked_width(text, sub, 1)
    paint(picture, text_mask(size, (size[0] / 2, sub_y + cap_height(sub) / 2),
                             text, sub, anchor="ms", tracking=1), MUTED)
    # Hairlines either side of the subtitle tie it to the wordmark above.
    margin = 18
    left_end = size[0] / 2 - sub_w / 2 - margin
    right_start = size[0] / 2 + sub_w / 2 + margin
    paint(picture, rule_mask(size, 40, left_end, sub_y - 1, 2, 90), ACCENT)
    paint(picture, rule_mask(size, right_start, size[0] - 40, sub_y - 1, 2,
                             90), ACCENT)
    save(picture, "Quillet2.png")


# --- Application icon ----------------------------------------------------------

def calendar_icon(side):
    """The application icon, `side` pixels square: the calendar mark with a
    margin of 12/132 of the side all round."""
    picture = blank((side, side))
    inset = side * 12 / 132
    # A little lower than centred: the ring collars reach a little above
    # the box, and this balances the free space above and below.
    paint_calendar(picture, (inset, inset + side / 132, side - 2 * inset,
                             side - 2 * inset))
    return picture


def icon():
    canvas = (66, 66)
    save(calendar_icon(canvas[0] * SCALE), "Icon64")


def desktop_icons():
    """The same icon for the desktop's menus and task bars, in the hicolor
    theme's layout (hicolor/64x64/apps/...) under the desktop entry's id."""
    for side in (64, 128):
        folder = f"hicolor/{side}x{side}/apps"
        os.makedirs(os.path.join(HERE, folder), exist_ok=True)
        save(calendar_icon(side), f"{folder}/{APP_ID}.png")


def main():
    calculator_banner()
    about_banner()
    # Row labels: each canvas ends just left of its row's first field; the
    # centres are those fields' middles, measured from the canvas top.
    row_label("DOT.png", (186, 31), "Date of Testing", 4, 17)
    row_label("DOB.png", (186, 31), "Date of Birth", 4, 16)
    row_label("Age.png", (66, 35), "Age", 4, 19)
    # Column headers: the centres are the field columns' middles, measured
    # from each canvas's left edge.
    column_header("Year.png", (73, 35), "Year", 36.5)
    column_header("Month.png", (90, 35), "Month", 36)
    column_header("day.png", (63, 35), "Day", 21)
    icon()
    desktop_icons()


if __name__ == "__main__":
    main()
