#!/usr/bin/env python3
"""Writes benchmark input: .J6I files with a valid header and stand-in image bytes.

Each file is P0000001.J6I, P0000002.J6I, ... with a size drawn from 100-300 KB (or the range
given with --size-kb). The sizes and bytes depend only on the seed and the range, so two folders
made with one seed, one range and one count hold files of the same sizes; only the shooting dates
differ between the "distinct" and "same" date modes.
"""

import argparse
import datetime
import os
import random

HEADER_SIZE = 144
FIRST_SHOT = datetime.datetime(1997, 11, 23, 0, 0, 0)


def bcd(value):
    return ((value // 10) << 4) | (value % 10)


def header(shot):
    """The 144-byte header: 0x80, "DSCIM" and its NUL, the header size, the BCD shooting date."""
    data = bytearray(HEADER_SIZE)
    data[0] = 0x80
    data[2:8] = b"DSCIM\0"
    data[8] = 1  # format version 1.0
    data[56:60] = (172).to_bytes(4, "big")  # the first cameras wrote 172-byte headers
    data[68:74] = bytes(bcd(v) for v in (shot.year % 100, shot.month, shot.day, shot.hour,
                                         shot.minute, shot.second))
    data[134:142] = b"DC2 1.00"
    return bytes(data)


def size_range(text):
    """A "MIN-MAX" range in KB, as given to --size-kb."""
    low, _, high = text.partition("-")
    try:
        low_kb, high_kb = int(low), int(high or low)
    except ValueError:
        raise argparse.ArgumentTypeError("expected MIN-MAX in KB, such as 20-60") from None
    if not 1 <= low_kb <= high_kb:
        raise argparse.ArgumentTypeError("expected 1 <= MIN <= MAX")
    return low_kb * 1024, high_kb * 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder")
    parser.add_argument("count", type=int)
    parser.add_argument("--dates", choices=("distinct", "same"), default="distinct",
                        help="distinct: one shooting minute per file; same: all in one minute")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--size-kb", type=size_range, default=(100 * 1024, 300 * 1024),
                        metavar="MIN-MAX", help="file sizes in KB (default 100-300)")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    os.makedirs(args.folder, exist_ok=True)
    for index in range(args.count):
        size = rng.randint(*args.size_kb)
        # Image data does not compress, so random bytes stand in for it.
        body = rng.randbytes(size - HEADER_SIZE)
        minutes = index if args.dates == "distinct" else 0
        shot = FIRST_SHOT + datetime.timedelta(minutes=minutes)
        path = os.path.join(args.folder, "P%07d.J6I" % (index + 1))
        with open(path, "wb") as out:
            out.write(header(shot))
            out.write(body)


if __name__ == "__main__":
    main()
