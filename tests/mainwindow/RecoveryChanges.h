#pragma once
// The changes the crash test makes in a program it then kills: one of every
// kind of value the file holds, so restoring shows each came back.

#include "core/GradeBook.h"

namespace miravel::test {

inline void MakeUnsavedChanges(GradeBook& book)
{
    book.TeacherName = "佐々木　恵";
    book.StudentNames[1] = "ﾀｶﾊｼ 健太";
    book.StudentCount = 3;
    book.StudentNames[2] = "渡辺";
    book.RankCountA[1][4] = 7;
    book.RankCountC[3][17] = 2;
    book.SubjectTable[2][1] = "観察・実験";
    const int slot = TestSlot(1, 2, 3, 0);
    book.Scores[slot][0] = 87.5f;
    book.Scores[slot][1] = kAbsent;
    book.Scores[slot][kFullMarksColumn] = 100.0f;
    book.SlotTitles[slot][0] = "10/12";
    book.SlotTitles[slot][1] = "てこのはたらき";
}

} // namespace miravel::test
