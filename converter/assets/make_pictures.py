#!/usr/bin/python3
"""Draws the window pictures of the converter into converter/assets/pictures/.

The build embeds the files that this script wrote; it never runs the script.
Run it again after changing a drawing and commit the pictures with it:

    /usr/bin/python3 converter/assets/make_pictures.py

Needs Pillow (Debian: python3-pil) and the WenQuanYi Micro Hei face
(fonts-wqy-microhei). The output depends only on those, so two runs on the
same system give the same bytes.
"""

import io
import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "pictures")
FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# The window's own blues: background, list and frame fill.
WINDOW = (45, 148, 217)
LIST = (35, 145, 200)
FRAME = (0, 96, 192)
WHITE = (255, 255, 255)
DEEP = (0, 62, 138)

# Shapes are drawn this many times larger and then scaled down, which gives
# smooth edges at the small final sizes.
SCALE = 8


def font(size):
    return ImageFont.truetype(FONT_FILE, size, index=0)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def vertical_gradient(size, top, bottom):
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        draw.line([(0, y), (width - 1, y)], fill=mix(top, bottom, y / max(1, height - 1)))
    return image


def supersampled(size, paint):
    """Lets `paint(draw, s)` draw on a transparent canvas SCALE times larger,
    where s(v) scales a coordinate, and returns the canvas at `size`."""
    width, height = size
    big = Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))
    paint(ImageDraw.Draw(big), lambda v: v * SCALE)
    return big.resize(size, Image.Resampling.LANCZOS)


def rounded_shape(size, radius):
    """An anti-aliased white mask of a rounded rectangle filling `size`."""
    def paint(draw, s):
        draw.rounded_rectangle([0, 0, s(size[0]) - 1, s(size[1]) - 1], radius=s(radius), fill=WHITE)
    return supersampled(size, paint).getchannel("A")


def put_text(image, text, box, size, colour, stroke=0):
    """Centres `text` inside `box` (left, top, right, bottom)."""
    draw = ImageDraw.Draw(image)
    face = font(size)
    left, top, right, bottom = draw.textbbox((0, 0), text, font=face, stroke_width=stroke)
    x = box[0] + (box[2] - box[0] - (right - left)) / 2 - left
    y = box[1] + (box[3] - box[1] - (bottom - top)) / 2 - top
    draw.text((round(x), round(y)), text, font=face, fill=colour,
              stroke_width=stroke, stroke_fill=colour)


def on_background(picture, background):
    """Flattens an RGBA picture onto a plain colour."""
    flat = Image.new("RGBA", picture.size, background + (255,))
    flat.alpha_composite(picture)
    return flat.convert("RGB")


# The Convert button's faces are carried with these exact lengths in bytes.
FACE_LENGTHS = {
    "start_normal.jpg": 3319,
    "start_hover.jpg": 3215,
    "stop_normal.jpg": 3054,
    "stop_hover.jpg": 2995,
}


def encode_jpeg(image, quality):
    # Baseline (not progressive) so that any 6-series libjpeg reads it.
    out = io.BytesIO()
    image.convert("RGB").save(out, "JPEG", quality=quality, progressive=False,
                              optimize=False, subsampling=0)
    return out.getvalue()


def padded_to(data, length):
    """Pads a JPEG to `length` bytes with a comment segment after its start
    marker, or returns None when that cannot be done."""
    padding = length - len(data) - 4  # marker and length field come first
    if padding < 0:
        return None
    segment = b"\xff\xfe" + (padding + 2).to_bytes(2, "big") + b" " * padding
    return data[:2] + segment + data[2:]


def save_jpeg(image, name):
    length = FACE_LENGTHS.get(name)
    quality = 92
    data = encode_jpeg(image, quality)
    while length is not None and padded_to(data, length) is None and quality > 5:
        quality -= 1
        data = encode_jpeg(image, quality)
    if length is not None:
        data = padded_to(data, length)
    with open(os.path.join(OUT, name), "wb") as out:
        out.write(data)


def save_gif(image, name, transparent_mask=None):
    """Saves a single-frame GIF; pixels where `transparent_mask` is set become
    the transparent colour (the last palette entry)."""
    colours = 255 if transparent_mask is not None else 256
    indexed = image.convert("RGB").quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                                            dither=Image.Dither.NONE)
    palette = indexed.getpalette()[: colours * 3]
    palette += [0] * (768 - len(palette))
    indexed.putpalette(palette)
    options = {}
    if transparent_mask is not None:
        palette[255 * 3: 256 * 3] = list(WINDOW)
        indexed.putpalette(palette)
        indexed.paste(255, mask=transparent_mask)
        options["transparency"] = 255
    indexed.save(os.path.join(OUT, name), "GIF", optimize=False, **options)


def save_png(image, name):
    image.save(os.path.join(OUT, name), "PNG", optimize=False)


# ---------------------------------------------------------------- banner

def banner():
    size = (620, 35)
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    # A band that fades from the frame blue into the window background.
    for x in range(size[0]):
        t = min(1.0, x / 420)
        draw.line([(x, 0), (x, size[1] - 1)], fill=mix(FRAME, WINDOW, t))
    draw.line([(0, size[1] - 1), (size[0], size[1] - 1)], fill=mix(FRAME, WINDOW, 0.5))

    # A small film frame as the product mark.
    def mark(d, s):
        d.rounded_rectangle([s(8), s(7), s(32), s(28)], radius=s(3), fill=WHITE)
        for x in (10, 16, 22, 28):
            d.rectangle([s(x), s(8.5), s(x + 2.5), s(10.5)], fill=FRAME)
            d.rectangle([s(x), s(24.5), s(x + 2.5), s(26.5)], fill=FRAME)
        d.polygon([(s(16.5), s(13)), (s(16.5), s(22)), (s(24), s(17.5))], fill=(255, 140, 0))
    image.paste(supersampled((40, 35), mark), (0, 0), supersampled((40, 35), mark))

    put_text(image, "Corvanta", (42, 2, 160, 33), 22, WHITE, stroke=1)
    put_text(image, "视频批量转换专家", (160, 6, 300, 31), 14, (225, 240, 255))
    return image


# ------------------------------------------------------------ title buttons

def title_button(kind, hover):
    size = (25, 19)
    if not hover:
        background = WINDOW
    elif kind == "close":
        background = (222, 64, 52)
    else:
        background = LIST

    def glyph(d, s):
        if kind == "close":
            d.line([(s(8), s(5)), (s(17), s(14))], fill=WHITE, width=round(s(1.8)))
            d.line([(s(17), s(5)), (s(8), s(14))], fill=WHITE, width=round(s(1.8)))
        else:
            d.rectangle([s(7.5), s(11), s(17.5), s(13)], fill=WHITE)

    image = Image.new("RGBA", size, background + (255,))
    if hover:
        frame = ImageDraw.Draw(image)
        frame.rectangle([0, 0, size[0] - 1, size[1] - 1], outline=mix(background, WHITE, 0.35))
    image.alpha_composite(supersampled(size, glyph))
    return image.convert("RGB")


# -------------------------------------------------------- big picture buttons

BIG = (95, 40)


def big_face(hover, label, icon):
    """A rounded button with an icon at the left and a two-character label."""
    top, bottom = ((120, 205, 255), (20, 128, 210)) if hover else ((80, 172, 236), (0, 96, 192))
    border = (255, 236, 150) if hover else DEEP
    face = vertical_gradient(BIG, top, bottom).convert("RGBA")
    # A soft gloss over the upper half.
    gloss = Image.new("RGBA", BIG, (255, 255, 255, 0))
    ImageDraw.Draw(gloss).rectangle([0, 0, BIG[0], BIG[1] // 2], fill=(255, 255, 255, 34))
    face.alpha_composite(gloss)
    face.alpha_composite(supersampled(BIG, icon))
    text_colour = (255, 250, 210) if hover else WHITE
    put_text(face, label, (38, 0, BIG[0] - 4, BIG[1]), 17, text_colour, stroke=0)

    outline = Image.new("RGBA", BIG, border + (255,))
    result = Image.new("RGBA", BIG, WINDOW + (255,))
    result.paste(outline, (0, 0), rounded_shape(BIG, 7))
    inner = rounded_shape((BIG[0] - 2, BIG[1] - 2), 6)
    result.paste(face.crop((1, 1, BIG[0] - 1, BIG[1] - 1)), (1, 1), inner)
    return result.convert("RGB")


def icon_disc(d, s, colour=WHITE):
    d.ellipse([s(9), s(8), s(33), s(32)], fill=colour)


def add_icon(d, s):
    icon_disc(d, s)
    d.rectangle([s(14), s(18.5), s(28), s(21.5)], fill=FRAME)
    d.rectangle([s(19.5), s(13), s(22.5), s(27)], fill=FRAME)


def delete_icon(d, s):
    icon_disc(d, s)
    d.rectangle([s(14), s(18.5), s(28), s(21.5)], fill=(210, 40, 40))


def clear_icon(d, s):
    # A waste bin: lid, handle and a ribbed body.
    d.rounded_rectangle([s(16), s(7), s(26), s(11)], radius=s(1.5), fill=WHITE)
    d.rectangle([s(11), s(10), s(31), s(13)], fill=WHITE)
    d.polygon([(s(13), s(14)), (s(29), s(14)), (s(27), s(33)), (s(15), s(33))], fill=WHITE)
    for x in (17, 20.5, 24):
        d.rectangle([s(x), s(17), s(x + 1.5), s(30)], fill=FRAME)


def circling_arrows_icon(d, s):
    cx, cy, r, w = 21, 20, 9.5, 3.2
    box = [s(cx - r), s(cy - r), s(cx + r), s(cy + r)]
    for start in (200, 20):
        end = start + 130
        d.arc(box, start, end, fill=WHITE, width=round(s(w)))
        # An arrowhead at the end of each arc, pointing along the turn.
        a = math.radians(end)
        px, py = cx + (r - w / 2) * math.cos(a), cy + (r - w / 2) * math.sin(a)
        tx, ty = -math.sin(a), math.cos(a)
        nx, ny = math.cos(a), math.sin(a)
        head = [(px + tx * 5.5, py + ty * 5.5),
                (px + nx * 4.6 - tx * 0.5, py + ny * 4.6 - ty * 0.5),
                (px - nx * 4.6 - tx * 0.5, py - ny * 4.6 - ty * 0.5)]
        d.polygon([(s(x), s(y)) for x, y in head], fill=WHITE)


def pause_icon(d, s):
    icon_disc(d, s, (255, 246, 214))
    d.rounded_rectangle([s(15.5), s(13), s(19), s(27)], radius=s(1), fill=(214, 72, 30))
    d.rounded_rectangle([s(23), s(13), s(26.5), s(27)], radius=s(1), fill=(214, 72, 30))


# ------------------------------------------------------ small picture buttons

def small_face(size, label, hover):
    """The folder, open and help buttons: a flat pill with a two-character label."""
    fill = (236, 246, 255) if hover else FRAME
    text = FRAME if hover else WHITE
    border = (255, 236, 150) if hover else DEEP
    result = Image.new("RGB", size, WINDOW)
    result.paste(Image.new("RGB", size, border), (0, 0), rounded_shape(size, 4))
    inner = (size[0] - 2, size[1] - 2)
    result.paste(Image.new("RGB", inner, fill), (1, 1), rounded_shape(inner, 3))
    put_text(result, label, (0, 0, size[0], size[1]), 12, text)
    return result


# -------------------------------------------------------------- decoration

def decoration():
    """A film reel with a strip running off it, on a transparent ground."""
    size = (100, 100)

    def paint(d, s):
        # The strip, behind the reel.
        d.polygon([(s(50), s(78)), (s(96), s(62)), (s(99), s(80)), (s(54), s(96))], fill=(40, 40, 48))
        for i in range(6):
            t = 0.12 + i * 0.15
            x, y = 52 + 44 * t, 87 - 16 * t
            d.ellipse([s(x - 1.6), s(y - 10), s(x + 1.6), s(y - 7)], fill=(230, 230, 230))
            d.ellipse([s(x - 1.6), s(y + 5), s(x + 1.6), s(y + 8)], fill=(230, 230, 230))
        # The reel.
        d.ellipse([s(6), s(6), s(82), s(82)], fill=FRAME)
        d.ellipse([s(10), s(10), s(78), s(78)], fill=(20, 120, 210))
        for k in range(5):
            a = math.radians(k * 72 - 90)
            x, y = 44 + 21 * math.cos(a), 44 + 21 * math.sin(a)
            d.ellipse([s(x - 9), s(y - 9), s(x + 9), s(y + 9)], fill=(235, 245, 255))
        d.ellipse([s(38), s(38), s(50), s(50)], fill=(235, 245, 255))
        d.ellipse([s(41.5), s(41.5), s(46.5), s(46.5)], fill=FRAME)

    picture = supersampled(size, paint)
    transparent = picture.getchannel("A").point(lambda a: 255 if a < 128 else 0)
    return on_background(picture, WINDOW), transparent


# ------------------------------------------------------------- window icon

def window_icon():
    size = (256, 256)
    ground = vertical_gradient(size, (80, 180, 245), FRAME).convert("RGBA")
    icon = Image.new("RGBA", size, (0, 0, 0, 0))
    icon.paste(ground, (0, 0), rounded_shape(size, 48))

    def paint(d, s):
        # A film strip across the middle.
        d.rectangle([s(0), s(78), s(256), s(178)], fill=(32, 36, 48))
        for x in range(10, 256, 30):
            d.rounded_rectangle([s(x), s(86), s(x + 16), s(98)], radius=s(3), fill=WHITE)
            d.rounded_rectangle([s(x), s(158), s(x + 16), s(170)], radius=s(3), fill=WHITE)
        # A play disc over it.
        d.ellipse([s(78), s(78), s(178), s(178)], fill=WHITE)
        d.polygon([(s(113), s(102)), (s(113), s(154)), (s(156), s(128))], fill=(255, 140, 0))

    layer = supersampled(size, paint)
    # Keep the strip inside the rounded corners.
    layer.putalpha(ImageChops.multiply(layer.getchannel("A"), rounded_shape(size, 48)))
    icon.alpha_composite(layer)
    return icon


# ---------------------------------------------------------------- row icons

ROW = (16, 15)


def row_icon(index):
    def paint(d, s):
        disc = [s(1.5), s(1), s(14.5), s(14)]
        if index == 0:
            d.ellipse(disc, fill=(20, 20, 20))
            d.ellipse([s(6), s(5.5), s(10), s(9.5)], fill=WHITE)
        elif index == 1:
            blue = (0, 90, 220)
            d.rectangle([s(1.5), s(5.5), s(9), s(9.5)], fill=blue)
            d.polygon([(s(8), s(1.5)), (s(15), s(7.5)), (s(8), s(13.5))], fill=blue)
        elif index == 2:
            d.ellipse(disc, fill=(220, 30, 30))
            d.line([(s(5.5), s(4.5)), (s(10.5), s(10.5))], fill=WHITE, width=round(s(2)))
            d.line([(s(10.5), s(4.5)), (s(5.5), s(10.5))], fill=WHITE, width=round(s(2)))
        else:
            d.ellipse(disc, fill=(20, 160, 50))
            d.line([(s(4.5), s(7.5)), (s(7), s(10.2)), (s(11.8), s(4.5))], fill=WHITE,
                   width=round(s(2)), joint="curve")
    return supersampled(ROW, paint)


# ------------------------------------------------------------- format icons

FORMATS = ["MP4", "avi", "mpg", "mkv", "rmvb", "wmv", "vob", "flv", "swf", "mov", "f4v", "dat"]
FORMAT_COLOURS = [
    (232, 88, 32), (36, 112, 214), (126, 64, 200), (28, 150, 84),
    (200, 36, 120), (0, 150, 196), (150, 100, 36), (214, 40, 40),
    (226, 150, 0), (84, 84, 96), (150, 40, 60), (56, 64, 160),
]


def format_glyph(d, s, index):
    """A white mark in the middle of the film frame, one shape per format."""
    cx, cy = 8, 7.5
    w = WHITE
    shapes = {
        0: lambda: d.polygon([(s(6), s(4.5)), (s(6), s(10.5)), (s(11), s(7.5))], fill=w),
        1: lambda: d.ellipse([s(5.5), s(5), s(10.5), s(10)], fill=w),
        2: lambda: d.rectangle([s(5.5), s(5), s(10.5), s(10)], fill=w),
        3: lambda: d.polygon([(s(cx), s(4.3)), (s(11.2), s(cy)), (s(cx), s(10.7)), (s(4.8), s(cy))], fill=w),
        4: lambda: (d.rectangle([s(5.5), s(4.8), s(7.2), s(10.2)], fill=w),
                    d.rectangle([s(8.8), s(4.8), s(10.5), s(10.2)], fill=w)),
        5: lambda: d.ellipse([s(5), s(4.5), s(11), s(10.5)], outline=w, width=round(s(1.4))),
        6: lambda: (d.rectangle([s(5), s(6.8), s(11), s(8.2)], fill=w),
                    d.rectangle([s(7.3), s(4.5), s(8.7), s(10.5)], fill=w)),
        7: lambda: (d.line([(s(5.2), s(4.8)), (s(10.8), s(10.2))], fill=w, width=round(s(1.5))),
                    d.line([(s(10.8), s(4.8)), (s(5.2), s(10.2))], fill=w, width=round(s(1.5)))),
        8: lambda: d.polygon([(s(cx), s(4.2)), (s(11.3), s(10.5)), (s(4.7), s(10.5))], fill=w),
        9: lambda: (d.ellipse([s(4.5), s(6), s(7.5), s(9)], fill=w),
                    d.ellipse([s(8.5), s(6), s(11.5), s(9)], fill=w)),
        10: lambda: d.polygon([(s(10.5), s(4.5)), (s(10.5), s(10.5)), (s(5.5), s(7.5))], fill=w),
        11: lambda: d.rectangle([s(4.5), s(6.8), s(11.5), s(8.2)], fill=w),
    }
    shapes[index]()


def format_icon(index):
    colour = FORMAT_COLOURS[index]

    def paint(d, s):
        d.rounded_rectangle([s(0.5), s(1), s(15.5), s(14)], radius=s(2), fill=colour)
        for x in (2.2, 6.6, 11):
            d.rectangle([s(x), s(1.9), s(x + 2.2), s(3.1)], fill=WHITE)
            d.rectangle([s(x), s(11.9), s(x + 2.2), s(13.1)], fill=WHITE)
        format_glyph(d, s, index)
    return supersampled(ROW, paint)


# -------------------------------------------------------------------- main

def main():
    if not os.path.exists(FONT_FILE):
        sys.exit("missing font " + FONT_FILE + " (Debian package fonts-wqy-microhei)")
    os.makedirs(OUT, exist_ok=True)

    save_gif(banner(), "banner.gif")
    for kind in ("minimize", "close"):
        save_gif(title_button(kind, False), kind + "_normal.gif")
        save_gif(title_button(kind, True), kind + "_hover.gif")

    faces = {
        "add": ("添加", add_icon),
        "delete": ("删除", delete_icon),
        "clear": ("清空", clear_icon),
        "start": ("转换", circling_arrows_icon),
        "stop": ("暂停", pause_icon),
    }
    for name, (label, icon) in faces.items():
        save_jpeg(big_face(False, label, icon), name + "_normal.jpg")
        save_jpeg(big_face(True, label, icon), name + "_hover.jpg")

    for name, size, label in (("folder", (40, 19), "浏览"), ("open", (50, 19), "打开"),
                              ("help", (50, 19), "帮助")):
        save_gif(small_face(size, label, False), name + "_normal.gif")
        save_jpeg(small_face(size, label, True), name + "_hover.jpg")

    picture, transparent = decoration()
    save_gif(picture, "decoration.gif", transparent)
    save_png(window_icon(), "icon.png")
    for index in range(4):
        save_png(row_icon(index), "row_%d.png" % index)
    for index in range(len(FORMATS)):
        save_png(format_icon(index), "format_%d.png" % index)


if __name__ == "__main__":
    main()
