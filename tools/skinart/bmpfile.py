"""Writes uncompressed BMP files (BITMAPINFOHEADER) of 4, 24 or 32 bits per pixel."""

import struct

MAGENTA = (255, 0, 255)


def _rows_bottom_up(canvas):
    for y in range(canvas.height - 1, -1, -1):
        yield [canvas.get(x, y) for x in range(canvas.width)]


def _pad(row_bytes):
    return row_bytes + b"\0" * ((-len(row_bytes)) % 4)


def encode(canvas, bits):
    """Returns the bytes of a BMP file holding the canvas at the given depth.

    A 4-bit file gets a palette of the canvas's colours; it fails loudly when there are more than 16,
    so that a generator change cannot silently dither or drop a colour."""
    palette = []
    if bits == 4:
        colours = sorted({c for row in _rows_bottom_up(canvas) for c in row})
        if len(colours) > 16:
            raise ValueError(f"{len(colours)} colours do not fit a 4-bit picture")
        palette = colours
        index = {c: i for i, c in enumerate(palette)}
    elif bits not in (24, 32):
        raise ValueError(f"unsupported depth {bits}")

    body = bytearray()
    for row in _rows_bottom_up(canvas):
        if bits == 4:
            nibbles = [index[c] for c in row] + ([0] if len(row) % 2 else [])
            data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, len(nibbles), 2))
        elif bits == 24:
            data = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        else:
            # The fourth byte is opaque everywhere: the key colour, not alpha, carries transparency.
            data = b"".join(bytes((b, g, r, 255)) for (r, g, b) in row)
        body += _pad(data)

    palette_bytes = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    palette_bytes += b"\0" * (4 * (16 - len(palette)) if bits == 4 else 0)
    offset = 14 + 40 + len(palette_bytes)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bits, 0, len(body), 3780, 3780,
                       16 if bits == 4 else 0, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + palette_bytes + bytes(body)
