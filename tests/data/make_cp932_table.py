#!/usr/bin/env python3
"""Writes cp932_two_byte.txt: every two-byte code page 932 code that glibc
iconv (the converter the program uses on Linux) reads, one a line:
code (hex), tab, the character, and where iconv stores that character as
another code (one of two codes for the same character), a tab and that code.
Codes iconv refuses are not listed. Made once on Linux; the file tests hold
the converter of each system to it."""

import subprocess

def iconv(data, source, target):
    result = subprocess.run(["iconv", "-f", source, "-t", target], input=data, capture_output=True)
    return result.stdout if result.returncode == 0 else None

leads = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
trails = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))
lines = []
for lead in leads:
    for trail in trails:
        code = bytes([lead, trail])
        text = iconv(code, "CP932", "UTF-8")
        if not text:
            continue
        stored = iconv(text, "UTF-8", "CP932")
        line = "%02X%02X\t%s" % (lead, trail, text.decode("utf-8"))
        if stored != code:
            line += "\t" + stored.hex().upper()
        lines.append(line + "\n")

with open("cp932_two_byte.txt", "w", encoding="utf-8", newline="\n") as out:
    out.writelines(lines)
