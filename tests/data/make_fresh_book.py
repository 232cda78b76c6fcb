#!/usr/bin/env python3
"""Writes fresh_book.txt: the file of a grade book right after New, built
line by line from the file layout (independently of the program's code)."""

subjects = [["国語", "表現", "理解", "言語"], ["算数", "思考", "表・処", "知・理"],
            ["理科", "思考", "観・実", "知・理"], ["社会", "思考", "観・資", "知・理"],
            ["家庭", "観点1", "観点2", "観点3"], ["体育", "知識", "工夫", "観点3"]]
semesters = ["一学期", "二学期", "三学期"]
subject_catalogue = ["国語", "算数", "理科", "社会", "家庭", "体育"] + [""] * 4
viewpoint_catalogue = ["表現", "理解", "知識", "思考", "観察", "資料", "観・資", "観・実",
                       "知・理", "工夫", "言語", "表・処"] + [""] * 8

def fields(values):
    return "".join(v + ";" for v in values)

lines = ["未登録です", "", "", "", " 0", fields([""] * 40)]
lines += [fields(["-1"] * 18)] * 8
lines.append(fields(semesters))
lines += [fields(row) for row in subjects]
lines.append(fields(subject_catalogue))
lines.append(fields(viewpoint_catalogue))
lines += [fields(["-1.0"] * 45)] * 816
for slot in range(816):
    semester, subject, test, part = slot // 264, slot % 264 // 44, slot % 44 // 4, slot % 4
    if slot < 792 and test < 10 and part < 3:
        lines.append(fields([semesters[semester], " %d回目試験" % (test + 1)]))
    else:
        lines.append(";;")
assert len(lines) == 1655
with open("fresh_book.txt", "wb") as out:
    out.write("".join(line + "\r\n" for line in lines).encode("cp932"))
