#!/usr/bin/env python3
"""Reads the import table of Windows programs and checks every imported DLL
and function against lists of what a Windows version exports.

    check_imports.py PROGRAM.exe... -- LIST.txt...

A list line is `DLL!Function` (or `DLL!#ordinal`) followed by the Windows
version it appeared in and where that comes from; `#` starts a comment line.
DLL names compare case-insensitively, function names exactly. Every program
must pass every list. Exit status 1 names each import that a list lacks.
"""
import struct
import sys


class NotAProgram(Exception):
    pass


def read_imports(data):
    """The (dll, function) pairs a PE file imports; an ordinal import is
    named '#<number>'. Reads PE32 and PE32+ (32- and 64-bit) files."""
    if data[:2] != b"MZ":
        raise NotAProgram("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise NotAProgram("no PE header")
    sections_count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    if magic not in (0x10B, 0x20B):
        raise NotAProgram("unknown optional header 0x%x" % magic)
    wide = magic == 0x20B
    directories = optional + (112 if wide else 96)
    import_rva = struct.unpack_from("<I", data, directories + 8)[0]
    delay_rva = struct.unpack_from("<I", data, directories + 13 * 8)[0]
    if delay_rva:
        raise NotAProgram("delay-loaded imports, which this check does not read")

    sections = []
    for i in range(sections_count):
        entry = optional + optional_size + 40 * i
        size, address, raw_size, raw_offset = struct.unpack_from("<4I", data, entry + 8)
        sections.append((address, max(size, raw_size), raw_offset))

    def offset(rva):
        for address, size, raw_offset in sections:
            if address <= rva < address + size:
                return rva - address + raw_offset
        raise NotAProgram("address 0x%x in no section" % rva)

    def text(rva):
        start = offset(rva)
        return data[start:data.index(b"\0", start)].decode("ascii")

    thunk_format, ordinal_flag = ("<Q", 1 << 63) if wide else ("<I", 1 << 31)
    thunk_size = struct.calcsize(thunk_format)
    imports = []
    descriptor = offset(import_rva) if import_rva else None
    while descriptor is not None:
        names_rva, _, _, dll_rva, addresses_rva = struct.unpack_from("<5I", data, descriptor)
        if dll_rva == 0:
            break
        dll = text(dll_rva)
        thunk = offset(names_rva or addresses_rva)
        while True:
            value = struct.unpack_from(thunk_format, data, thunk)[0]
            if value == 0:
                break
            if value & ordinal_flag:
                imports.append((dll, "#%d" % (value & 0xFFFF)))
            else:
                imports.append((dll, text(value + 2)))  # after the 2-byte hint
            thunk += thunk_size
        descriptor += 20
    return imports


def read_list(path):
    """The (dll in lower case, function) pairs a list names."""
    exported = set()
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            name = line.split()[0]
            if "!" not in name:
                raise SystemExit("%s:%d: expected DLL!Function, found %r" % (path, number, name))
            dll, function = name.split("!", 1)
            exported.add((dll.lower(), function))
    return exported


def main(arguments):
    if "--" not in arguments:
        raise SystemExit(__doc__)
    split = arguments.index("--")
    programs, lists = arguments[:split], arguments[split + 1:]
    if not programs or not lists:
        raise SystemExit(__doc__)
    exports = {path: read_list(path) for path in lists}
    missing = 0
    for program in programs:
        with open(program, "rb") as file:
            try:
                imports = read_imports(file.read())
            except (NotAProgram, struct.error, ValueError) as error:
                print("%s: cannot read its imports: %s" % (program, error))
                return 1
        for path, exported in exports.items():
            absent = [(dll, f) for dll, f in imports if (dll.lower(), f) not in exported]
            for dll, function in absent:
                print("%s imports %s!%s, which %s does not list" % (program, dll, function, path))
            missing += len(absent)
            if not absent:
                print("%s: all %d imports listed in %s" % (program, len(imports), path))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
