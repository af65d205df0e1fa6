#!/usr/bin/env python3
"""Writes a chronological log of N QSOs (138 Windows-1252 characters, CR LF) for the
window benchmarks: python3 makelog.py N PATH."""
import datetime
import random
import sys

count, path = int(sys.argv[1]), sys.argv[2]
rng = random.Random(count)
names = ["JEAN-FRANÇOIS", "HÉLÈNE", "GÉRARD", "CÉCILE", "BENOÎT", "ZOÉ", "MICHEL"]
abbeys = ["ABBAZIA DI MONTECASSINO", "ABBAZIA DI SAN NICOLÒ", "CERTOSA DI PAVIA", ""]
codes = ["AZ", "BC", "KL", "CP", "EM", "FL", "LZ", "LG", "LB", "MH", "ML", "UM", "PM", "PL",
         "SD", "SC", "TC", "TT", "VN", "AE", "BB"]
when = datetime.datetime(1996, 3, 1, 8, 0)
with open(path, "wb") as out:
    for i in range(count):
        call = "%s%d%s" % (rng.choice(["F", "ON", "DL", "I"]), rng.randint(1, 9),
                           "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3)))
        abbey = rng.choice(abbeys)
        ref = "%s%04d" % (rng.choice(codes), rng.randint(1, 9999)) if abbey else ""
        fields = [call.ljust(12), "JN61", rng.choice(names).ljust(15), ref.ljust(6),
                  when.strftime("%d/%m/%y"), when.strftime("%H:%M"), "SSB", "14 Mhz ",
                  "59 ", "59 ", abbey.ljust(60), "*" if rng.random() < 0.5 else " "]
        line = " ".join(fields)
        assert len(line) == 138, line
        out.write(line.encode("cp1252") + b"\r\n")
        when += datetime.timedelta(minutes=rng.randint(3, 240))
