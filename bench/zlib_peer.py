#!/usr/bin/env python3
"""python3's side of the backup benchmarks: the work of the program's
container, settings export and settings import, done with python3's zlib
module at the same level, window bits and memory level, files read and
inflated in 1024-byte pieces. Times itself, without the interpreter's
start-up, and prints "WALL CPU" in seconds.

    zlib_peer.py pack SOURCE CONTAINER LEVEL   every file of SOURCE, written
                                               through a temporary file
    zlib_peer.py unpack CONTAINER TARGET       each record through a
                                               temporary file that replaces
                                               the target (TARGET is emptied
                                               first, untimed)
    zlib_peer.py export FOLDER BACKUP          pack at level -1, leaving out
                                               leftovers of interrupted writes
    zlib_peer.py import FOLDER BACKUP          every record inflated beside its
                                               target first, a copy kept of
                                               each file replaced, then the
                                               replacements
"""
import os
import struct
import sys
import time
import zlib

CHUNK = 1024


def leftover(name):
    name = name.lower()
    return name.startswith("~orvx-") and name.endswith(".tmp") and len(name) > 10


def pack(source, container, level, skip=lambda name: False):
    image = bytearray()
    for name in os.listdir(source):
        path = os.path.join(source, name)
        if not os.path.isfile(path) or skip(name):
            continue
        stream = zlib.compressobj(level, zlib.DEFLATED, 15, 8, zlib.Z_DEFAULT_STRATEGY)
        parts, size = [], 0
        with open(path, "rb") as f:
            while True:
                chunk = f.read(CHUNK)
                size += len(chunk)
                parts.append(stream.compress(chunk))
                if not chunk:
                    break
        data = b"".join(parts) + stream.flush() if size else b""
        raw = os.fsencode(name)
        image += bytes([0, len(raw)]) + raw + struct.pack("<II", size, len(data)) + data
    temp = os.path.join(os.path.dirname(container), "~orvx-peer.tmp")
    with open(temp, "wb") as f:
        f.write(image)
        f.flush()
        os.fsync(f.fileno())
    os.replace(temp, container)


def records(container):
    with open(container, "rb") as f:
        while True:
            length = f.read(1)
            if not length:
                break
            folder = f.read(length[0])
            name = f.read(f.read(1)[0])
            size, csize = struct.unpack("<II", f.read(8))
            yield folder, os.fsdecode(name), f.read(csize)


def inflate_into(data, path):
    with open(path, "wb") as out:
        if data:
            stream = zlib.decompressobj(15)
            pending = data
            while True:
                chunk = stream.decompress(pending, CHUNK)
                pending = stream.unconsumed_tail
                out.write(chunk)
                if not chunk:
                    break


def unpack(container, target):
    temp = os.path.join(target, "~orvx-peer.tmp")
    for _, name, data in records(container):
        inflate_into(data, temp)
        os.replace(temp, os.path.join(target, name))


def import_(container, folder):
    staged = []
    for part, name, data in records(container):
        if part:
            raise SystemExit("a record with a folder part")
        temp = os.path.join(folder, "~orvx-import-%d.tmp" % len(staged))
        inflate_into(data, temp)
        staged.append((temp, os.path.join(folder, name)))
    kept = []
    for i, (_, target) in enumerate(staged):
        if os.path.exists(target):
            keep = os.path.join(folder, "~orvx-keep-%d.tmp" % i)
            with open(target, "rb") as src, open(keep, "wb") as dst:
                dst.write(src.read())
            kept.append(keep)
    for temp, target in staged:
        os.replace(temp, target)
    for keep in kept:
        os.remove(keep)


def main(mode, *args):
    if mode == "pack":
        work = lambda: pack(args[0], args[1], int(args[2]))
    elif mode == "unpack":
        for name in os.listdir(args[1]):
            os.remove(os.path.join(args[1], name))
        work = lambda: unpack(args[0], args[1])
    elif mode == "export":
        work = lambda: pack(args[0], args[1], -1, leftover)
    elif mode == "import":
        work = lambda: import_(args[1], args[0])
    else:
        raise SystemExit("unknown mode " + mode)
    start, start_cpu = time.perf_counter(), time.process_time()
    work()
    print(time.perf_counter() - start, time.process_time() - start_cpu)


main(*sys.argv[1:])
