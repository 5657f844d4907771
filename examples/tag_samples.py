#!/usr/bin/env python3
"""Write the EXIF recording dates and JPEG comments of the sample photos.

Usage:  python3 tag_samples.py [--check] [PHOTO_DIR]

PHOTO_DIR defaults to the photos/ folder beside this script.  Python 3
standard library only.

For every JPEG in the table below the script
  * removes every "Exif\\0\\0" APP1 segment and every COM segment found
    before the first SOS marker (nothing else is touched: quantisation and
    Huffman tables, the frame header and the entropy-coded data are copied
    byte for byte),
  * handles the JFIF APP0 segment as the JFIF column says:
      keep - the JFIF APP0 stays first after SOI, the APP1 follows it
             (what most editing programs write);
      drop - the JFIF APP0 is removed, so APP1 follows SOI directly
             (what most cameras write),
  * inserts a freshly built APP1 "Exif\\0\\0" segment (if the row has EXIF),
    then a COM segment (if the row has a comment), ahead of all remaining
    segments.
Because the segments it writes are removed again first, running the script
twice gives the same bytes.  A file is only rewritten when its bytes change.
Finally every file in the table, BMPs included, gets the modification time
of its row (UTC).  Git does not keep modification times, so after a fresh
checkout they are only restored by running this script again.

With --check nothing is written: the script reports each file whose bytes
or modification time differ from what it would produce and exits with 1 if
there is any.

The EXIF block built here is a little-endian ("II") or big-endian ("MM")
TIFF structure:
  IFD0:      XResolution 0x011A, YResolution 0x011B (RATIONAL 72/1),
             ResolutionUnit 0x0128 (SHORT 2 = inch),
             DateTime 0x0132 (ASCII, 20 bytes "YYYY:MM:DD HH:MM:SS\\0"),
             if the row has one,
             YCbCrPositioning 0x0213 (SHORT 1 = centred),
             ExifOffset 0x8769 (LONG) -> EXIF sub-IFD
  EXIF IFD:  ExifVersion 0x9000 (UNDEFINED "0230"),
             DateTimeOriginal 0x9003 (ASCII, 20 bytes), if the row has one,
             ComponentsConfiguration 0x9101 (UNDEFINED 1 2 3 0 = YCbCr),
             FlashpixVersion 0xA000 (UNDEFINED "0100"),
             ColorSpace 0xA001 (SHORT 1 = sRGB),
             ExifImageWidth 0xA002, ExifImageLength 0xA003, as SHORT or LONG
             per the row, taken from the JPEG frame header (SOFn)
These are the tags the EXIF standard requires of a JPEG file, so the blocks
validate cleanly; the RATIONAL resolutions also mean a reader has to skip
entries whose values live elsewhere before it reaches the dates.
Entries are in ascending tag order, each IFD ends with a next-IFD link of 0,
and values longer than 4 bytes are stored after their IFD at even offsets
counted from the start of the TIFF header.
"""

import os
import struct
import sys
from datetime import datetime, timezone

# --------------------------------------------------------------------------
# Which file gets what.
#   exif:     None (no EXIF block) or (byte order, type of the size tags)
#   DateTime: IFD0 0x0132, usually the time the file was last changed
#   Original: EXIF 0x9003 DateTimeOriginal, the time the shutter was pressed
#   comment:  COM segment text, written as UTF-8 exactly as given (a
#             trailing "\0" is written as a zero byte, as cameras do)
#   jfif:     keep / drop, see above
#   mtime:    file modification time, UTC
#
# EXIF date order (Original, else DateTime): Green Leaf, Rain Drops,
# Blüten im Garten, Über den Dünen, Ladybird, Water Drop, Evening Storm.
# The same seven by modification time: Evening Storm, Water Drop, Ladybird,
# Blüten im Garten, Über den Dünen, Green Leaf, Rain Drops -- unlike both
# the EXIF order and the name order.
# --------------------------------------------------------------------------
SAMPLES = [
    # file name              exif             DateTime               Original               comment                                        jfif    mtime (UTC)
    ("Water Drop.jpg",       ("II", "SHORT"), "2023:08:14 18:05:12", "2023:08:14 18:05:12", None,                                          "keep", "2019-06-30 12:00:00"),
    ("Green Leaf.jpg",       ("MM", "LONG"),  None,                  "2019:05:03 10:22:47", None,                                          "drop", "2023-01-27 09:30:00"),
    ("Über den Dünen.jpeg",  ("II", "LONG"),  "2024:02:29 09:12:44", "2021:07:18 15:31:09", "Dünengras an der Küste",                      "keep", "2022-04-02 17:45:00"),
    ("Blüten im Garten.jpg", ("MM", "SHORT"), "2020:09:27 11:03:55", "2020:09:27 11:03:55", None,                                          "drop", "2021-03-14 08:15:00"),
    ("green meadow.jpg",     ("II", "SHORT"), None,                  None,                  None,                                          "keep", "2020-05-05 14:00:00"),
    ("Ladybird.jpg",         ("MM", "LONG"),  "2022:06:01 07:45:30", None,                  'Ladybird & forget-me-nots <macro> "f/2.8"',   "keep", "2020-01-12 10:10:00"),
    ("Rain Drops.jpg",       ("II", "LONG"),  "2019:11:02 08:15:00", "2019:11:02 08:15:00", "Raindrops on a leaf\0",                       "drop", "2023-11-25 16:20:00"),
    ("Evening Storm.jpg",    ("MM", "SHORT"), "2024:04:21 08:30:00", "2024:04:20 19:58:31", "Storm clouds over the road",                  "keep", "2019-02-03 07:00:00"),
    ("Weathered Wood.jpg",   None,            None,                  None,                  "Old planks,\nweathered by sun and rain",      "keep", "2023-06-11 11:11:00"),
    ("FRESHFLOWER.JPG",      None,            None,                  None,                  None,                                          "keep", "2021-10-09 13:30:00"),
    ("Two Wings.jpg",        None,            None,                  None,                  None,                                          "keep", "2022-08-19 18:40:00"),
    ("YELLOWFLOWER.JPG",     None,            None,                  None,                  None,                                          "keep", "2024-03-08 09:05:00"),
    ("Wood Grain.bmp",       None,            None,                  None,                  None,                                          None,   "2024-07-21 15:00:00"),
    ("drop-palette.bmp",     None,            None,                  None,                  None,                                          None,   "2024-12-01 20:00:00"),
]

SOI, SOS, APP0, APP1, COM = 0xD8, 0xDA, 0xE0, 0xE1, 0xFE
EXIF_ID = b"Exif\0\0"
JFIF_ID = b"JFIF\0"
# SOFn markers carry the frame size; C4 (DHT), C8 (JPG) and CC (DAC) do not.
SOF_MARKERS = {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7,
               0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}
# Markers without a length field.
STANDALONE = {0x01} | set(range(0xD0, 0xD8))

ASCII, SHORT, LONG, RATIONAL, UNDEFINED = 2, 3, 4, 5, 7


class SampleError(Exception):
    pass


def split_jpeg(data):
    """Return ([(marker, payload), ...] before SOS, bytes from SOS to end)."""
    if data[:2] != b"\xff\xd8":
        raise SampleError("no SOI marker")
    pos = 2
    segments = []
    while True:
        if pos >= len(data) or data[pos] != 0xFF:
            raise SampleError("expected a marker at offset %d" % pos)
        start = pos
        while pos < len(data) and data[pos] == 0xFF:  # fill bytes
            pos += 1
        if pos >= len(data):
            raise SampleError("file ends inside a marker")
        marker = data[pos]
        pos += 1
        if marker == SOS:
            return segments, data[start:]
        if marker in STANDALONE:
            segments.append((marker, b""))
            continue
        if pos + 2 > len(data):
            raise SampleError("file ends inside a segment length")
        (length,) = struct.unpack(">H", data[pos:pos + 2])
        if length < 2 or pos + length > len(data):
            raise SampleError("bad length %d at offset %d" % (length, start))
        segments.append((marker, data[pos + 2:pos + length]))
        pos += length


def frame_size(segments):
    for marker, payload in segments:
        if marker in SOF_MARKERS:
            height, width = struct.unpack(">HH", payload[1:5])
            return width, height
    raise SampleError("no frame header (SOFn) before SOS")


def segment(marker, payload):
    if len(payload) + 2 > 0xFFFF:
        raise SampleError("segment too long")
    return bytes((0xFF, marker)) + struct.pack(">H", len(payload) + 2) + payload


def exif_date(text):
    if text is None:
        return None
    datetime.strptime(text, "%Y:%m:%d %H:%M:%S")  # reject typos in the table
    return text.encode("ascii") + b"\0"


def build_tiff(order, size_type, width, height, date_time, date_original):
    """Build the TIFF structure of an APP1 Exif segment."""
    e = "<" if order == "II" else ">"
    size_type = {"SHORT": SHORT, "LONG": LONG}[size_type]

    def inline(typ, value):
        # A value of up to 4 bytes sits left-justified in the entry's value
        # field, so a SHORT occupies its first two bytes in either order.
        if typ == SHORT:
            return struct.pack(e + "HH", value, 0)
        if typ == LONG:
            return struct.pack(e + "I", value)
        return value.ljust(4, b"\0")  # UNDEFINED / ASCII of <= 4 bytes

    def ifd(start, entries):
        """Lay out one IFD at offset `start`; return (bytes, end offset).

        entries: [(tag, type, count, value)] where value is an int for
        SHORT/LONG, or the value's bytes (already in this file's byte
        order) for ASCII/UNDEFINED/RATIONAL.  Bytes longer than 4 are
        stored after the IFD and the entry holds their offset.
        """
        entries = sorted(entries)
        head_len = 2 + 12 * len(entries) + 4
        data_pos = start + head_len
        body = struct.pack(e + "H", len(entries))
        extra = b""
        for tag, typ, count, value in entries:
            if isinstance(value, bytes) and len(value) > 4:
                field = struct.pack(e + "I", data_pos + len(extra))
                extra += value
                if len(extra) % 2:
                    extra += b"\0"  # keep offsets even
            else:
                field = inline(typ, value)
            body += struct.pack(e + "HHI", tag, typ, count) + field
        body += struct.pack(e + "I", 0)  # no further IFD
        return body + extra, start + len(body) + len(extra)

    dpi_72 = struct.pack(e + "II", 72, 1)
    ifd0_entries = [(0x011A, RATIONAL, 1, dpi_72),   # XResolution
                    (0x011B, RATIONAL, 1, dpi_72),   # YResolution
                    (0x0128, SHORT, 1, 2),           # ResolutionUnit: inch
                    (0x0213, SHORT, 1, 1)]           # YCbCrPositioning: centred
    if date_time is not None:
        ifd0_entries.append((0x0132, ASCII, len(date_time), date_time))
    # IFD0's length does not depend on the ExifOffset value: lay it out once
    # with a placeholder to learn where the EXIF sub-IFD starts.
    ifd0_entries.append((0x8769, LONG, 1, 0))
    _, exif_ifd_start = ifd(8, ifd0_entries)
    ifd0_entries[-1] = (0x8769, LONG, 1, exif_ifd_start)
    ifd0_bytes, end0 = ifd(8, ifd0_entries)
    assert end0 == exif_ifd_start

    exif_entries = [(0x9000, UNDEFINED, 4, b"0230"),        # ExifVersion
                    (0x9101, UNDEFINED, 4, b"\1\2\3\0"),    # ComponentsConfiguration
                    (0xA000, UNDEFINED, 4, b"0100"),        # FlashpixVersion
                    (0xA001, SHORT, 1, 1),                  # ColorSpace: sRGB
                    (0xA002, size_type, 1, width),          # ExifImageWidth
                    (0xA003, size_type, 1, height)]         # ExifImageLength
    if date_original is not None:
        exif_entries.append((0x9003, ASCII, len(date_original), date_original))
    exif_bytes, _ = ifd(exif_ifd_start, exif_entries)

    header = (b"II" if order == "II" else b"MM") + struct.pack(e + "HI", 42, 8)
    return header + ifd0_bytes + exif_bytes


def retag(data, exif, date_time, date_original, comment, jfif):
    segments, tail = split_jpeg(data)
    width, height = frame_size(segments)

    jfif_segments = []
    rest = []
    for marker, payload in segments:
        if marker == APP1 and payload.startswith(EXIF_ID):
            continue
        if marker == COM:
            continue
        if marker == APP0 and payload.startswith(JFIF_ID):
            if jfif == "keep":
                jfif_segments.append(segment(marker, payload))
            continue
        rest.append(segment(marker, payload))

    out = [b"\xff\xd8"] + jfif_segments
    if exif is not None:
        order, size_type = exif
        tiff = build_tiff(order, size_type, width, height,
                          exif_date(date_time), exif_date(date_original))
        out.append(segment(APP1, EXIF_ID + tiff))
    if comment is not None:
        out.append(segment(COM, comment.encode("utf-8")))
    return b"".join(out + rest) + tail


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    if len(args) > 1:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    photo_dir = args[0] if args else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "photos")

    listed = {row[0] for row in SAMPLES}
    for name in sorted(os.listdir(photo_dir)):
        if name not in listed:
            print("note: %s is not in the table, left alone" % name)

    differing = 0
    for name, exif, date_time, date_original, comment, jfif, mtime in SAMPLES:
        path = os.path.join(photo_dir, name)
        with open(path, "rb") as f:
            data = f.read()
        if jfif is not None:
            try:
                new = retag(data, exif, date_time, date_original, comment, jfif)
            except SampleError as err:
                raise SystemExit("%s: %s" % (name, err))
        else:
            new = data
        stamp = datetime.strptime(mtime, "%Y-%m-%d %H:%M:%S").replace(
            tzinfo=timezone.utc).timestamp()

        if check:
            if new != data:
                print("%s: bytes differ" % name)
                differing += 1
            elif int(os.stat(path).st_mtime) != int(stamp):
                print("%s: modification time differs" % name)
                differing += 1
            continue

        if new != data:
            with open(path, "wb") as f:
                f.write(new)
            print("tagged    %s" % name)
        else:
            print("unchanged %s" % name)
        os.utime(path, (stamp, stamp))

    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
