#pragma once
// The check of the 評価の方法 window's entries before they are applied.

#include "core/GradeBook.h"

#include <string>

namespace miravel {

// Where a refused entry is: the cut of subject*3 + viewpoint, or the 評定
// cut points.
struct EvaluationProblem {
    std::string message;  // empty when the settings may be applied
    int cut = -1;         // the criterion cell refused, -1 for none
    bool gradeCuts = false;
};

// A percentages within 0..100 and above C in every cell; c1 not above a3,
// both within 1.0..3.0. The message names the subject and viewpoint.
EvaluationProblem CheckEvaluationSettings(const GradeDocument& book, const EvaluationSettings& settings);

} // namespace miravel
