#!/usr/bin/env python3
"""Works out, from the rules, the semester (一学期) and year-round views of 国語
after the three tests the end-to-end test of the test editor enters:

  T1 一学期 第1回: 表現 20+n, 理解 50-n, 言語 40+2n; number 5 absent
  T2 一学期 第2回: 理解 not assessed; 表現 30, 言語 60+n; number 10 no scores
  T3 二学期 第1回: 表現 40+2n, 理解 40, 言語 70

for a class of 30 named students with A 9 and C 3 everywhere. A student's
summary is the mean of the scores they have, 10000 added when absent from
any; without a score it is -2 when absent, else -1 (shown "*" and empty, no
rank and no letter). The class value is the mean over the students with a
value. Ranks are competition ranks (1, 2, 2, 4) on the value as shown (one
decimal); A up to rank 9, B up to rank 27 (30 - 3), C after. Writes semester_view.csv and
year_round_view.csv (UTF-8, CR LF, 15 cells a row)."""

import struct

N = 30
NAMES = ["生徒%02d" % n for n in range(1, N + 1)]
A, C = 9, 3
ABSENT, NONE = -2, -1


def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def tests():
    t1, t2, t3 = {}, {}, {}
    for n in range(1, N + 1):
        t1[n] = [20 + n, 50 - n, 40 + 2 * n]
        t2[n] = [30, NONE, 60 + n]
        t3[n] = [40 + 2 * n, 40, 70]
    t1[5] = [ABSENT] * 3
    t2[10] = [NONE] * 3
    return t1, t2, t3


def with_total(scores):
    if ABSENT in scores:
        return scores + [ABSENT]
    given = [s for s in scores if s >= 0]
    return scores + [sum(given) if given else NONE]


def summary(test_list, n, p):
    total, count, absent = 0, 0, False
    for t in test_list:
        v = with_total(t[n])[p]
        if v == ABSENT:
            absent = True
        elif v != NONE:
            total += v
            count += 1
    if not count:
        return ABSENT if absent else NONE
    mean = total / count
    return single(mean + 10000 if absent else mean)


def one_decimal(x):
    return "%.1f" % x


def shown(v):
    if v in (NONE, ABSENT):
        return "" if v == NONE else "*"
    return ("*" + one_decimal(v - 10000)) if v >= 10000 else one_decimal(v)


def key(v):
    return round(float(one_decimal(v - 10000 if v >= 10000 else v)) * 10)


def ranks(values):
    keys = {n: key(v) for n, v in values.items() if v not in (NONE, ABSENT)}
    return {n: 1 + sum(1 for m in keys if keys[m] > keys[n]) for n in keys}


def letter(rank):
    return "A" if rank <= A else "B" if rank <= N - C else "C"


def view(test_list, subject, viewpoints):
    rows = [["No.", "生徒氏名"]]
    for name in viewpoints:
        rows[0] += [name + "  平均点", name + "  順位", name + "  評定"]
    rows[0] += [subject + "  平均点", subject + "  順位"]
    parts = []
    for p in range(4):
        values = {n: summary(test_list, n, p) for n in range(1, N + 1)}
        parts.append((values, ranks(values)))
    for n in range(1, N + 1):
        row = [" %d" % n, NAMES[n - 1]]
        for p in range(4):
            values, r = parts[p]
            ranked = n in r
            row += [shown(values[n]), " %d" % r[n] if ranked else ""]
            if p < 3:
                row.append(letter(r[n]) if ranked else "")
        rows.append(row)
    rows.append([])
    average = ["", "クラスの平均点"]
    for p in range(4):
        values, _ = parts[p]
        counted = [v - 10000 if v >= 10000 else v for v in values.values() if v not in (NONE, ABSENT)]
        average += [one_decimal(single(sum(counted) / len(counted))), ""] + ([""] if p < 3 else [])
    rows.append(average)
    return "".join("".join(cell + "," for cell in row + [""] * (15 - len(row))) + "\r\n" for row in rows)


t1, t2, t3 = tests()
VIEWPOINTS = ["表現", "理解", "言語"]
with open("semester_view.csv", "w", encoding="utf-8", newline="") as out:
    out.write(view([t1, t2], "国語", VIEWPOINTS))
with open("year_round_view.csv", "w", encoding="utf-8", newline="") as out:
    out.write(view([t1, t2, t3], "国語", VIEWPOINTS))
