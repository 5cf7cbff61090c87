"""Builds the ZIP archives the reader's tests run on.

Every archive is written field by field, so that damaged and unusual ones
(method 12, wrong CRC-32, headers that disagree, encryption) are as easy to make
as ordinary ones. Each archive that a conforming reader should accept is read
back with Python's own zipfile module before it is used, so the tests do not
rest on this writer and the reader sharing a misreading of the format.

    make_test_archives.py --header OUT.h   C++ header with one byte array each
    make_test_archives.py --corpus DIR     one .zip file each (fuzzing seeds)
"""

import argparse
import io
import os
import random
import struct
import zipfile
import zlib

UNIX = 3 << 8 | 20
DOS = 0 << 8 | 20
NTFS = 11 << 8 | 20
FILE_644 = 0o100644 << 16
FILE_444 = 0o100444 << 16
DIR_755 = 0o40755 << 16 | 0x10
PASSWORD = b"lander"
TIME = (2020, 6, 15, 12, 34, 56)


def pattern(n):
    return bytes((i * 31 + (i >> 8)) & 0xFF for i in range(n))


def numbered_lines(n):
    return b"".join(b"line %d\n" % i for i in range(n))


def deflate(data):
    packer = zlib.compressobj(9, zlib.DEFLATED, -15)
    return packer.compress(data) + packer.flush()


def dos_stamp(y, mo, d, h, mi, s):
    return h << 11 | mi << 5 | s // 2, (y - 1980) << 9 | mo << 5 | d


def ut_field(flags, *times, size=None):
    body = bytes([flags]) + b"".join(struct.pack("<i", t) for t in times)
    return struct.pack("<HH", 0x5455, len(body) if size is None else size) + body


class Cipher:
    """The traditional ZIP cipher, encrypting side."""

    def __init__(self, password):
        self.keys = [0x12345678, 0x23456789, 0x34567890]
        for b in password:
            self.update(b)

    @staticmethod
    def crc_step(crc, b):
        return zlib.crc32(bytes([b]), crc ^ 0xFFFFFFFF) ^ 0xFFFFFFFF

    def update(self, plain):
        k = self.keys
        k[0] = self.crc_step(k[0], plain)
        k[1] = ((k[1] + (k[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        k[2] = self.crc_step(k[2], k[1] >> 24)

    def encrypt(self, data):
        out = bytearray()
        for p in data:
            t = (self.keys[2] | 2) & 0xFFFF
            out.append(p ^ ((t * (t ^ 1)) >> 8) & 0xFF)
            self.update(p)
        return bytes(out)


class Entry:
    def __init__(self, name, data=b"", method=0, made_by=UNIX, external=FILE_644,
                 time=TIME, local_extra=b"", central_extra=b"", password=None,
                 descriptor=False, payload=None, crc_delta=0, local_size_delta=0):
        self.name = name.encode() if isinstance(name, str) else name
        self.data, self.method, self.made_by, self.external = data, method, made_by, external
        self.time, self.local_extra, self.central_extra = time, local_extra, central_extra
        self.password, self.descriptor, self.payload = password, descriptor, payload
        self.crc_delta, self.local_size_delta = crc_delta, local_size_delta


def build(entries, prefix=b"", comment=b""):
    rng = random.Random(7)
    out, directory = io.BytesIO(), io.BytesIO()
    for e in entries:
        crc = zlib.crc32(e.data) ^ e.crc_delta
        payload = e.payload if e.payload is not None else (
            deflate(e.data) if e.method == 8 else e.data)
        dos_time, dos_date = dos_stamp(*e.time)
        flags = 0
        if e.password is not None:
            flags |= 1
            check = dos_time >> 8 if e.descriptor else crc >> 24
            header = bytes(rng.randrange(256) for _ in range(11)) + bytes([check])
            payload = Cipher(e.password).encrypt(header + payload)
        if e.descriptor:
            flags |= 8
        sizes = (crc, len(payload), len(e.data))
        local_sizes = (0, 0, 0) if e.descriptor else (crc, len(payload),
                                                      len(e.data) + e.local_size_delta)
        offset = out.tell()
        out.write(struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, e.method, dos_time,
                              dos_date, *local_sizes, len(e.name), len(e.local_extra)))
        out.write(e.name + e.local_extra + payload)
        if e.descriptor:
            out.write(struct.pack("<IIII", 0x08074B50, *sizes))
        directory.write(struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, e.made_by, 20, flags,
                                    e.method, dos_time, dos_date, *sizes, len(e.name),
                                    len(e.central_extra), 0, 0, 0, e.external, offset))
        directory.write(e.name + e.central_extra)
    cd_offset, cd = out.tell(), directory.getvalue()
    out.write(cd)
    out.write(struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(cd),
                          cd_offset, len(comment)) + comment)
    return prefix + out.getvalue()


def verified(archive, password=None):
    """Returns the archive after Python's zipfile has read every entry back."""
    with zipfile.ZipFile(io.BytesIO(archive)) as z:
        for info in z.infolist():
            z.read(info, pwd=password)
    return archive


def archives():
    secret = b"the secret text, " * 200
    ux = struct.pack("<HH", 0x7875, 11) + bytes([1, 4]) + b"\xe8\x03\0\0" + b"\x04" + b"\xe8\x03\0\0"
    return {
        "tiny": verified(build([Entry("hello.txt", b"hello")])),
        "basic": verified(build([
            Entry("stored.txt", pattern(20000)),
            Entry("deflated.txt", numbered_lines(12000), method=8),
            Entry("empty.txt"),
            Entry("dir/", external=DIR_755),
            Entry("dir/sub/file.txt", b"nested", method=8),
        ])),
        "prefixed": verified(build([
            Entry("hello.txt", b"hello", method=8),
            # All input is used up while the last match still has output to give.
            Entry("run.txt", b"a" * 16484, method=8),
        ], prefix=b"MZ" + pattern(998))),
        "commented": verified(build([Entry("hello.txt", b"hello")],
                                    comment=b"PK comment " * 300)),
        "names": verified(build([Entry(n, n.encode()) for n in [
            "C:\\x\\drive.txt", "\\back.txt", "//fwd.txt", "x\\..\\p1.txt", "x/../p2.txt",
            "../p3.txt", "..\\..\\p4.txt", "a/b/../../../p5.txt", "..", ".. ", "...",
            "\u540d\u5b57.txt",
        ]])),
        "attributes": verified(build([
            Entry("rw.txt", b"rw", external=FILE_644),
            Entry("ro.txt", b"ro", external=FILE_444),
            Entry("hidden.txt", b"h", made_by=DOS, external=0x22),
            Entry("system.txt", b"s", made_by=NTFS, external=0x25),
        ])),
        "times": verified(build([
            Entry("dos_only.txt", b"d", time=(2001, 2, 3, 4, 5, 6)),
            Entry("ut_all.txt", b"u", local_extra=ux + ut_field(7, 1000000000, 1100000000,
                                                               1200000000),
                  central_extra=ut_field(7, 1000000000, size=5)),
            Entry("ut_modified.txt", b"m", local_extra=ut_field(1, 1234567890)),
            Entry("bad_date.txt", b"b", time=(1980, 0, 0, 0, 0, 0)),
        ])),
        "encrypted": verified(build([
            Entry("secret_deflated.txt", secret, method=8, password=PASSWORD),
            Entry("secret_stored.txt", secret, password=PASSWORD, descriptor=True),
            Entry("secret_empty.txt", b"", password=PASSWORD),
        ]), PASSWORD),
        "method12": build([
            Entry("first.txt", b"first"),
            Entry("other.bin", b"not really bzip2", method=12),
            Entry("after.txt", b"after"),
        ]),
        "damaged": build([
            Entry("corrupt_deflate.txt", b"x" * 100, method=8, payload=b"\xff" * 40),
            Entry("crc_mismatch.txt", b"checked data", crc_delta=1),
            Entry("truncated_deflate.txt", pattern(5000), method=8,
                  payload=deflate(pattern(5000))[:150]),
            Entry("short_stored.txt", b"0123456789", payload=b"01234"),
            Entry("local_mismatch.txt", b"sizes differ", local_size_delta=1),
            Entry("good.txt", b"good"),
        ]),
    }


def write_header(path, items):
    lines = ["// Generated by make_test_archives.py.", "#pragma once", "",
             "namespace zip_archives {", ""]
    for name, data in items.items():
        lines.append("inline constexpr unsigned char %s[] = {" % name)
        for i in range(0, len(data), 24):
            lines.append("    " + ",".join("%d" % b for b in data[i:i + 24]) + ",")
        lines.append("};")
    lines += ["", "} // namespace zip_archives", ""]
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "w") as f:
        f.write("\n".join(lines))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--header")
    parser.add_argument("--corpus")
    args = parser.parse_args()
    items = archives()
    if args.header:
        write_header(args.header, items)
    if args.corpus:
        os.makedirs(args.corpus, exist_ok=True)
        for name, data in items.items():
            with open(os.path.join(args.corpus, name + ".zip"), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
