#pragma once
// The check before printing (入力の確認): what looks wrong in the book, one
// finding per line, each naming the tree node it concerns.

#include "core/GradeBook.h"

#include <string>
#include <vector>

namespace miravel {

struct GradeFinding {
    std::string nodeKey;  // the node to select in the tree
    std::string text;     // the line the teacher reads, naming that node
};

// Said when nothing is found.
extern const char* const kNoProblemsFound;  // "問題はありません"

// In tree order: for each registered test, each named student without a
// score in an assessed viewpoint, naming the viewpoints (absent is fine) and the viewpoints without full marks or with
// a score above them; for each semester with tests, the viewpoints no test
// assesses. `semesters` is how many semesters the school year has.
std::vector<GradeFinding> CheckScores(const GradeBook& book, int semesters = kSemesters);

// "出席番号 3, 12" for the numbers given.
std::string AttendanceNumbers(const std::vector<int>& numbers);

} // namespace miravel
