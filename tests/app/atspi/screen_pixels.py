# SPDX-License-Identifier: MIT
"""What the window really shows: pixels read back from the X display, and the square
template pictures decoded from their PNG files, so the test can tell which picture each
square shows and compare that with what a screen reader hears.
"""

import ctypes
import ctypes.util
import struct
import zlib


class Picture:
    """An RGB picture: rows of bytes, three per pixel."""

    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows

    def difference(self, other):
        """The mean absolute difference per channel; 0 for the same pixels."""
        if (self.width, self.height) != (other.width, other.height):
            return 255.0
        if self.rows == other.rows:
            return 0.0
        total = sum(sum(abs(a - b) for a, b in zip(mine, theirs))
                    for mine, theirs in zip(self.rows, other.rows))
        return total / (self.width * self.height * 3)


def _paeth(left, up, up_left):
    estimate = left + up - up_left
    distances = (abs(estimate - left), abs(estimate - up), abs(estimate - up_left))
    return (left, up, up_left)[distances.index(min(distances))]


def _unfilter(data, width, height, channels):
    stride = width * channels
    rows, previous, offset = [], bytearray(stride), 0
    for _ in range(height):
        kind, row = data[offset], bytearray(data[offset + 1:offset + 1 + stride])
        offset += 1 + stride
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up_left = previous[i - channels] if i >= channels else 0
            predictor = (0, left, previous[i], (left + previous[i]) // 2,
                         _paeth(left, previous[i], up_left))[kind]
            row[i] = (row[i] + predictor) & 0xFF
        rows.append(row)
        previous = row
    return rows


def read_png(path):
    """Decodes an 8-bit RGB or RGBA PNG without interlacing, the kind the game ships."""
    with open(path, "rb") as file:
        data = file.read()
    offset, header, compressed = 8, None, b""
    while offset < len(data):
        length, kind = struct.unpack(">I4s", data[offset:offset + 8])
        body = data[offset + 8:offset + 8 + length]
        offset += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError(f"{path}: not an 8-bit RGB picture")
    channels = 3 if colour_type == 2 else 4
    rows = _unfilter(zlib.decompress(compressed), width, height, channels)
    if channels == 4:
        rows = [bytearray(b for i, b in enumerate(row) if i % 4 != 3) for row in rows]
    return Picture(width, height, rows)


_LSB_FIRST = 0


class _XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage; the rest are never read here.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong),
                ("blue_mask", ctypes.c_ulong)]


def _xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XGetImage.restype = ctypes.POINTER(_XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


class Screen:
    """Reads rectangles of the root window of one X display."""

    _ALL_PLANES = 0xFFFFFFFF
    _Z_PIXMAP = 2

    def __init__(self, display):
        self._xlib = _xlib()
        self._display = self._xlib.XOpenDisplay(display.encode())
        if not self._display:
            raise OSError(f"cannot open display {display}")

    def grab(self, x, y, width, height):
        xlib = self._xlib
        image = xlib.XGetImage(self._display, xlib.XDefaultRootWindow(self._display), x, y,
                               width, height, self._ALL_PLANES, self._Z_PIXMAP)
        if not image:
            raise OSError(f"cannot read the screen at {x}, {y}")
        try:
            info = image.contents
            if (info.bits_per_pixel, info.byte_order, info.red_mask, info.blue_mask) != \
                    (32, _LSB_FIRST, 0xFF0000, 0xFF):
                raise OSError("the display does not keep 24-bit colour in 32-bit pixels")
            raw = ctypes.string_at(info.data, info.bytes_per_line * height)
        finally:
            xlib.XDestroyImage(image)
        rows = []
        for row in range(height):
            line = raw[row * info.bytes_per_line:row * info.bytes_per_line + width * 4]
            # Little-endian pixels: blue, green, red, unused.
            rows.append(bytearray(b for i in range(0, len(line), 4)
                                  for b in (line[i + 2], line[i + 1], line[i])))
        return Picture(width, height, rows)

    def close(self):
        if self._display:
            self._xlib.XCloseDisplay(self._display)
            self._display = None
