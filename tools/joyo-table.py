#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints data/JoyoKanji.h: the jōyō kanji that CP932 holds, as their CP932
# codes, from KANJIDIC as Debian's package kanjidic carries it (grades G1 to
# G6 are the kanji taught in primary school, G8 the rest of the jōyō list).
#
#   apt-get download kanjidic && dpkg -x kanjidic_*.deb k
#   tools/joyo-table.py k/usr/share/edict/kanjidic > data/JoyoKanji.h
import re
import sys

path = sys.argv[1]
with open(path, "rb") as f:
    lines = f.read().decode("euc_jp").splitlines()
version = lines[0].split("/")[3] if lines[0].startswith("#") else "?"
codes = []
for line in lines:
    fields = line.split(" ")
    if line.startswith("#") or not any(re.fullmatch(r"G[1-8]", g) for g in fields):
        continue
    b = fields[0].encode("cp932")
    codes.append(b[0] << 8 | b[1])
codes.sort()

print(f"""// The jōyō kanji (常用漢字表, 2010) that CP932 holds, as their CP932 codes,
// sorted: the kanji a Japanese teacher is likeliest to write. {len(codes)} of the
// 2136; the four that JIS X 0208 lacks are not in CP932 either. Made by
// tools/joyo-table.py from the grades (1 to 8) of KANJIDIC {version}, as
// Debian's package kanjidic carries it (the Electronic Dictionary Research
// and Development Group).
#pragma once

#include <array>
#include <cstdint>

namespace vcq {{

inline constexpr std::array<std::uint16_t, {len(codes)}> kJoyoKanji = {{""")
for i in range(0, len(codes), 12):
    print("    " + " ".join(f"0x{c:04X}," for c in codes[i:i + 12]))
print("""};

}  // namespace vcq""")
