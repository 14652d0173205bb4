#!/usr/bin/env python3
"""An independent reader and writer of backup containers, for the tests.

Written from the container layout alone: records back to back, each

    folder part length (1 byte), folder part (backslash-separated, ending
    with a backslash, or empty), name length (1 byte), name, uncompressed
    size (4 bytes LE), compressed size C (4 bytes LE), C bytes of one zlib
    stream (deflate, window bits 15, memory level 8, default strategy)

and an empty file stored with both sizes 0 and no zlib bytes at all.

    container.py pack FOLDER CONTAINER [--level N] [--flat]
    container.py unpack CONTAINER FOLDER [--level N]
    container.py list CONTAINER

pack writes every file of FOLDER (recursively unless --flat) in sorted order.
unpack checks every record strictly and writes the files; with --level it
also checks that each stream is exactly what zlib makes at that level from
1024-byte pieces. list prints one line per record: folder part, name, size
and compressed size, separated by tabs (names as raw bytes).
Any fault in the container ends with a message and exit status 1.
"""
import os
import struct
import sys
import zlib

CHUNK = 1024


class Fault(Exception):
    pass


def compress(data, level):
    if not data:
        return b""
    stream = zlib.compressobj(level, zlib.DEFLATED, 15, 8, zlib.Z_DEFAULT_STRATEGY)
    out = [stream.compress(data[i:i + CHUNK]) for i in range(0, len(data), CHUNK)]
    out.append(stream.flush())
    return b"".join(out)


def records(blob):
    pos = 0
    while pos < len(blob):
        def take(n):
            nonlocal pos
            if pos + n > len(blob):
                raise Fault(f"container ends inside a record at offset {pos}")
            part = blob[pos:pos + n]
            pos += n
            return part
        folder = take(take(1)[0])
        name = take(take(1)[0])
        size, csize = struct.unpack("<II", take(8))
        yield folder, name, size, take(csize)


def content_of(folder, name, size, data):
    if not data:
        if size != 0:
            raise Fault(f"{name!r}: no data for {size} bytes")
        return b""
    if data[0] != 0x78:
        raise Fault(f"{name!r}: not a deflate stream with a 32 KiB window")
    stream = zlib.decompressobj(15)
    content = stream.decompress(data) + stream.flush()
    if not stream.eof or stream.unused_data:
        raise Fault(f"{name!r}: the zlib stream does not fill its data exactly")
    if len(content) != size:
        raise Fault(f"{name!r}: {len(content)} bytes, record says {size}")
    if size == 0:
        raise Fault(f"{name!r}: an empty file with zlib data")
    return content


def safe_parts(folder):
    if folder and not folder.endswith(b"\\"):
        raise Fault(f"folder part {folder!r} does not end with a backslash")
    parts = [p for p in folder.split(b"\\") if p]
    for p in parts:
        if p in (b".", b"..") or b"/" in p or b":" in p:
            raise Fault(f"unsafe folder part {folder!r}")
    return parts


def pack(folder, container, level, flat):
    out = bytearray()
    root = os.fsencode(folder)
    for here, dirs, files in os.walk(root):
        dirs.sort()
        rel = os.path.relpath(here, root)
        if flat and rel != b".":
            continue
        parts = [] if rel == b"." else rel.split(os.sep.encode())
        stored = b"".join(p + b"\\" for p in parts)
        for name in sorted(files):
            with open(os.path.join(here, name), "rb") as f:
                data = f.read()
            packed = compress(data, level)
            out += bytes([len(stored)]) + stored + bytes([len(name)]) + name
            out += struct.pack("<II", len(data), len(packed)) + packed
    with open(container, "wb") as f:
        f.write(out)


def unpack(container, folder, level):
    with open(container, "rb") as f:
        blob = f.read()
    root = os.fsencode(folder)
    for stored, name, size, data in records(blob):
        parts = safe_parts(stored)
        if not name or b"\\" in name or b"/" in name or name in (b".", b".."):
            raise Fault(f"unsafe name {name!r}")
        content = content_of(stored, name, size, data)
        if level is not None and level != 0 and data != compress(content, level):
            raise Fault(f"{name!r}: not compressed like zlib level {level}")
        where = os.path.join(root, *parts)
        os.makedirs(where, exist_ok=True)
        with open(os.path.join(where, name), "wb") as f:
            f.write(content)


def listing(container):
    with open(container, "rb") as f:
        blob = f.read()
    out = sys.stdout.buffer
    for stored, name, size, data in records(blob):
        out.write(b"%s\t%s\t%d\t%d\n" % (stored, name, size, len(data)))


def main(argv):
    level = None
    if "--level" in argv:
        i = argv.index("--level")
        level = int(argv[i + 1])
        del argv[i:i + 2]
    flat = "--flat" in argv
    if flat:
        argv.remove("--flat")
    try:
        if argv[:1] == ["pack"] and len(argv) == 3:
            pack(argv[1], argv[2], -1 if level is None else level, flat)
        elif argv[:1] == ["unpack"] and len(argv) == 3:
            unpack(argv[1], argv[2], level)
        elif argv[:1] == ["list"] and len(argv) == 2:
            listing(argv[1])
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except (Fault, zlib.error) as e:
        print(f"container.py: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
