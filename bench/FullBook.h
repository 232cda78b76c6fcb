#pragma once
// The grade book every benchmark works on: 40 students, every score slot
// set (with absences and flagged averages), evaluation counts set.

#include "core/Defaults.h"
#include "core/GradeBook.h"

#include <memory>
#include <string>

namespace miravel::bench {

inline std::unique_ptr<GradeBook> FullBook()
{
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    book->SchoolYear = "2025";
    book->GradeLevel = "5年";
    book->ClassName = "1組";
    book->TeacherName = "山田 花子";
    book->StudentCount = kStudents;
    for (int i = 0; i < kStudents; ++i)
        book->StudentNames[i] = "生徒" + std::to_string(i + 1);
    for (int slot = 0; slot < kSlots; ++slot) {
        for (int i = 0; i < kStudents; ++i)
            book->Scores[slot][i] = static_cast<float>((slot * 7 + i * 13) % 100) + (i % 3 == 0 ? 0.5f : 0.0f);
        book->Scores[slot][3] = 10000.0f + 55.3f; // an average with an absence
        book->Scores[slot][5] = kAbsent;
        book->Scores[slot][kAverageColumn] = 61.7f;
        book->Scores[slot][kExamineeColumn] = 39.0f;
        book->Scores[slot][kFullMarksColumn] = 100.0f;
        book->SlotTitles[slot][0] = "2025/07/" + std::to_string(slot % 28 + 1);
    }
    for (auto& period : book->RankCountA)
        period.fill(12);
    for (auto& period : book->RankCountC)
        period.fill(4);
    return book;
}

} // namespace miravel::bench
