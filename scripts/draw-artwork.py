#!/usr/bin/python3
"""Draws Varnix's pictures into qt/artwork/, and converts them into the
formats the Windows program's resources take (win32/artwork/).

Run it again after changing a drawing; the pictures it writes are committed
and compiled into the programs. Needs Pillow (Debian: python3-pil) and the
DejaVu fonts (fonts-dejavu-core).
"""
import struct
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

OUT = Path(__file__).resolve().parent.parent / "qt" / "artwork"
WINDOWS_OUT = OUT.parent.parent / "win32" / "artwork"
HAND_HOT_SPOT = (13, 9)
FONTS = Path("/usr/share/fonts/truetype/dejavu")


DESKTOP_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def font(name, size):
    return ImageFont.truetype(str(FONTS / name), size)


def to_256_colours(image):
    return image.convert("RGB").quantize(colors=256, method=Image.Quantize.MEDIANCUT)


def centred_text(draw, box, text, face, fill, **kwargs):
    left, top, right, bottom = draw.textbbox((0, 0), text, font=face, **kwargs)
    x = box[0] + (box[2] - box[0] - (right - left)) / 2 - left
    y = box[1] + (box[3] - box[1] - (bottom - top)) / 2 - top
    draw.text((x, y), text, font=face, fill=fill, **kwargs)


def background():
    """588 x 478, black, "Varnix" in large green letters near the top."""
    width, height = 588, 478
    face = font("DejaVuSans-Bold.ttf", 78)
    # The letters: a vertical green gradient cut out by the text's shape.
    mask = Image.new("L", (width, height), 0)
    centred_text(ImageDraw.Draw(mask), (0, 4, width, 100), "Varnix", face, 255)
    gradient = Image.new("RGB", (width, height))
    gd = ImageDraw.Draw(gradient)
    for y in range(height):
        t = min(max((y - 14) / 80, 0), 1)
        gd.line([(0, y), (width, y)], fill=(int(120 - 100 * t), int(255 - 95 * t), int(90 - 80 * t)))
    glow = mask.filter(ImageFilter.GaussianBlur(6)).point(lambda v: v * 0.55)
    image = Image.new("RGB", (width, height), (0, 0, 0))
    image.paste((0, 140, 0), (0, 0), glow)
    shadow = Image.new("L", (width, height), 0)
    shadow.paste(mask, (3, 3))
    image.paste((0, 60, 0), (0, 0), shadow)
    image.paste(gradient, (0, 0), mask)
    # A thin green rule under the name.
    ImageDraw.Draw(image).line([(150, 98), (438, 98)], fill=(0, 110, 0), width=1)
    to_256_colours(image).save(OUT / "background.png", optimize=True)


def icon():
    """32 x 32, 256 colours: a green creature with three eyes on stalks."""
    scale = 8
    size = 32 * scale
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    s = lambda *v: [c * scale for c in v]  # noqa: E731
    outline = (0, 60, 0, 255)
    body = (40, 200, 40, 255)
    # Stalks, then the body over their feet.
    for foot, eye in (((12, 18), (6, 7)), ((16, 16), (16, 5)), ((20, 18), (26, 7))):
        d.line(s(*foot, *eye), fill=outline, width=3 * scale)
        d.line(s(*foot, *eye), fill=body, width=int(1.6 * scale))
    d.ellipse(s(5, 14, 27, 31), fill=body, outline=outline, width=scale)
    d.ellipse(s(9, 17, 23, 24), fill=(90, 230, 90, 255))  # belly highlight
    d.arc(s(11, 19, 21, 27), 20, 160, fill=outline, width=scale)  # grin
    d.rectangle(s(14, 26, 15.4, 27.4), fill=(255, 255, 255, 255))  # tooth
    for cx, cy in ((6, 6), (16, 4), (26, 6)):
        d.ellipse(s(cx - 4, cy - 4, cx + 4, cy + 4), fill=(255, 255, 255, 255), outline=outline, width=scale)
        d.ellipse(s(cx - 1.5, cy - 1, cx + 1.5, cy + 2), fill=(0, 0, 0, 255))
    # The desktop's icon theme takes it in several sizes, with soft edges.
    for edge in DESKTOP_ICON_SIZES:
        image.resize((edge, edge), Image.Resampling.LANCZOS).save(OUT / f"varnix-{edge}.png", optimize=True)
    small = image.resize((32, 32), Image.Resampling.LANCZOS)
    alpha = small.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
    flat = Image.new("RGB", (32, 32), (0, 0, 0))
    flat.paste(small.convert("RGB"), (0, 0), alpha)
    paletted = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT)
    # Palette entry 255 is the transparent one.
    palette = paletted.getpalette()[: 255 * 3]
    paletted.putpalette(palette + [0] * (256 * 3 - len(palette)))
    pixels = paletted.load()
    for y in range(32):
        for x in range(32):
            if alpha.getpixel((x, y)) == 0:
                pixels[x, y] = 255
    paletted.save(OUT / "icon.png", transparency=255)
    flat_rgba = flat.convert("RGBA")
    flat_rgba.putalpha(alpha)
    write_icon_file(WINDOWS_OUT / "varnix.ico", flat_rgba)


def wordmark(name, size, text, face, ink, paper, mode="P"):
    image = Image.new("RGB", size, paper)
    centred_text(ImageDraw.Draw(image), (0, 0, *size), text, face, ink)
    if mode == "P":
        image = to_256_colours(image)
    image.save(OUT / name, optimize=True)


def logos():
    wordmark("snes.png", (100, 23), "SUPER NES", font("DejaVuSans-Bold.ttf", 13), (230, 20, 20), (0, 0, 0))
    wordmark("genesis.png", (100, 23), "GENESIS", font("DejaVuSans-Bold.ttf", 15), (255, 255, 255), (200, 0, 0))
    wordmark("neogeo.png", (101, 22), "NEO\u00b7GEO", font("DejaVuSans-Bold.ttf", 15), (255, 255, 255), (0, 0, 0))
    wordmark("mame.png", (100, 24), "M.A.M.E", font("DejaVuSans-BoldOblique.ttf", 17), (235, 20, 20), (0, 0, 0),
             mode="RGB")


def hand():
    """32 x 32, two colours and a mask: a hand pointing up, the fingertip's
    outline at (13, 9), where the pointer's hot spot is."""
    shape = Image.new("L", (32, 32), 0)
    d = ImageDraw.Draw(shape)
    d.rounded_rectangle((11, 10, 15, 23), radius=2, fill=255)   # index finger
    for left in (15, 19, 23):                                    # folded fingers
        d.rounded_rectangle((left, 17, left + 4, 24), radius=2, fill=255)
    d.rounded_rectangle((6, 19, 11, 25), radius=2, fill=255)    # thumb
    d.rounded_rectangle((9, 21, 27, 30), radius=3, fill=255)    # palm
    grown = shape.filter(ImageFilter.MaxFilter(3))
    image = Image.new("P", (32, 32), 0)
    image.putpalette([0, 255, 0, 0, 0, 0, 255, 255, 255] + [0] * (253 * 3))
    for y in range(32):
        for x in range(32):
            if shape.getpixel((x, y)):
                image.putpixel((x, y), 2)
            elif grown.getpixel((x, y)):
                image.putpixel((x, y), 1)
    # Creases between the folded fingers.
    for x in (19, 23):
        for y in range(18, 23):
            image.putpixel((x, y), 1)
    image.save(OUT / "hand.png", transparency=0, bits=2, optimize=True)


def write_icon_file(path, image, hot_spot=None):
    """An .ico, or a .cur when a hot spot is given, with one 32-bit DIB
    image and its AND mask: the form every Windows version and Wine load."""
    image = image.convert("RGBA")
    width, height = image.size
    xor = bytearray()
    mask = bytearray()
    mask_stride = (width + 31) // 32 * 4
    for y in reversed(range(height)):  # DIB rows run bottom-up
        bits = 0
        row = bytearray()
        for x in range(width):
            r, g, b, a = image.getpixel((x, y))
            xor += bytes((b, g, r, a))
            bits = bits << 1 | (a == 0)
            if x % 8 == 7:
                row.append(bits)
                bits = 0
        mask += row.ljust(mask_stride, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    data = header + xor + mask
    kind, planes_or_x, bits_or_y = (2, *hot_spot) if hot_spot else (1, 1, 32)
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, planes_or_x, bits_or_y, len(data), 6 + 16)
    path.write_bytes(directory + entry + data)


def windows_resources():
    """The pictures as BMPs (256 colours where the PNG has them) and the
    pointer as a .cur, from the PNGs."""
    for name in ("background", "snes", "genesis", "neogeo", "mame"):
        picture = Image.open(OUT / f"{name}.png")
        picture.convert("P" if picture.mode == "P" else "RGB").save(WINDOWS_OUT / f"{name}.bmp")
    write_icon_file(WINDOWS_OUT / "hand.cur", Image.open(OUT / "hand.png").convert("RGBA"), HAND_HOT_SPOT)


if __name__ == "__main__":
    OUT.mkdir(parents=True, exist_ok=True)
    WINDOWS_OUT.mkdir(parents=True, exist_ok=True)
    background()
    icon()
    logos()
    hand()
    windows_resources()
