#!/usr/bin/env python3
"""Writes the sample files of other programs for the class of
class-typical-40.txt: a school roster export, a Google Forms quiz export, a
Microsoft Forms export saved as CSV UTF-8, and a block of scores as a
spreadsheet copies it. Run from this folder; the files are committed."""

import csv
import io

# (name as the book holds it, surname reading, given-name reading, sex)
STUDENTS = [
    ("山下 ひなた", "やました", "ひなた", "女"), ("太田花子", "おおた", "はなこ", "女"),
    ("後藤真央", "ごとう", "まお", "女"), ("村田 凛", "むらた", "りん", "女"),
    ("能登 大輝", "のと", "だいき", "男"), ("酒井 颯太", "さかい", "そうた", "男"),
    ("中山　蓮", "なかやま", "れん", "男"), ("安藤 かおり", "あんどう", "かおり", "女"),
    ("野口　さくら", "のぐち", "さくら", "女"), ("大塚 翔太", "おおつか", "しょうた", "男"),
    ("武田　蓮", "たけだ", "れん", "男"), ("工藤 さくら", "くどう", "さくら", "女"),
    ("原田　翼", "はらだ", "つばさ", "男"), ("山下　陸", "やました", "りく", "男"),
    ("山田,太郎", "やまだ", "たろう", "男"), ("菅原樹", "すがわら", "いつき", "男"),
    ("石井　ソウタ", "いしい", "そうた", "男"), ("村田　結衣", "むらた", "ゆい", "女"),
    ("藤田 由美", "ふじた", "ゆみ", "女"), ("横山　あかり", "よこやま", "あかり", "女"),
    ("工藤あかり", "くどう", "あかり", "女"), ("武田 誠", "たけだ", "まこと", "男"),
    ("増田 大和", "ますだ", "やまと", "男"), ("小山大和", "こやま", "やまと", "男"),
    ("藤原陽翔", "ふじわら", "はると", "男"), ("福田　あかり", "ふくだ", "あかり", "女"),
    ("松田 一郎", "まつだ", "いちろう", "男"), ("福田　ソウタ", "ふくだ", "そうた", "男"),
    ("小野　陽翔", "おの", "はると", "男"), ("藤本 ゆい", "ふじもと", "ゆい", "女"),
    ("河野 隼人", "こうの", "はやと", "男"), ("太田太郎", "おおた", "たろう", "男"),
    ("藤原　恵", "ふじわら", "めぐみ", "女"), ("原 花子", "はら", "はなこ", "女"),
    ("小林誠", "こばやし", "まこと", "男"), ("山下 美咲", "やました", "みさき", "女"),
    ("武田　陽翔", "たけだ", "はると", "男"), ("岡本結衣", "おかもと", "ゆい", "女"),
    ("杉山　颯太", "すぎやま", "そうた", "男"), ("小野 優斗", "おの", "ゆうと", "男"),
]

MISSING = 13          # no answer from 原田　翼
DUPLICATE = 5         # 能登 大輝 answered twice
ABOVE = 22            # 武田 誠: a score above the full marks
HALF_WIDTH = 7        # 中山　蓮 typed his name with a half-width space
UNKNOWN = "佐々木 健"  # not in the class


def account(n):
    return f"s2501{n:02d}@school.example.jp"


def points(n, q):
    return (n * 7 + q * 3) % 11


def form_name(n):
    name = STUDENTS[n - 1][0]
    return name.replace("　", " ") if n == HALF_WIDTH else name


def write(path, rows, bom, delimiter=","):
    out = io.StringIO()
    csv.writer(out, delimiter=delimiter, lineterminator="\r\n").writerows(rows)
    with open(path, "w", encoding="utf-8-sig" if bom else "utf-8", newline="") as f:
        f.write(out.getvalue())


def roster():
    rows = [["児童コード", "学年", "組", "出席番号", "氏名", "氏名かな", "性別"]]
    for n, (name, sur, given, sex) in enumerate(STUDENTS, 1):
        rows.append([f"S202501{n:02d}", "1", "6", str(n), name.replace(" ", "　"), f"{sur}　{given}", sex])
    write("school-roster.csv", rows, bom=True)


def answered():
    order = [n for n in range(1, 41) if n != MISSING]
    order.insert(10, DUPLICATE)
    return order


def google():
    rows = [["タイムスタンプ", "メールアドレス", "スコア", "名前", "問1", "問2", "問3"]]
    for i, n in enumerate(answered()):
        score = 11 if n == ABOVE else points(n, 1)
        rows.append([f"2025/06/12 9:{10 + i // 4:02d}:{i % 4 * 13:02d}", account(n), f"{score} / 10",
                     form_name(n), "ア", "イ", "ウ"])
    rows.insert(20, ["2025/06/12 9:30:00", "s250199@school.example.jp", "7 / 10", UNKNOWN, "ア", "ア", "ウ"])
    write("google-forms-quiz.csv", rows, bom=False)


def microsoft():
    header = ["ID", "開始時刻", "完了時刻", "メール", "名前", "合計点数", "クイズのフィードバック"]
    for q in (1, 2, 3):
        header += [f"Q{q}", f"ポイント - Q{q}", f"フィードバック - Q{q}"]
    rows = [header]
    for i, n in enumerate(answered(), 1):
        marks = [points(n, q) for q in (1, 2, 3)]
        if n == ABOVE:
            marks[1] = 12
        row = [str(i), "6/12/25 9:05:10", "6/12/25 9:14:52", account(n), form_name(n), str(sum(marks)), ""]
        for q, mark in enumerate(marks, 1):
            row += [f"答え{q}", str(mark), ""]
        rows.append(row)
    rows.append([str(len(rows)), "6/12/25 9:06:00", "6/12/25 9:15:00", "s250199@school.example.jp", UNKNOWN,
                 "15", "", "答え1", "5", "", "答え2", "5", "", "答え3", "5", ""])
    write("microsoft-forms-quiz.csv", rows, bom=True)


def spreadsheet_block():
    rows = [[str(points(n, q)) for q in (1, 2, 3)] for n in range(1, 41)]
    write("spreadsheet-block.tsv", rows, bom=False, delimiter="\t")


if __name__ == "__main__":
    roster()
    google()
    microsoft()
    spreadsheet_block()
