"""Throwaway publisher certificates and Authenticode signatures for the
update journeys, made at test time with openssl and osslsigncode."""

import os
import struct
import subprocess


def make_certificate(folder, name, subject):
    """A self-signed certificate with a key of its own: (certificate, key)."""
    cert, key = (os.path.join(folder, name + suffix) for suffix in (".crt.pem", ".key.pem"))
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key,
                    "-out", cert, "-days", "30", "-subj", subject],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def sign(source, target, certificate):
    cert, key = certificate
    if os.path.exists(target):
        os.remove(target)
    subprocess.run(["osslsigncode", "sign", "-certs", cert, "-key", key, "-in", source,
                    "-out", target], check=True, stdout=subprocess.DEVNULL)
    return target


def code_offset(path):
    """The file offset of the middle of the program's first section (its code)."""
    with open(path, "rb") as f:
        data = f.read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    section = pe + 24 + optional_size
    raw_size, raw_offset = struct.unpack_from("<II", data, section + 16)
    return raw_offset + raw_size // 2


def tamper(source, target):
    """source with one byte of its code changed; its signature no longer matches."""
    data = bytearray(open(source, "rb").read())
    data[code_offset(source)] ^= 0xFF
    with open(target, "wb") as f:
        f.write(data)
    return target


def for_another_machine(source, target):
    """source marked as a program for a processor this system cannot run
    (ARM64), so that starting it fails as a blocked start does on Windows;
    its version resource still reads."""
    data = bytearray(open(source, "rb").read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    struct.pack_into("<H", data, pe + 4, 0xAA64)
    with open(target, "wb") as f:
        f.write(data)
    return target
