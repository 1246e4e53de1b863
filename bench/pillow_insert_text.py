#!/usr/bin/python3
"""The Insert Text job done with Pillow, for comparison with Lumaro.

One process, one picture at a time: scaled JPEG decoding (Image.draft), a
resize that fits the picture into the box keeping its aspect, the text in
Liberation Serif, a temporary BMP written and read back, the final JPEG at
quality 75, the BMP deleted. Prints pictures per second by the wall clock
and by processor time.
"""
import argparse
import os
import sys
import time

from PIL import Image, ImageDraw, ImageFont


def fitted(size, box):
    width, height = size
    scale = min(1.0, box[0] / width, box[1] / height)
    return max(1, round(width * scale)), max(1, round(height * scale))


def insert_text(source, target, box, font, text, position):
    name = os.path.basename(source)
    base, extension = os.path.splitext(name)
    temporary = os.path.join(target, "adtx-" + base + ".bmp")
    final = os.path.join(target, "adt-" + base + extension)
    with Image.open(source) as decoded:
        size = fitted(decoded.size, box)
        decoded.draft("RGB", size)  # smallest DCT scale still covering size
        decoded.load()
        picture = decoded if decoded.mode == "RGB" else decoded.convert("RGB")
        if picture.size != size:
            picture = picture.resize(size)
    ImageDraw.Draw(picture).text(position, text, fill=(0, 0, 0), font=font)
    picture.save(temporary, "BMP")
    with Image.open(temporary) as reread:
        reread.load()
        reread.save(final, "JPEG", quality=75)
    os.remove(temporary)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("source")
    parser.add_argument("target")
    parser.add_argument("--font", required=True, help="TrueType file")
    parser.add_argument("--size", type=int, default=16, help="pixels")
    parser.add_argument("--text", default="Lumaro")
    parser.add_argument("--x", type=int, default=102)
    parser.add_argument("--y", type=int, default=53)
    parser.add_argument("--box", default="1280x900")
    args = parser.parse_args()

    box = tuple(int(v) for v in args.box.split("x"))
    font = ImageFont.truetype(args.font, args.size)
    os.makedirs(args.target, exist_ok=True)
    sources = sorted(os.path.join(args.source, n) for n in os.listdir(args.source)
                     if n.lower().endswith(".jpg"))
    if not sources:
        sys.exit("no pictures in " + args.source)
    start = time.perf_counter()
    processor_start = time.process_time()
    for source in sources:
        insert_text(source, args.target, box, font, args.text, (args.x, args.y))
    seconds = time.perf_counter() - start
    processor = time.process_time() - processor_start
    print("pictures: %d in %.3f s (processor time %.3f s)" % (len(sources), seconds, processor))
    print("Pillow pictures/s: %.2f (by processor time %.2f)"
          % (len(sources) / seconds, len(sources) / processor))
    # pictures, wall seconds, processor seconds: read by run.sh
    print("result: %d %.4f %.4f" % (len(sources), seconds, processor))


if __name__ == "__main__":
    main()
