#pragma once
// What is checked before a hand-off file is written: the checks of 入力の確認
// and, for a profile with the code column, the students without a code; for
// a code page 932 file, the note characters it cannot hold.

#include "core/GradeBook.h"
#include "file/HandoffProfile.h"
#include "grades/GradeChecks.h"

#include <string>
#include <vector>

namespace miravel {

std::vector<GradeFinding> CheckBeforeHandoff(GradeBook& book, const HandoffProfile& profile);

// "確認で N 件の問題があります。このまま書き出しますか？"
std::string HandoffQuestion(std::size_t findings);

} // namespace miravel
