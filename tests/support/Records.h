#pragma once
// One-line records and tests for the tests of records.

#include "core/GradeBook.h"
#include <algorithm>

namespace miravel::test {

// A record of `viewpoint` with the values of numbers 1, 2, ...
inline ClassRecord Marks(int viewpoint, std::initializer_list<double> values, RecordKind kind = RecordKind::Mark,
                         double full = kMarkFullPoints, const char* title = "")
{
    ClassRecord record;
    record.viewpoint = viewpoint, record.kind = kind, record.full = full, record.title = title;
    std::copy(values.begin(), values.end(), record.values.begin());
    return record;
}

// A registered test part: the scores of numbers 1, 2, ... and its full marks.
inline void Score(GradeBook& book, int semester, int subject, int test, int viewpoint,
                  std::initializer_list<float> scores, float full)
{
    auto& slot = book.Scores[TestSlot(semester, subject, test, viewpoint)];
    std::copy(scores.begin(), scores.end(), slot.begin());
    slot[kFullMarksColumn] = full, slot[kAverageColumn] = 1;
}

} // namespace miravel::test
