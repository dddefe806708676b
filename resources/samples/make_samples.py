#!/usr/bin/python3
"""Makes the sample photographs of resources/samples/.

The pictures are drawn here (landscapes, a street, a flower, a studio
shot), so that a fresh clone has images to lay out without downloading any.
They cover what the image import reads: Exif blocks in both byte orders
with camera fields, orientation tags, Exif thumbnails, an embedded ICC
profile, grayscale, progressive coding, JFIF densities, a TIFF and a
Windows bitmap; and for the extended formats a PNG and a Photoshop
document with transparency, a PICT picture and a camera JPEG with the
maker's capture record.

Run from anywhere: python3 resources/samples/make_samples.py
"""
import io
import math
import os
import random
import struct

from PIL import Image, ImageCms, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))


# --- Exif blocks -----------------------------------------------------------

ASCII, SHORT, LONG, RATIONAL, UNDEFINED, SRATIONAL = 2, 3, 4, 5, 7, 10


class Exif:
    """A TIFF structure with IFD0, an Exif directory and a thumbnail."""

    def __init__(self, big_endian=False):
        self.order = ">" if big_endian else "<"
        self.ifd0, self.exif = [], []
        self.thumbnail = b""

    def text(self, directory, tag, value):
        directory.append((tag, ASCII, value.encode() + b"\0"))

    def short(self, directory, tag, value):
        directory.append((tag, SHORT, struct.pack(self.order + "H", value)))

    def rational(self, directory, tag, n, d, signed=False):
        directory.append((tag, SRATIONAL if signed else RATIONAL,
                          struct.pack(self.order + ("ii" if signed else "II"), n, d)))

    def undefined(self, directory, tag, value):
        directory.append((tag, UNDEFINED, value))

    def camera(self, make, model, orientation, dpi=300):
        self.text(self.ifd0, 271, make)
        self.text(self.ifd0, 272, model)
        self.short(self.ifd0, 274, orientation)
        self.rational(self.ifd0, 282, dpi, 1)
        self.rational(self.ifd0, 283, dpi, 1)
        self.short(self.ifd0, 296, 2)

    def shot(self, date, exposure, f_number, iso, bias, flash, light=0, white_balance=0,
             color_space=1, contrast=0, saturation=0, version=b"0230"):
        e = self.exif
        self.rational(e, 33434, *exposure)
        self.rational(e, 33437, *f_number)
        self.short(e, 34855, iso)
        self.undefined(e, 36864, version)
        self.text(e, 36867, date)
        self.text(e, 36868, date)
        self.rational(e, 37380, *bias, signed=True)
        self.short(e, 37384, light)
        self.short(e, 37385, flash)
        self.short(e, 40961, color_space)
        self.short(e, 41987, white_balance)
        self.short(e, 41992, contrast)
        self.short(e, 41993, saturation)

    def block(self):
        """The APP1 marker body: "Exif\\0\\0" and the TIFF structure."""
        o = self.order
        ifd0 = sorted(self.ifd0) + [(34665, LONG, None)]
        exif = sorted(self.exif)
        ifd1 = [(259, SHORT, struct.pack(o + "H", 6)), (513, LONG, None), (514, LONG, None)] if self.thumbnail else []

        def size(d):
            return 2 + 12 * len(d) + 4 if d else 0
        at0 = 8
        at_exif = at0 + size(ifd0)
        at1 = at_exif + size(exif)
        values = at1 + size(ifd1)
        value_bytes = sum(len(v) + (len(v) & 1) for d in (ifd0, exif, ifd1) for _, _, v in d if v and len(v) > 4)
        thumb_at = values + value_bytes
        out = bytearray((b"II" if o == "<" else b"MM") + struct.pack(o + "HI", 42, at0))
        area = bytearray()

        def write(directory, next_ifd):
            out.extend(struct.pack(o + "H", len(directory)))
            for tag, kind, value in directory:
                count = 1 if value is None else (len(value) // {ASCII: 1, SHORT: 2, LONG: 4, RATIONAL: 8,
                                                               UNDEFINED: 1, SRATIONAL: 8}[kind])
                out.extend(struct.pack(o + "HHI", tag, kind, count))
                if tag == 34665:
                    out.extend(struct.pack(o + "I", at_exif))
                elif tag == 513:
                    out.extend(struct.pack(o + "I", thumb_at))
                elif tag == 514:
                    out.extend(struct.pack(o + "I", len(self.thumbnail)))
                elif len(value) <= 4:
                    out.extend(value.ljust(4, b"\0"))
                else:
                    out.extend(struct.pack(o + "I", values + len(area)))
                    area.extend(value + (b"\0" if len(value) & 1 else b""))
            out.extend(struct.pack(o + "I", next_ifd))
        write(ifd0, at1 if ifd1 else 0)
        write(exif, 0)
        if ifd1:
            write(ifd1, 0)
        return b"Exif\0\0" + bytes(out + area) + self.thumbnail


def thumbnail_of(picture, size=160):
    thumb = picture.copy()
    thumb.thumbnail((size, size))
    data = io.BytesIO()
    thumb.convert("RGB").save(data, "JPEG", quality=75)
    return data.getvalue()


# --- Pictures --------------------------------------------------------------

def grain(picture, amount, seed):
    """Fine noise, as a camera sensor gives it."""
    rnd = random.Random(seed)
    noise = Image.effect_noise(picture.size, amount).convert("L")
    noise = noise.point(lambda v: v - 128 + rnd.randint(-1, 1) + 128)
    return Image.merge("RGB", [Image.blend(c, noise, 0.06) for c in picture.split()])


def vertical_gradient(size, top, bottom):
    w, h = size
    column = Image.new("RGB", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        column.putpixel((0, y), tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))
    return column.resize(size)


def landscape(size, seed, sky=((60, 120, 200), (200, 220, 240)), sun=True, water=True):
    w, h = size
    rnd = random.Random(seed)
    picture = vertical_gradient(size, *sky)
    draw = ImageDraw.Draw(picture)
    if sun:
        r = h // 10
        cx, cy = int(w * rnd.uniform(0.6, 0.8)), int(h * 0.25)
        draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(255, 236, 170))
    for layer, colour in enumerate([(90, 120, 80), (60, 95, 55), (40, 70, 40)]):
        base = h * (0.5 + 0.1 * layer)
        phase, amp = rnd.uniform(0, 6), h * rnd.uniform(0.05, 0.1)
        points = [(x, base - amp * math.sin(x / w * 6 + phase) - amp * 0.4 * math.sin(x / w * 17))
                  for x in range(0, w + 20, 20)]
        draw.polygon(points + [(w, h), (0, h)], fill=colour)
    if water:
        top = int(h * 0.78)
        picture.paste(vertical_gradient((w, h - top), (70, 110, 150), (30, 60, 100)), (0, top))
        for y in range(top, h, 7):
            draw.line((rnd.randint(0, w // 2), y, rnd.randint(w // 2, w), y), fill=(150, 180, 210), width=1)
    return grain(picture.filter(ImageFilter.SMOOTH), 30, seed)


def tower(size, seed):
    w, h = size
    picture = vertical_gradient(size, (40, 70, 140), (230, 170, 120))
    draw = ImageDraw.Draw(picture)
    draw.rectangle((w * 0.4, h * 0.25, w * 0.6, h), fill=(120, 100, 90))
    draw.polygon([(w * 0.38, h * 0.25), (w * 0.5, h * 0.08), (w * 0.62, h * 0.25)], fill=(90, 60, 50))
    for row in range(8):
        y = h * (0.32 + row * 0.08)
        draw.rectangle((w * 0.46, y, w * 0.54, y + h * 0.04), fill=(250, 220, 120))
    draw.rectangle((0, h * 0.85, w, h), fill=(50, 60, 45))
    return grain(picture, 25, seed)


def street(size, seed):
    w, h = size
    rnd = random.Random(seed)
    picture = vertical_gradient(size, (200, 200, 200), (90, 90, 90))
    draw = ImageDraw.Draw(picture)
    x = 0
    while x < w:
        bw = rnd.randint(w // 12, w // 6)
        top = rnd.randint(int(h * 0.1), int(h * 0.5))
        shade = rnd.randint(60, 170)
        draw.rectangle((x, top, x + bw, h * 0.8), fill=(shade,) * 3)
        for wy in range(top + 10, int(h * 0.75), 24):
            for wx in range(x + 8, x + bw - 12, 20):
                draw.rectangle((wx, wy, wx + 8, wy + 12), fill=(shade + 50,) * 3)
        x += bw + rnd.randint(2, 12)
    draw.polygon([(0, h), (w * 0.45, h * 0.8), (w * 0.55, h * 0.8), (w, h)], fill=(40, 40, 40))
    return grain(picture, 40, seed).convert("L")


def flower(size, seed):
    w, h = size
    picture = vertical_gradient(size, (30, 80, 40), (90, 140, 70))
    draw = ImageDraw.Draw(picture)
    cx, cy, r = w // 2, h // 2, min(w, h) // 3
    for k in range(12):
        a = k * math.pi / 6
        px, py = cx + r * 0.6 * math.cos(a), cy + r * 0.6 * math.sin(a)
        draw.ellipse((px - r * 0.45, py - r * 0.45, px + r * 0.45, py + r * 0.45),
                     fill=(230, 80 + 10 * (k % 3), 140))
    draw.ellipse((cx - r * 0.3, cy - r * 0.3, cx + r * 0.3, cy + r * 0.3), fill=(250, 200, 40))
    return grain(picture.filter(ImageFilter.SMOOTH_MORE), 25, seed)


def night(size, seed):
    w, h = size
    rnd = random.Random(seed)
    picture = vertical_gradient(size, (5, 10, 30), (40, 30, 60))
    draw = ImageDraw.Draw(picture)
    for _ in range(60):
        x, y = rnd.randint(0, w), rnd.randint(h // 3, h)
        r = rnd.randint(2, 9)
        draw.ellipse((x - r, y - r, x + r, y + r), fill=(255, rnd.randint(160, 230), 90))
    return grain(picture, 50, seed)


def studio(size, seed):
    """Flat areas of colour: a still life under studio light (LZW likes it)."""
    w, h = size
    picture = Image.new("RGB", size, (225, 220, 210))
    draw = ImageDraw.Draw(picture)
    draw.rectangle((0, h * 0.7, w, h), fill=(150, 110, 80))
    draw.ellipse((w * 0.15, h * 0.35, w * 0.45, h * 0.75), fill=(200, 40, 40))
    draw.rectangle((w * 0.55, h * 0.2, w * 0.75, h * 0.75), fill=(40, 90, 170))
    draw.polygon([(w * 0.78, h * 0.75), (w * 0.88, h * 0.3), (w * 0.98, h * 0.75)], fill=(240, 190, 40))
    return picture


# --- Files -----------------------------------------------------------------

def save_jpeg(name, picture, exif=None, thumbnail=False, **options):
    if exif is not None and thumbnail:
        exif.thumbnail = thumbnail_of(picture)
    if exif is not None:
        options["exif"] = exif.block()
    picture.save(os.path.join(HERE, name), "JPEG", quality=options.pop("quality", 82), **options)


# --- Extended formats ------------------------------------------------------

def packbits(row):
    """PackBits of one row: runs of two or more, literals of up to 128."""
    out, i = bytearray(), 0
    while i < len(row):
        run = 1
        while i + run < len(row) and run < 128 and row[i + run] == row[i]:
            run += 1
        if run >= 2:
            out += bytes([257 - run, row[i]])
            i += run
            continue
        j = i + 1
        while j < len(row) and j - i < 128 and not (j + 1 < len(row) and row[j] == row[j + 1]):
            j += 1
        out += bytes([j - i - 1]) + row[i:j]
        i = j
    return bytes(out)


def posterized(picture, colors=24):
    """Flat areas of few colours, as drawn artwork has; they pack well."""
    smooth = picture.convert("RGB").filter(ImageFilter.GaussianBlur(3))
    return smooth.quantize(colors, dither=Image.Dither.NONE).convert("RGB")


def cut_out(size, seed, flat=False):
    """A flower on a transparent ground, with soft edges."""
    picture = flower(size, seed)
    picture = (posterized(picture) if flat else picture).convert("RGBA")
    w, h = size
    alpha = Image.new("L", size, 0)
    ImageDraw.Draw(alpha).ellipse((w * 0.08, h * 0.08, w * 0.92, h * 0.92), fill=255)
    picture.putalpha(alpha.filter(ImageFilter.GaussianBlur(w / 40)))
    return picture


def save_psd(name, picture):
    """RGB with its transparency: one layer, and the composite packed."""
    w, h = picture.size
    channels = picture.split()  # red, green, blue, alpha
    resolution = struct.pack(">IHHIHH", 300 << 16, 1, 1, 300 << 16, 1, 1)
    resources = b"8BIM" + struct.pack(">HH", 1005, 0) + struct.pack(">I", len(resolution)) + resolution
    def packed(channel):
        rows = [packbits(channel.tobytes()[y * w:(y + 1) * w]) for y in range(h)]
        return struct.pack(">H", 1) + b"".join(struct.pack(">H", len(r)) for r in rows) + b"".join(rows)

    layer_data = [packed(c) for c in (channels[3],) + channels[:3]]
    record = struct.pack(">iiiiH", 0, 0, h, w, 4)
    for cid, data in zip((-1, 0, 1, 2), layer_data):
        record += struct.pack(">hI", cid, len(data))
    record += b"8BIMnorm" + bytes([255, 0, 0, 0])
    layer_name = b"\x06flower\x00"  # padded to a multiple of 4
    extra = struct.pack(">II", 0, 0) + layer_name
    record += struct.pack(">I", len(extra)) + extra
    layer_info = struct.pack(">h", -1) + record + b"".join(layer_data)
    layer_info += b"\0" * (len(layer_info) & 1)
    layers = struct.pack(">I", len(layer_info)) + layer_info + struct.pack(">I", 0)
    rows = [packbits(c.tobytes()[y * w:(y + 1) * w]) for c in channels for y in range(h)]
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"8BPS" + struct.pack(">H6xHIIHH", 1, 4, h, w, 8, 3))
        f.write(struct.pack(">I", 0))
        f.write(struct.pack(">I", len(resources)) + resources)
        f.write(struct.pack(">I", len(layers)) + layers)
        f.write(struct.pack(">H", 1) + b"".join(struct.pack(">H", len(r)) for r in rows) + b"".join(rows))


def save_pict(name, picture):
    """A version 2 picture of one 32-bit DirectBitsRect, components packed."""
    w, h = picture.size
    rgb = picture.convert("RGB")
    body = struct.pack(">H4hHH", 0, 0, 0, h, w, 0x0011, 0x02FF)
    body += struct.pack(">HhHIIII4h4x", 0x0C00, -2, 0, 72 << 16, 72 << 16, 0, 0, 0, 0, h, w)[:26]
    body += struct.pack(">HIH4h", 0x009A, 0xFF, 0x8000 | (w * 4), 0, 0, h, w)
    body += struct.pack(">HHIIIHHHHIII", 0, 4, 0, 72 << 16, 72 << 16, 16, 32, 3, 8, 0, 0, 0)
    body += struct.pack(">4h4hH", 0, 0, h, w, 0, 0, h, w, 0x40)
    for y in range(h):
        row = b"".join(bytes(c.crop((0, y, w, y + 1)).tobytes()) for c in rgb.split())
        data = packbits(row)
        body += struct.pack(">H", len(data)) + data
    if len(body) & 1:
        body += b"\0"
    body += struct.pack(">H", 0x00FF)
    body = struct.pack(">H", len(body) & 0xFFFF) + body[2:]
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"\0" * 512 + body)


def save_capture_jpeg(name, picture, exif):
    """A camera JPEG whose APP5 marker carries the maker's capture record."""
    save_jpeg(name, picture, exif, thumbnail=True)
    record = b"VDXINFO\0" + struct.pack(">HHBBBBH", 1, 1, 0, 0, 128, 120, 0)
    path = os.path.join(HERE, name)
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(data[:2] + b"\xff\xe5" + struct.pack(">H", len(record) + 2) + record + data[2:])


def extended_samples():
    cut_out((256, 256), 12).save(os.path.join(HERE, "flower_cut_out.png"), "PNG", dpi=(150, 150))
    save_psd("flower_layer.psd", cut_out((200, 200), 13, flat=True))
    save_pict("harbour_picture.pct", posterized(landscape((320, 214), 14)))
    e = Exif()
    e.camera("Lumen Optics", "LX-9", orientation=1)
    e.shot("2025:03:02 09:30:00", (1, 500), (8, 1), 100, (0, 1), flash=0x10, light=1, version=b"0230")
    save_capture_jpeg("lake_capture.jpg", landscape((1200, 800), 15, sky=((90, 140, 190), (170, 190, 200))), e)


def main():
    srgb = ImageCms.ImageCmsProfile(ImageCms.createProfile("sRGB")).tobytes()

    e = Exif(big_endian=False)
    e.camera("Lumen Optics", "LX-7", orientation=1)
    e.shot("2024:05:17 10:11:12", (1, 250), (28, 10), 200, (-1, 3), flash=0x10, light=1)
    save_jpeg("harbour_landscape.jpg", landscape((1600, 1067), 1), e, thumbnail=True)

    # Held upright: stored sideways, orientation 6 turns it to portrait.
    e = Exif(big_endian=True)
    e.camera("Lumen Optics", "LX-7", orientation=6)
    e.shot("2024:05:18 18:40:03", (1, 60), (40, 10), 800, (2, 3), flash=0x19, light=4)
    save_jpeg("portrait_upright.jpg", tower((800, 1200), 2).rotate(90, expand=True),
              e, thumbnail=True)

    e = Exif()
    e.camera("Vantage", "V200", orientation=1, dpi=240)
    e.shot("2023:10:02 07:05:55", (1, 125), (80, 10), 100, (0, 1), flash=0x00, light=9, contrast=2)
    save_jpeg("tower_tall.jpg", tower((800, 1200), 3), e)

    e = Exif(big_endian=True)
    e.camera("Vantage", "V200", orientation=1)
    e.shot("2023:10:02 19:31:20", (1, 30), (56, 10), 400, (-2, 3), flash=0x10, light=10, white_balance=1,
           saturation=2)
    save_jpeg("sunset_profile.jpg", landscape((1200, 800), 4, sky=((60, 40, 120), (250, 150, 80))), e,
              thumbnail=True, icc_profile=srgb)

    save_jpeg("street_gray.jpg", street((1000, 667), 5), dpi=(240, 240))

    # Upside down in the file: orientation 3.
    e = Exif()
    e.camera("Lumen Optics", "LX-3", orientation=3)
    e.shot("2022:07:30 14:22:47", (1, 1000), (11, 1), 100, (1, 3), flash=0x18, light=0, version=b"0221")
    save_jpeg("meadow_upside_down.jpg", landscape((1000, 750), 6, water=False).rotate(180), e, thumbnail=True)

    # No Exif: the preview is decoded; the JFIF density is per centimetre.
    panorama = landscape((2400, 800), 7)
    panorama.save(os.path.join(HERE, "panorama_wide.jpg"), "JPEG", quality=80)
    with open(os.path.join(HERE, "panorama_wide.jpg"), "r+b") as f:
        f.seek(13)
        f.write(struct.pack(">BHH", 2, 118, 118))  # JFIF density: 118 dots per centimetre

    e = Exif(big_endian=True)
    e.camera("Petal Works", "Macro 1", orientation=8, dpi=350)
    e.shot("2024:04:02 11:00:00", (10, 40), (28, 10), 100, (0, 1), flash=0x49, light=21, saturation=1)
    save_jpeg("flower_square.jpg", flower((900, 900), 8).rotate(-90), e, thumbnail=True, progressive=True)

    e = Exif()
    e.camera("Lumen Optics", "LX-7", orientation=1)
    e.shot("2024:12:24 22:05:41", (1, 8), (18, 10), 3200, (0, 1), flash=0x59, light=3, white_balance=0,
           version=b"0220")
    save_jpeg("night_lights.jpg", night((1000, 667), 9), e, thumbnail=True)

    still = studio((640, 480), 10)
    still.save(os.path.join(HERE, "studio_still.tif"), "TIFF", compression="tiff_lzw", dpi=(300, 300),
               tiffinfo={271: "Vantage", 272: "V200"})

    studio((320, 240), 11).transpose(Image.FLIP_LEFT_RIGHT).save(os.path.join(HERE, "still_life.bmp"), "BMP",
                                                                  dpi=(96, 96))

    extended_samples()


if __name__ == "__main__":
    main()
