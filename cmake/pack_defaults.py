"""Packs the program's default files into the ZIP archive its resources carry.

Each entry gets a fixed DOS time stamp and the archive attribute and no extra
fields, so the archive is the same on every machine and the unpacked files
carry the stamp of the archive rather than of the build.

    pack_defaults.py OUTPUT FILE...
"""
import os
import sys
import zipfile

STAMP = (2026, 12, 1, 0, 0, 0)
FILE_ATTRIBUTE_ARCHIVE = 0x20


def main(output, paths):
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED) as archive:
        for path in paths:
            entry = zipfile.ZipInfo(os.path.basename(path), STAMP)
            entry.create_system = 0
            entry.external_attr = FILE_ATTRIBUTE_ARCHIVE
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                archive.writestr(entry, source.read())


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
