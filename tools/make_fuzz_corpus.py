#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (fuzz/corpus/TARGET/) from the
working folders of tests/fixtures. Run it again after adding fixtures and
commit the result; the files are small."""
import hashlib
import pathlib
import re
import struct

root = pathlib.Path(__file__).resolve().parent.parent
fixtures = root / "tests" / "fixtures"
corpus = root / "fuzz" / "corpus"


def record_fields(text):
    """The 41 numbers and 5 texts of a profile file, as the reader sees them."""
    numbers = [0] * 41
    texts = [b""] * 5
    for line in text.split(b"\n"):
        line = line.rstrip(b"\r")
        match = re.match(rb"\s*([NS])_PARAM_(\d{3})\s*=(.*)$", line, re.IGNORECASE)
        if not match:
            continue
        kind, number, value = match.group(1).upper(), int(match.group(2)), match.group(3).strip(b" \t")
        if kind == b"N" and number < 41:
            digits = re.match(rb"[-+]?\d*", value).group(0)
            numbers[number] = int(digits) if digits not in (b"", b"-", b"+") else 0
        elif kind == b"S" and number < 5:
            texts[number] = value[:255]
    return numbers, texts


def packed_record(numbers, texts):
    """A CharacterRecord as the battle target reads it: 41 int32, 5 x 256 bytes."""
    out = b"".join(struct.pack("<i", ((n + 2**31) % 2**32) - 2**31) for n in numbers)
    return out + b"".join(t.ljust(256, b"\0") for t in texts)


def write(target, data):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / hashlib.sha1(data).hexdigest()[:16]).write_bytes(data)


def enemy_names(bridge):
    lines = bridge.replace(b"\r\n", b"\n").split(b"\n")
    return [lines[i] if i < len(lines) else b"" for i in range(3)]


for folder in sorted(fixtures.glob("*/input")):
    profiles = sorted(folder.glob("*.dat"))
    for path in profiles:
        if path.name.startswith("head"):
            continue
        data = path.read_bytes()
        write("profile_reader", data)
        numbers, texts = record_fields(data)
        write("profile_writer", packed_record(numbers, [b"", b"", b"", b"", b""])[:41 * 4] + texts[0] + b"\0" + data)
    bridge = folder / "Bridge.txt"
    if bridge.exists():
        write("bridge_reader", bridge.read_bytes())
        names = enemy_names(bridge.read_bytes())
        six = []
        for name in names + [b"status1.dat", b"status2.dat", b"status3.dat"]:
            path = folder / name.decode("cp932", "replace")
            six.append(record_fields(path.read_bytes()) if name and path.is_file() else ([0] * 41, [b""] * 5))
        seed_file = folder.parent / "seed"
        seed = int(seed_file.read_text().split()[0]) if seed_file.exists() else 1
        write("battle_in_memory", struct.pack("<I", seed) + b"".join(packed_record(*r) for r in six))

# Bridge.txt in the shapes the reader tells apart: short, without line ends,
# lone carriage returns, an empty enemy line, names at their limits.
for data in [
    b"",
    b"enemy1.dat\r\n",
    b"enemy1.dat\nenemy2.dat\nenemy3.dat\nreport.html\nsummary.html",
    b"enemy1.dat\r\n\r\nenemy3.dat\r\nC:\\reports\\r.html\r\ns.html\r\n",
    b"a\rb\r\nc\r\nd\r\n\x82\xa0.html\r\n/tmp/s.html\r\n",
    b"e" * 254 + b"\r\n" + b"f" * 255 + b"\r\ng\r\n" + b"r" * 1022 + b"\r\n" + b"s" * 1023 + b"\r\n",
]:
    write("bridge_reader", data)
